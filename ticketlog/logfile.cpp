#include "logfile.h"

#include "codepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const QString lineEnd = QStringLiteral("\r\n");
constexpr qsizetype chunkLength = 64 * 1024;

bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size();
}

// Reads one line from position on, up to and not including its line end (CR LF,
// LF or CR), and moves position past the line end.
QStringView nextLine(QStringView text, qsizetype &position)
{
    const qsizetype start = position;
    qsizetype end = start;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    position = end;
    if (position < text.size() && text[position++] == u'\r' && position < text.size() &&
        text[position] == u'\n')
        ++position;
    return text.sliced(start, end - start);
}

} // namespace

QString LogFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/saved.wok");
}

bool SaveLogFile(const LogList &list, const QString &path, QString *errorString)
{
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);

    // Encoded a chunk at a time, so that a large log is never held twice over.
    QString chunk;
    chunk.reserve(chunkLength + 1024);
    const int rows = list.size();
    const int columns = list.columns();
    for (int row = 0; written && row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            chunk += list.text(row, column);
            chunk += lineEnd;
        }
        if (chunk.size() >= chunkLength || row == rows - 1) {
            written = writeAll(file, encodeToCodePage(chunk));
            chunk.clear();
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

void LoadLogFile(LogList &list, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    file.close();
    AppendLogRows(list, bytes);
}

void AppendLogRows(LogList &list, QByteArrayView bytes)
{
    // A byte-order mark of a file saved as UTF-8 elsewhere is not part of the
    // first cell.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const QString text = decodeFromCodePage(bytes);

    const int columns = list.columns();
    qsizetype position = 0;
    while (position < text.size()) {
        list.append(nextLine(text, position).toString());
        const int row = list.size() - 1;
        for (int column = 1; column < columns; ++column)
            list.setSubItem(row, column, nextLine(text, position).toString());
    }
}
