#include "ticketphotos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace {

// A note's first line names its photo; each line after it is a play, its
// three cells parted by tabs, as the log's own cells hold no tab.
const QString photoWord = QStringLiteral("PHOTO");

QString cleanCell(QString cell)
{
    cell.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
    return cell;
}

} // namespace

TicketPhotos::TicketPhotos(const QString &folder) : m_folder(folder) {}

TicketPhotos TicketPhotos::besideLog(const QString &logPath)
{
    return TicketPhotos(QFileInfo(logPath).dir().filePath(QStringLiteral("ticket photos")));
}

QString TicketPhotos::keep(const QByteArray &photo, const QString &suffix,
                           const std::vector<TicketCells> &plays, const QDateTime &taken,
                           QString *reason) const
{
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return QString();
    };
    QDir folder(m_folder);
    if (!folder.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("The folder %1 could not be made")
                        .arg(QDir::toNativeSeparators(m_folder)));
    const QString stem =
        QStringLiteral("ticket-") + taken.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // The note is made first, and only where no note of that name is: the
    // name is this photo's, whatever another copy of the program keeps now.
    QFile note;
    QString name;
    for (int attempt = 1; attempt < 1000; ++attempt) {
        name = attempt == 1 ? stem : stem + u'-' + QString::number(attempt);
        note.setFileName(folder.filePath(name + QStringLiteral(".txt")));
        if (note.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (!QFileInfo::exists(note.fileName()))
            return fail(note.errorString());
    }
    if (!note.isOpen())
        return fail(
            QStringLiteral("No new name was free in %1").arg(QDir::toNativeSeparators(m_folder)));
    const QString photoPath = folder.filePath(name + u'.' + suffix);
    QFile kept(photoPath);
    if (!kept.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        kept.write(photo) != photo.size() || !kept.flush()) {
        const QString why = kept.errorString();
        kept.close();
        kept.remove();
        note.close();
        note.remove();
        return fail(why);
    }
    kept.close();
    // UTF-8 with its mark and CR LF, as Notepad opens it.
    QString text = photoWord + u'\t' + QFileInfo(photoPath).fileName() + QStringLiteral("\r\n");
    for (const TicketCells &play : plays)
        text += cleanCell(play.game) + u'\t' + cleanCell(play.date) + u'\t' +
                cleanCell(play.numbers) + QStringLiteral("\r\n");
    const QByteArray bytes = "\xEF\xBB\xBF" + text.toUtf8();
    if (note.write(bytes) != bytes.size() || !note.flush()) {
        const QString why = note.errorString();
        note.close();
        note.remove();
        kept.remove();
        return fail(why);
    }
    return photoPath;
}

QHash<QString, QString> TicketPhotos::photos() const
{
    QHash<QString, QString> photos;
    const QDir folder(m_folder);
    // In the order they were kept, so that a later photo of the same play is
    // the one kept: by the time in the name, then by its count ("-2" after
    // none), which plain name order would put first.
    QStringList notes = folder.entryList({QStringLiteral("ticket-*.txt")}, QDir::Files);
    const auto order = [](const QString &name) {
        const QString stem = name.chopped(4);
        const qsizetype count = stem.lastIndexOf(u'-');
        bool counted = false;
        const int number = count > 15 ? stem.mid(count + 1).toInt(&counted) : 0;
        return std::pair(counted ? stem.left(count) : stem, counted ? number : 1);
    };
    std::sort(notes.begin(), notes.end(),
              [&order](const QString &a, const QString &b) { return order(a) < order(b); });
    for (const QString &noteName : notes) {
        QFile note(folder.filePath(noteName));
        if (!note.open(QIODevice::ReadOnly))
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(note.readAll());
        const QStringList lines = text.split(u'\n');
        QString photo;
        for (QString line : lines) {
            if (line.endsWith(u'\r'))
                line.chop(1);
            const QStringList cells = line.split(u'\t');
            if (cells.size() == 2 && cells[0] == photoWord) {
                // Only a photo of this folder, whatever a hand wrote.
                const QString name = QFileInfo(cells[1]).fileName();
                if (!name.isEmpty() && folder.exists(name))
                    photo = folder.filePath(name);
            } else if (cells.size() == 3 && !photo.isEmpty()) {
                photos.insert(TicketCells{cells[0], cells[1], cells[2]}.key(), photo);
            }
        }
    }
    return photos;
}
