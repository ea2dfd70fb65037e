#include "logfile.h"

#include "codepage.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace {

constexpr qsizetype blockLength = 64 * 1024;

// Just past the last line end among the bytes: what a read cut short at that
// point holds whole.
qsizetype completeLinesEnd(QByteArrayView bytes)
{
    const qsizetype lf = bytes.lastIndexOf('\n');
    const qsizetype cr = bytes.lastIndexOf('\r');
    return std::max(lf, cr) + 1;
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
    file.setDirectWriteFallback(true);
    bool written = file.open(QIODevice::WriteOnly);

    // Written a block at a time, so that a large log is never held twice over.
    // Cells read from the file go back as the bytes they were.
    CodePageEncoder encoder;
    QByteArray block;
    block.reserve(blockLength + 1024);
    const int rows = list.size();
    const int columns = list.columns();
    for (int row = 0; written && row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (const auto saved = list.savedBytes(row, column))
                block.append(*saved);
            else
                encoder.appendTo(block, list.text(row, column));
            block += "\r\n";
        }
        if (block.size() >= blockLength || row == rows - 1) {
            written = file.write(block) == block.size();
            block.resize(0);
        }
    }

    // QSaveFile::commit() alone can report success after a short write or a
    // failed flush, so every step is checked before the old file is replaced.
    written = written && file.flush() && file.error() == QFileDevice::NoError;
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
    const char *const begin = bytes.data();
    const char *const end = begin + bytes.size();
    // The next CR and the next LF, each searched for again only once passed.
    const char *cr = nullptr;
    const char *lf = nullptr;
    auto next = [end](const char *from, char wanted) {
        const void *found = std::memchr(from, wanted, std::size_t(end - from));
        return found ? static_cast<const char *>(found) : end;
    };
    const char *position = begin;
    while (position < end) {
        if (!cr || cr < position)
            cr = next(position, '\r');
        if (!lf || lf < position)
            lf = next(position, '\n');
        const char *lineEnd = std::min(cr, lf);
        cells.push_back({std::uint32_t(position - begin), std::uint32_t(lineEnd - position)});
        position = lineEnd;
        if (position < end)
            position += (*position == '\r' && position + 1 < end && position[1] == '\n') ? 2 : 1;
    }
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
    const QString stem = path + QStringLiteral(".unread-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stem;
    for (int number = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++number)
        aside = stem + QStringLiteral("-%1").arg(number);
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
