#include "inplacesave.h"

#include "datedfreepath.h"
#include "disksync.h"
#include "logbytes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstring>

namespace {

const QByteArray rollbackMark = "Ticketwise rollback 3\n";
// What an older version of the program wrote: its blocks began at the first
// byte changed, not on the file's pages.
const QByteArray olderMark = "Ticketwise rollback 2\n";
// A page of the file, as the disk takes it: after a power cut each page
// written since the last sync is old or new, whatever the others are.
constexpr qint64 page = 4096;

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

// A stretch of the file from the first byte a save changes, within one page
// and on one side of the old and the new length: each step of the save, and
// of putting the old log back, leaves it old, new, or, where the file was
// lengthened and not yet written, zeros.
struct Segment
{
    qint64 start = 0;
    qint64 end = 0;
    std::optional<quint64> newSum; // of the new bytes, where the new log reaches
};

// The file's pages from `from`, cut again at the old and the new length.
std::vector<Segment> pageSegments(qint64 from, qint64 oldSize, qint64 newSize)
{
    std::vector<Segment> segments;
    const qint64 end = std::max(oldSize, newSize);
    for (qint64 at = from; at < end;) {
        qint64 next = std::min((at / page + 1) * page, end);
        for (const qint64 size : {oldSize, newSize}) {
            if (size > at && size < next)
                next = size;
        }
        segments.push_back({at, next, std::nullopt});
        at = next;
    }
    return segments;
}

// What the log held from the first byte a save changes, its length then,
// and what the save expects to leave.
struct Rollback
{
    QString logPath;
    qint64 oldSize = 0;
    qint64 from = 0;
    qint64 newSize = 0;
    quint64 before = 0;            // checksum of the bytes before `from`
    std::vector<Segment> segments; // from `from` to the longer length
    QByteArray bytes;              // the old log from `from` to its end

    QByteArray record() const
    {
        QByteArray sums;
        for (const Segment &segment : segments) {
            if (segment.newSum)
                sums += QByteArray::number(*segment.newSum, 16) + ',';
        }
        return rollbackMark + logPath.toUtf8().toPercentEncoding() + '\n' +
               QByteArray::number(oldSize) + '\n' + QByteArray::number(from) + '\n' +
               QByteArray::number(newSize) + '\n' + QByteArray::number(before, 16) + '\n' + sums +
               '\n' + bytes;
    }
    // Nothing where the record is not one whole rollback of this log. Its
    // header is read whole, however long the path. An older version's copy is
    // read too: a save it left unfinished is put back as it was made.
    static std::optional<Rollback> read(const QByteArray &record, const QString &logPath)
    {
        const bool older = record.startsWith(olderMark);
        if (!record.startsWith(rollbackMark) && !older)
            return std::nullopt;
        const int lines = older ? 7 : 6;
        QList<QByteArrayView> head;
        qsizetype at = rollbackMark.size();
        while (head.size() < lines) {
            const qsizetype end = record.indexOf('\n', at);
            if (end < 0)
                return std::nullopt;
            head << QByteArrayView(record).sliced(at, end - at);
            at = end + 1;
        }
        if (head[0] != logPath.toUtf8().toPercentEncoding())
            return std::nullopt;
        bool read[5] = {true, true, true, true, true};
        Rollback rollback;
        rollback.logPath = logPath;
        rollback.oldSize = head[1].toLongLong(&read[0]);
        rollback.from = head[2].toLongLong(&read[1]);
        rollback.newSize = head[3].toLongLong(&read[2]);
        rollback.before = head[4].toULongLong(&read[3], 16);
        rollback.bytes = record.sliced(at);
        std::vector<quint64> sums;
        for (const QByteArray &sum : head.back().toByteArray().split(',')) {
            bool sumRead = false;
            if (!sum.isEmpty())
                sums.push_back(sum.toULongLong(&sumRead, 16));
            if (!sum.isEmpty() && !sumRead)
                return std::nullopt;
        }
        if (!std::all_of(std::begin(read), std::end(read), [](bool r) { return r; }) ||
            rollback.from < 0 || rollback.newSize < rollback.from ||
            rollback.from + rollback.bytes.size() != rollback.oldSize)
            return std::nullopt;
        const bool laidOut =
            older ? rollback.layOutOlder(sums, head[5], &read[4]) : rollback.layOut(sums);
        if (!laidOut || !read[4])
            return std::nullopt;
        return rollback;
    }

    // The segments of the file's pages, each with the new bytes' checksum
    // where the new log reaches; false where the sums do not fit them.
    bool layOut(const std::vector<quint64> &sums)
    {
        segments = pageSegments(from, oldSize, newSize);
        std::size_t next = 0;
        for (Segment &segment : segments) {
            if (segment.start >= newSize)
                continue;
            if (next == sums.size())
                return false;
            segment.newSum = sums[next++];
        }
        return next == sums.size();
    }
    // An older copy's: blocks of 4 KB from `from` up to the shorter length,
    // then the growth as one.
    bool layOutOlder(const std::vector<quint64> &blocks, QByteArrayView growthSum, bool *read)
    {
        segments.clear();
        const qint64 headEnd = std::min(oldSize, newSize);
        std::size_t next = 0;
        for (qint64 at = from; at < headEnd; at += page) {
            if (next == blocks.size())
                return false;
            segments.push_back({at, std::min(at + page, headEnd), blocks[next++]});
        }
        if (newSize > oldSize)
            segments.push_back({oldSize, newSize, growthSum.toULongLong(read, 16)});
        else if (oldSize > newSize)
            segments.push_back({newSize, oldSize, std::nullopt});
        return next == blocks.size();
    }

    // Whether the file is as this save, or putting back its old log, left
    // it at any step, even where a power cut kept only some of the pages
    // written since the last sync: its length one of those the steps pass
    // through, the bytes before the change as they were, and each segment
    // old, new or, past the shorter length, zeros; all but one, which a write
    // cut short may have left part old and part new.
    bool leftBy(QFile &file) const
    {
        if (!lengthAndHeadAsLeft(file))
            return false;
        const qint64 size = file.size();
        QByteArray block;
        const auto readAt = [&](qint64 at, qint64 length) {
            block.resize(length);
            return file.seek(at) && file.read(block.data(), length) == length;
        };
        const qint64 shorter = std::min(oldSize, newSize);
        int unknown = 0;
        for (const Segment &segment : segments) {
            if (segment.start >= size)
                break;
            const qint64 end = std::min(segment.end, size);
            if (!readAt(segment.start, end - segment.start))
                return false;
            const bool old =
                segment.start < oldSize &&
                block == QByteArrayView(bytes).sliced(segment.start - from, block.size());
            const bool isNew =
                segment.newSum && end == segment.end && checksum(block) == *segment.newSum;
            const bool zeros =
                segment.start >= shorter &&
                std::all_of(block.begin(), block.end(), [](char c) { return c == 0; });
            if (!old && !isNew && !zeros && ++unknown > 1)
                return false;
        }
        return true;
    }
    // Whether putting back the old log, begun on a file it found as its save
    // left it and cut short, may go on: each try leaves a segment of its own
    // part old, so only the length and the bytes before the change are told.
    bool resumableOn(QFile &file) const { return lengthAndHeadAsLeft(file); }

    // A length the steps pass through, and the bytes before the change as
    // they were, read a megabyte at a time.
    bool lengthAndHeadAsLeft(QFile &file) const
    {
        const qint64 size = file.size();
        if (size < std::min(oldSize, newSize) || size > std::max(oldSize, newSize) || size < from)
            return false;
        QByteArray block;
        quint64 hash = 0xcbf29ce484222325ull;
        constexpr qint64 chunk = 1 << 20;
        // Eight bytes a step, whatever the chunk: the checksum of the whole.
        for (qint64 at = 0; at < from; at += chunk) {
            block.resize(std::min(chunk, from - at));
            if (!file.seek(at) || file.read(block.data(), block.size()) != block.size())
                return false;
            hash = checksum(block, hash);
        }
        return hash == before;
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

// The old log put back from the copy, which is first marked as being put
// back, so that a start after a crash in the middle goes on with it; then
// the copy is removed. False, with the reason, where a step failed: the copy
// stays to be put back at the next start.
bool putBackFrom(QFile &file, const Rollback &rollback, const QString &copyPath, FileSteps &steps,
                 QString *reason)
{
    const QString marked = RestoringFilePath(rollback.logPath);
    // Unmarked, the old log is put back all the same.
    QString unmarked;
    const QString copy =
        copyPath == marked || steps.rename(copyPath, marked, &unmarked) ? marked : copyPath;
    return putBack(file, rollback, steps, reason) && steps.remove(copy, reason);
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

QString RestoringFilePath(const QString &logPath)
{
    return RollbackFilePath(logPath) + QStringLiteral(".restoring");
}

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
    if (QFileInfo::exists(rollbackPath) || QFileInfo::exists(RestoringFilePath(path))) {
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
    rollback.segments = pageSegments(rollback.from, rollback.oldSize, rollback.newSize);
    for (Segment &segment : rollback.segments) {
        if (segment.start < rollback.newSize)
            segment.newSum =
                checksum(QByteArrayView(bytes).sliced(segment.start, segment.end - segment.start));
    }

    QDir().mkpath(QFileInfo(rollbackPath).absolutePath());
    QSaveFile copy(rollbackPath);
    if (!copy.open(QIODevice::WriteOnly)) {
        reason = copy.errorString();
        return fail();
    }
    // The old tickets are the user's alone.
    copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
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
        putBackFrom(file, rollback, rollbackPath, steps, &ignored);
        return fail();
    }
    // Where the old log cannot be put back now, the next start does it.
    QString putBackReason;
    putBackFrom(file, rollback, rollbackPath, steps, &putBackReason);
    return fail();
}

RestoreOutcome RestoreUnfinishedSave(const QString &logPath, FileSteps &steps)
{
    RestoreOutcome outcome;
    // A put-back cut short goes on first; its copy is the save's own.
    const QString restoringPath = RestoringFilePath(logPath);
    const bool resuming = QFileInfo::exists(restoringPath);
    const QString copyPath = resuming ? restoringPath : RollbackFilePath(logPath);
    QFile copy(copyPath);
    if (!copy.open(QIODevice::ReadOnly)) {
        if (copy.exists()) {
            outcome.kind = RestoreOutcome::Failed;
            outcome.reason = copy.errorString();
        }
        return outcome;
    }
    const QByteArray record = copy.readAll();
    copy.close();
    const auto keptAside = [&] {
        outcome.keptAside = keepAside(copyPath, &outcome.reason);
        outcome.kind =
            outcome.keptAside.isEmpty() ? RestoreOutcome::Failed : RestoreOutcome::KeptAside;
        return outcome;
    };
    const std::optional<Rollback> rollback =
        Rollback::read(record, QFileInfo(logPath).absoluteFilePath());
    // Another program's copy, one cut short, or another log's: not ours to
    // delete.
    if (!rollback)
        return keptAside();
    QFile file(logPath);
    // A log that is not there (a share or a disk not mounted yet) keeps its
    // copy until it is.
    if (!file.exists()) {
        outcome.kind = RestoreOutcome::LogMissing;
        return outcome;
    }
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        outcome.kind = RestoreOutcome::Failed;
        outcome.reason = file.errorString();
        return outcome;
    }
    if (!(resuming ? rollback->resumableOn(file) : rollback->leftBy(file)))
        return keptAside();
    if (!putBackFrom(file, *rollback, copyPath, steps, &outcome.reason)) {
        outcome.kind = RestoreOutcome::Failed;
        return outcome;
    }
    outcome.kind = RestoreOutcome::Restored;
    return outcome;
}
