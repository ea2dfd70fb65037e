#include "keptdraws.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Beside each kept file, what the server said of it: the address it came
// from, its two validators and when, each on a line of its own.
QString recordPath(const QString &path)
{
    return path + QStringLiteral(".fetched");
}

bool write(const QString &path, const QByteArray &bytes, QString *reason)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *reason = file.errorString();
    return false;
}

} // namespace

KeptDraws::KeptDraws(const QString &folder, const ResultSource &source)
    : m_path(folder + u'/' + QLatin1StringView(source.file.data(), qsizetype(source.file.size()))),
      m_url(QLatin1StringView(source.url.data(), qsizetype(source.url.size())))
{
    QFile record(recordPath(m_path));
    if (!exists() || !record.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = record.readAll().split('\n');
    // A record of another address says nothing of this one's file.
    if (lines.size() < 4 || QString::fromUtf8(lines[0]) != m_url)
        return;
    m_entityTag = lines[1];
    m_lastModified = lines[2];
    m_fetched = QDateTime::fromString(QString::fromLatin1(lines[3]), Qt::ISODate);
}

QString KeptDraws::userFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/draws");
}

bool KeptDraws::exists() const
{
    return QFileInfo(m_path).isFile();
}

bool KeptDraws::keep(const QByteArray &bytes, const QByteArray &entityTag,
                     const QByteArray &lastModified, QString *reason)
{
    if (!write(m_path, bytes, reason))
        return false;
    m_entityTag = entityTag;
    m_lastModified = lastModified;
    return confirm(reason);
}

bool KeptDraws::confirm(QString *reason)
{
    m_fetched = QDateTime::currentDateTimeUtc();
    return writeRecord(reason);
}

bool KeptDraws::writeRecord(QString *reason)
{
    // Validators are header values: a line break in one would be another line.
    const auto line = [](QByteArray value) { return value.replace('\n', ' ').replace('\r', ' '); };
    return write(recordPath(m_path),
                 m_url.toUtf8() + '\n' + line(m_entityTag) + '\n' + line(m_lastModified) + '\n' +
                     m_fetched.toString(Qt::ISODate).toLatin1() + '\n',
                 reason);
}
