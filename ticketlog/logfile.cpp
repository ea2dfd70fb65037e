#include "logfile.h"

#include "codepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

constexpr qsizetype blockLength = 64 * 1024;

// Turns the bytes of a saved log, given a block at a time, into rows: each
// line is a cell, three cells a row. A block is decoded only up to its last
// complete line, so that a line end split between blocks still counts once.
class RowAppender
{
public:
    explicit RowAppender(LogList &list) : m_list(list), m_columns(list.columns()) {}

    void feed(QByteArrayView bytes, bool atEnd)
    {
        m_pending.append(bytes);
        if (m_atStart && (m_pending.size() >= 3 || atEnd)) {
            // A byte-order mark of a file saved as UTF-8 elsewhere is not part
            // of the first cell.
            if (m_pending.startsWith("\xEF\xBB\xBF"))
                m_pending.remove(0, 3);
            m_atStart = false;
        }
        if (m_atStart)
            return;
        const qsizetype cut = atEnd ? m_pending.size() : completeLinesEnd();
        if (cut == 0)
            return;
        const QStringView text = m_decoder.decode(QByteArrayView(m_pending).first(cut));
        m_pending.remove(0, cut);
        addLines(text);
    }

private:
    // Just past the last line end that no later byte can change: a CR at the
    // very end may yet be followed by an LF.
    qsizetype completeLinesEnd() const
    {
        qsizetype end = m_pending.size();
        if (end > 0 && m_pending.back() == '\r')
            --end;
        while (end > 0 && m_pending[end - 1] != '\r' && m_pending[end - 1] != '\n')
            --end;
        return end;
    }

    void addLines(QStringView text)
    {
        qsizetype position = 0;
        while (position < text.size()) {
            qsizetype end = position;
            while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
                ++end;
            addCell(text.sliced(position, end - position));
            position = end;
            if (position < text.size() && text[position++] == u'\r' && position < text.size() &&
                text[position] == u'\n')
                ++position;
        }
    }

    void addCell(QStringView cell)
    {
        if (m_column == 0)
            m_list.append(cell);
        else
            m_list.setSubItem(m_list.size() - 1, m_column, cell);
        m_column = (m_column + 1) % m_columns;
    }

    LogList &m_list;
    const int m_columns;
    int m_column = 0;
    bool m_atStart = true;
    QByteArray m_pending;
    CodePageDecoder m_decoder;
};

} // namespace

QString LogFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/saved.wok");
}

bool SaveLogFile(const LogList &list, const QString &path, QString *errorString)
{
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);

    // Written a block at a time, so that a large log is never held twice over.
    CodePageEncoder encoder;
    QByteArray block;
    block.reserve(blockLength + 1024);
    const int rows = list.size();
    const int columns = list.columns();
    for (int row = 0; written && row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
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

void LoadLogFile(LogList &list, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Read a block at a time, so that a large log is never held whole twice.
    RowAppender appender(list);
    QByteArray block(blockLength, Qt::Uninitialized);
    qint64 length = 0;
    while ((length = file.read(block.data(), block.size())) > 0)
        appender.feed(QByteArrayView(block.constData(), length), false);
    appender.feed({}, true);
}

void AppendLogRows(LogList &list, QByteArrayView bytes, qsizetype blockSize)
{
    RowAppender appender(list);
    while (bytes.size() > blockSize) {
        appender.feed(bytes.first(blockSize), false);
        bytes = bytes.sliced(blockSize);
    }
    appender.feed(bytes, true);
}
