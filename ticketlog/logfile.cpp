#include "logfile.h"

#include "datedfreepath.h"
#include "inplacesave.h"
#include "logbytes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <QtEndian>

#include <bit>
#include <cstring>

namespace {

// Just past the last line end among the bytes: what a read cut short at that
// point holds whole.
qsizetype completeLinesEnd(QByteArrayView bytes)
{
    const qsizetype lf = bytes.lastIndexOf('\n');
    const qsizetype cr = bytes.lastIndexOf('\r');
    return std::max(lf, cr) + 1;
}

// Calls found(offset) for every CR and LF among the bytes, in order. Eight
// bytes are tested at once: a saved log is mostly short lines, for which a
// search call per line costs more than the line.
template <typename Found> void forEachLineBreak(QByteArrayView bytes, Found found)
{
    constexpr quint64 ones = 0x0101'0101'0101'0101ull;
    constexpr quint64 low7 = 0x7f7f'7f7f'7f7f'7f7full;
    // The high bit of every byte of word that equals byte, and no other bit.
    const auto equalBytes = [](quint64 word, char byte) {
        const quint64 differ = word ^ (ones * uchar(byte));
        return ~(((differ & low7) + low7) | differ | low7);
    };
    const char *data = bytes.data();
    qsizetype block = 0;
    for (; block + 8 <= bytes.size(); block += 8) {
        const quint64 word = qFromLittleEndian<quint64>(data + block);
        for (quint64 breaks = equalBytes(word, '\r') | equalBytes(word, '\n'); breaks;
             breaks &= breaks - 1)
            found(block + std::countr_zero(breaks) / 8);
    }
    for (qsizetype at = block; at < bytes.size(); ++at) {
        if (data[at] == '\r' || data[at] == '\n')
            found(at);
    }
}

} // namespace

QString LogFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/saved.wok");
}

bool SaveLogFile(const LogList &list, const QString &path, QString *errorString)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // A folder that takes no new file, with a log that may be written.
        if (QFileInfo(path).isFile())
            return SaveLogFileInPlace(list, path, errorString);
        if (errorString)
            *errorString = file.errorString();
        return false;
    }

    // QSaveFile::commit() alone can report success after a short write or a
    // failed flush, so every step is checked before the old file is replaced.
    const bool written =
        WriteLogBytes(file, list) && file.flush() && file.error() == QFileDevice::NoError;
    if (written && file.commit())
        return true;

    if (errorString)
        *errorString = file.errorString();
    file.cancelWriting();
    return false;
}

LogFileRead LoadLogFile(LogList &list, const QString &path, qsizetype limit)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return LogFileRead::Missing;
    // A pipe would block start-up and a device may never end: neither is a
    // saved log.
    if (!info.isFile())
        return LogFileRead::NotWhole;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return LogFileRead::NotWhole;

    // One buffer of the file's size, read into once and kept by the list.
    const qint64 size = file.size();
    QByteArray bytes(qsizetype(std::min<qint64>(size, limit)), Qt::Uninitialized);
    qsizetype filled = 0;
    qint64 length = 0;
    while (filled < bytes.size() &&
           (length = file.read(bytes.data() + filled, bytes.size() - filled)) > 0)
        filled += qsizetype(length);
    const bool whole = length >= 0 && size <= limit;
    bytes.truncate(whole ? filled : completeLinesEnd(QByteArrayView(bytes).first(filled)));
    AppendLogRows(list, std::move(bytes));
    return whole ? LogFileRead::Whole : LogFileRead::NotWhole;
}

std::vector<CellSpan> SplitSavedLog(QByteArrayView bytes, int columns)
{
    std::vector<CellSpan> cells;
    // Room for lines of four bytes and more, so that a log of tickets is not
    // copied as it grows; room not used takes no memory until touched.
    cells.reserve(std::size_t(bytes.size() / 4) + std::size_t(columns) + 1);

    qsizetype start = 0;
    qsizetype lastCR = -2;
    forEachLineBreak(bytes, [&](qsizetype at) {
        if (bytes[at] == '\n' && at == lastCR + 1) {
            start = at + 1; // the LF of a CR LF
            return;
        }
        if (bytes[at] == '\r')
            lastCR = at;
        cells.push_back({std::uint32_t(start), std::uint32_t(at - start)});
        start = at + 1;
    });
    if (start < bytes.size())
        cells.push_back({std::uint32_t(start), std::uint32_t(bytes.size() - start)});
    while (cells.size() % std::size_t(columns) != 0)
        cells.push_back({std::uint32_t(bytes.size()), 0});
    return cells;
}

void AppendLogRows(LogList &list, QByteArray bytes)
{
    std::vector<CellSpan> cells = SplitSavedLog(bytes, list.columns());
    list.appendSaved(std::move(bytes), std::move(cells));
}

QString KeepUnreadLogAside(const QString &path, QString *errorString)
{
    const QString aside = DatedFreePath(path + QStringLiteral(".unread-"));
    QFile file(path);
    if (file.rename(aside))
        return aside;
    // QFile will not move a folder, a pipe or a device; the system's rename
    // moves any of them.
    if (QDir().rename(path, aside))
        return aside;
    if (errorString)
        *errorString = file.errorString();
    return {};
}
