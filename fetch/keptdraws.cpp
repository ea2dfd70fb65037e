#include "keptdraws.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Beside each kept file, what the server said of it: the address it came
// from, its two validators and when, each on a line of its own, then the
// SHA-256 of the file it speaks of. The two are written one after the other:
// a record of another file (a crash between the two) says nothing of this
// one, so that old validators never vouch for a new file.
QString recordPath(const QString &path)
{
    return path + QStringLiteral(".fetched");
}

QByteArray digestOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray digestOfFile(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
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
    // A record of another address, or of another file, says nothing of this
    // one. An older release's record names no file: it is taken as it is.
    if (lines.size() < 4 || QString::fromUtf8(lines[0]) != m_url)
        return;
    if (lines.size() > 5 && !lines[4].isEmpty() && lines[4] != digestOfFile(m_path))
        return;
    m_entityTag = lines[1];
    m_lastModified = lines[2];
    m_fetched = QDateTime::fromString(QString::fromLatin1(lines[3]), Qt::ISODate);
    m_digest = lines.size() > 5 ? lines[4] : QByteArray();
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
    m_digest = digestOf(bytes);
    return confirm(reason);
}

bool KeptDraws::confirm(QString *reason)
{
    if (m_digest.isEmpty())
        m_digest = digestOfFile(m_path);
    m_fetched = QDateTime::currentDateTimeUtc();
    return writeRecord(reason);
}

bool KeptDraws::writeRecord(QString *reason)
{
    // Validators are header values: a line break in one would be another line.
    const auto line = [](QByteArray value) { return value.replace('\n', ' ').replace('\r', ' '); };
    return write(recordPath(m_path),
                 m_url.toUtf8() + '\n' + line(m_entityTag) + '\n' + line(m_lastModified) + '\n' +
                     m_fetched.toString(Qt::ISODate).toLatin1() + '\n' + m_digest + '\n',
                 reason);
}
