#include "inplacesave.h"

#include "disksync.h"
#include "logfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstring>

namespace {

const QByteArray rollbackMark = "Ticketwise rollback 2\n";
// The new bytes are checked a block at a time: a save cut short leaves each
// block old or new, but for the one it was writing.
constexpr qint64 checkedBlock = 4096;

// FNV-1a over eight bytes at a time: quick enough to run over the whole log
// at every ADD, and no two saves' bytes meet by chance.
quint64 checksum(QByteArrayView bytes, quint64 hash = 0xcbf29ce484222325ull)
{
    constexpr quint64 prime = 0x100000001b3ull;
    qsizetype at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        quint64 word;
        std::memcpy(&word, bytes.data() + at, 8);
        hash = (hash ^ word) * prime;
    }
    for (; at < bytes.size(); ++at)
        hash = (hash ^ uchar(bytes[at])) * prime;
    return hash;
}

// What the log held from the first byte a save changes, its length then,
// and what the save expects to leave.
struct Rollback
{
    QString logPath;
    qint64 oldSize = 0;
    qint64 from = 0;
    qint64 newSize = 0;
    quint64 before = 0;          // checksum of the bytes before `from`
    quint64 growth = 0;          // of the new bytes past oldSize
    std::vector<quint64> blocks; // of each block of the new bytes from `from`
    QByteArray bytes;            // the old log from `from` to its end

    qint64 headEnd() const { return std::min(oldSize, newSize); }

    QByteArray record() const
    {
        QByteArray blockList;
        for (const quint64 block : blocks)
            blockList += QByteArray::number(block, 16) + ',';
        return rollbackMark + logPath.toUtf8().toPercentEncoding() + '\n' +
               QByteArray::number(oldSize) + '\n' + QByteArray::number(from) + '\n' +
               QByteArray::number(newSize) + '\n' + QByteArray::number(before, 16) + '\n' +
               QByteArray::number(growth, 16) + '\n' + blockList + '\n' + bytes;
    }
    // Nothing where the record is not one whole rollback of this log. Its
    // header is read whole, however long the path.
    static std::optional<Rollback> read(const QByteArray &record, const QString &logPath)
    {
        if (!record.startsWith(rollbackMark))
            return std::nullopt;
        QList<QByteArrayView> head;
        qsizetype at = rollbackMark.size();
        while (head.size() < 7) {
            const qsizetype end = record.indexOf('\n', at);
            if (end < 0)
                return std::nullopt;
            head << QByteArrayView(record).sliced(at, end - at);
            at = end + 1;
        }
        if (head[0] != logPath.toUtf8().toPercentEncoding())
            return std::nullopt;
        bool read[5] = {};
        Rollback rollback;
        rollback.logPath = logPath;
        rollback.oldSize = head[1].toLongLong(&read[0]);
        rollback.from = head[2].toLongLong(&read[1]);
        rollback.newSize = head[3].toLongLong(&read[2]);
        rollback.before = head[4].toULongLong(&read[3], 16);
        rollback.growth = head[5].toULongLong(&read[4], 16);
        rollback.bytes = record.sliced(at);
        for (const QByteArray &block : head[6].toByteArray().split(',')) {
            bool blockRead = false;
            if (!block.isEmpty())
                rollback.blocks.push_back(block.toULongLong(&blockRead, 16));
            if (!block.isEmpty() && !blockRead)
                return std::nullopt;
        }
        if (!std::all_of(std::begin(read), std::end(read), [](bool r) { return r; }) ||
            rollback.from < 0 || rollback.newSize < rollback.from ||
            rollback.from + rollback.bytes.size() != rollback.oldSize)
            return std::nullopt;
        return rollback;
    }

    // Whether the file is as this save left it, at any step: its length one
    // the save gives it, the bytes before the change and the growth as they
    // were and were to be, and each block after the change old or new, but
    // for one.
    bool leftBy(QFile &file) const
    {
        const qint64 size = file.size();
        const qint64 grown = std::max(oldSize, newSize);
        if ((size != oldSize && size != grown && size != newSize) || size < from)
            return false;
        const auto readAt = [&](qint64 at, qint64 length, QByteArray &into) {
            into.resize(length);
            return file.seek(at) && file.read(into.data(), length) == length;
        };
        QByteArray block;
        quint64 hash = 0xcbf29ce484222325ull;
        constexpr qint64 chunk = 1 << 20;
        // Eight bytes a step, whatever the chunk: the checksum of the whole.
        for (qint64 at = 0; at < from; at += chunk) {
            if (!readAt(at, std::min(chunk, from - at), block))
                return false;
            hash = checksum(block, hash);
        }
        if (hash != before)
            return false;
        if (size > oldSize &&
            (!readAt(oldSize, size - oldSize, block) || checksum(block) != growth))
            return false;
        int cut = 0;
        const qint64 end = std::min(size, oldSize);
        for (qint64 at = from; at < end; at += checkedBlock) {
            const qint64 length = std::min(checkedBlock, end - at);
            if (!readAt(at, length, block))
                return false;
            const QByteArrayView old = QByteArrayView(bytes).sliced(at - from, length);
            if (block == old)
                continue;
            const std::size_t index = std::size_t((at - from) / checkedBlock);
            const qint64 newLength = std::min(length, headEnd() - at);
            const bool isNew = newLength > 0 && index < blocks.size() &&
                               checksum(QByteArrayView(block).first(newLength)) == blocks[index] &&
                               QByteArrayView(block).sliced(newLength) == old.sliced(newLength);
            if (!isNew && ++cut > 1)
                return false;
        }
        return true;
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

// Beside the copy, under the day and time it was kept aside.
QString keepAside(const QString &rollbackPath, QString *reason)
{
    const QString folder = QFileInfo(rollbackPath).absolutePath();
    const QString aside = DatedFreePath(folder + QStringLiteral("/rollback-"));
    QFile copy(rollbackPath);
    if (!copy.rename(aside)) {
        *reason = copy.errorString();
        return {};
    }
    QString unsynced; // kept aside all the same
    SyncFolder(folder, &unsynced);
    return aside;
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
    // The copy of a save that did not finish goes back first: a new copy
    // would take its place.
    const QString rollbackPath = RollbackFilePath(path);
    if (QFileInfo::exists(rollbackPath)) {
        const RestoreOutcome restored = RestoreUnfinishedSave(path, steps);
        if (restored.kind == RestoreOutcome::Failed) {
            reason = QStringLiteral("The last save could not be put back from \"%1\": %2")
                         .arg(QDir::toNativeSeparators(rollbackPath), restored.reason);
            return fail();
        }
    }
    // Unbuffered: bytes a full disk refused must not stay behind to be written
    // again when the old log is put back.
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return fail();
    Rollback rollback;
    rollback.logPath = QFileInfo(path).absoluteFilePath();
    rollback.oldSize = file.size();
    rollback.from = firstDifference(file, bytes);
    rollback.newSize = bytes.size();
    if (rollback.from == rollback.oldSize && rollback.oldSize == bytes.size())
        return true;
    if (!file.seek(rollback.from))
        return fail();
    rollback.bytes = file.read(rollback.oldSize - rollback.from);
    if (rollback.bytes.size() != rollback.oldSize - rollback.from)
        return fail();
    // The bytes before the change are the same in the file and the new log.
    rollback.before = checksum(QByteArrayView(bytes).first(rollback.from));
    if (bytes.size() > rollback.oldSize)
        rollback.growth = checksum(QByteArrayView(bytes).sliced(rollback.oldSize));
    for (qint64 at = rollback.from; at < rollback.headEnd(); at += checkedBlock) {
        rollback.blocks.push_back(checksum(
            QByteArrayView(bytes).sliced(at, std::min(checkedBlock, rollback.headEnd() - at))));
    }

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

RestoreOutcome RestoreUnfinishedSave(const QString &logPath, FileSteps &steps)
{
    RestoreOutcome outcome;
    const QString rollbackPath = RollbackFilePath(logPath);
    QFile copy(rollbackPath);
    if (!copy.open(QIODevice::ReadOnly)) {
        if (copy.exists()) {
            outcome.kind = RestoreOutcome::Failed;
            outcome.reason = copy.errorString();
        }
        return outcome;
    }
    const QByteArray record = copy.readAll();
    copy.close();
    const std::optional<Rollback> rollback =
        Rollback::read(record, QFileInfo(logPath).absoluteFilePath());
    QFile file(logPath);
    if (rollback && file.exists()) {
        if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
            outcome.kind = RestoreOutcome::Failed;
            outcome.reason = file.errorString();
            return outcome;
        }
        if (!rollback->leftBy(file)) {
            outcome.keptAside = keepAside(rollbackPath, &outcome.reason);
            outcome.kind =
                outcome.keptAside.isEmpty() ? RestoreOutcome::Failed : RestoreOutcome::KeptAside;
            return outcome;
        }
        if (!putBack(file, *rollback, steps, &outcome.reason)) {
            outcome.kind = RestoreOutcome::Failed;
            return outcome;
        }
        outcome.kind = RestoreOutcome::Restored;
    } else if (record.startsWith("Ticketwise rollback ") && !rollback) {
        // Another program's copy, or another log's: not ours to delete.
        outcome.keptAside = keepAside(rollbackPath, &outcome.reason);
        outcome.kind =
            outcome.keptAside.isEmpty() ? RestoreOutcome::Failed : RestoreOutcome::KeptAside;
        return outcome;
    }
    // A copy of a log that is gone, or one cut short: there is nothing to put
    // back.
    if (!steps.remove(rollbackPath, &outcome.reason))
        outcome.kind = RestoreOutcome::Failed;
    return outcome;
}
