#include "inplacesave.h"

#include "logfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QByteArray rollbackMark = "Ticketwise rollback 1\n";

// What the log held from the first byte a save changes, and its length then.
struct Rollback
{
    QString logPath;
    qint64 oldSize = 0;
    qint64 from = 0;
    QByteArray bytes; // the old log from `from` to its end

    QByteArray record() const
    {
        return rollbackMark + logPath.toUtf8().toPercentEncoding() + '\n' +
               QByteArray::number(oldSize) + '\n' + QByteArray::number(from) + '\n' + bytes;
    }
    // Nothing where the record is not one whole rollback of this log.
    static std::optional<Rollback> read(const QByteArray &record, const QString &logPath)
    {
        const QList<QByteArray> head =
            record.first(std::min<qsizetype>(record.size(), 4096)).split('\n').mid(0, 4);
        if (head.size() < 4 || head[0] + '\n' != rollbackMark ||
            head[1] != logPath.toUtf8().toPercentEncoding())
            return std::nullopt;
        bool sizeRead = false;
        bool fromRead = false;
        Rollback rollback{
            logPath, head[2].toLongLong(&sizeRead), head[3].toLongLong(&fromRead), {}};
        const qsizetype start =
            rollbackMark.size() + head[1].size() + head[2].size() + head[3].size() + 3;
        rollback.bytes = record.sliced(std::min(start, record.size()));
        if (!sizeRead || !fromRead || rollback.from < 0 ||
            rollback.from + rollback.bytes.size() != rollback.oldSize)
            return std::nullopt;
        return rollback;
    }
};

// The first offset at which the file's bytes and the new ones differ.
qint64 firstDifference(QFile &file, QByteArrayView bytes)
{
    constexpr qint64 block = 64 * 1024;
    QByteArray old(block, Qt::Uninitialized);
    qint64 at = 0;
    while (at < bytes.size()) {
        const qint64 read = file.read(old.data(), std::min(block, bytes.size() - at));
        if (read <= 0)
            break;
        const auto differ =
            std::mismatch(old.constData(), old.constData() + read, bytes.data() + at);
        if (differ.first != old.constData() + read)
            return at + (differ.first - old.constData());
        at += read;
    }
    return at;
}

// The old log, from the rollback, in place of whatever part of the new one
// was written.
bool putBack(QFile &file, const Rollback &rollback, FileSteps &steps, QString *reason)
{
    // Cut back first: on a full disk that gives back the room the growth took.
    return steps.resize(file, rollback.oldSize, reason) &&
           steps.write(file, rollback.from, rollback.bytes, reason) && steps.sync(file, reason);
}

} // namespace

QString RollbackFilePath(const QString &logPath)
{
    const QByteArray key = QFileInfo(logPath).absoluteFilePath().toUtf8();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/saved.wok.rollback-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16));
}

bool SaveLogFileInPlace(const LogList &list, const QString &path, QString *errorString,
                        FileSteps &steps)
{
    const QByteArray bytes = LogFileBytes(list);
    QFile file(path);
    QString reason;
    const auto fail = [&] {
        if (errorString)
            *errorString = reason.isEmpty() ? file.errorString() : reason;
        return false;
    };
    // Unbuffered: bytes a full disk refused must not stay behind to be written
    // again when the old log is put back.
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return fail();
    Rollback rollback{
        QFileInfo(path).absoluteFilePath(), file.size(), firstDifference(file, bytes), {}};
    if (rollback.from == rollback.oldSize && rollback.oldSize == bytes.size())
        return true;
    if (!file.seek(rollback.from))
        return fail();
    rollback.bytes = file.read(rollback.oldSize - rollback.from);
    if (rollback.bytes.size() != rollback.oldSize - rollback.from)
        return fail();

    const QString rollbackPath = RollbackFilePath(path);
    QDir().mkpath(QFileInfo(rollbackPath).absolutePath());
    QSaveFile copy(rollbackPath);
    if (!copy.open(QIODevice::WriteOnly)) {
        reason = copy.errorString();
        return fail();
    }
    if (!steps.write(copy, 0, rollback.record(), &reason) || !steps.commit(copy, &reason))
        return fail();

    const QByteArrayView growth =
        QByteArrayView(bytes).sliced(std::min(rollback.oldSize, qint64(bytes.size())));
    const QByteArrayView head =
        QByteArrayView(bytes).sliced(rollback.from, bytes.size() - growth.size() - rollback.from);
    const bool saved = (growth.isEmpty() || (steps.write(file, rollback.oldSize, growth, &reason) &&
                                             steps.sync(file, &reason))) &&
                       steps.write(file, rollback.from, head, &reason) &&
                       steps.resize(file, bytes.size(), &reason) && steps.sync(file, &reason);
    if (saved) {
        // A rollback left behind would put the old log back at the next start:
        // the file is made to say what the report says.
        if (steps.remove(rollbackPath, &reason))
            return true;
        QString ignored;
        putBack(file, rollback, steps, &ignored);
        return fail();
    }
    // Where the old log cannot be put back now, the next start does it.
    QString putBackReason;
    if (putBack(file, rollback, steps, &putBackReason))
        steps.remove(rollbackPath, &putBackReason);
    return fail();
}

bool RestoreUnfinishedSave(const QString &logPath)
{
    const QString rollbackPath = RollbackFilePath(logPath);
    QFile copy(rollbackPath);
    if (!copy.open(QIODevice::ReadOnly))
        return !copy.exists();
    const std::optional<Rollback> rollback =
        Rollback::read(copy.readAll(), QFileInfo(logPath).absoluteFilePath());
    copy.close();
    QString reason;
    QFile file(logPath);
    if (rollback && file.exists()) {
        if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered) ||
            !putBack(file, *rollback, FileSteps::system(), &reason))
            return false;
    }
    // A copy of some other log, of one that is gone, or one cut short: there
    // is nothing to put back.
    return FileSteps::system().remove(rollbackPath, &reason);
}
