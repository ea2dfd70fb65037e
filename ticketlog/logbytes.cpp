#include "logbytes.h"

#include "codepage.h"

#include <QBuffer>

#include <cstring>

namespace {

constexpr qsizetype blockLength = 64 * 1024;

// Gathers the bytes of a log and writes them a block at a time, so that a
// large log is never held twice over.
class BlockWriter
{
public:
    explicit BlockWriter(QIODevice &file) : m_file(file), m_block(blockLength, Qt::Uninitialized) {}

    void put(QByteArrayView bytes)
    {
        if (m_used + bytes.size() > m_block.size() && !flush())
            return;
        if (bytes.size() > m_block.size()) {
            m_ok = m_file.write(bytes.data(), bytes.size()) == bytes.size();
            return;
        }
        std::memcpy(m_block.data() + m_used, bytes.data(), std::size_t(bytes.size()));
        m_used += bytes.size();
    }
    bool flush()
    {
        m_ok = m_ok && m_file.write(m_block.constData(), m_used) == m_used;
        m_used = 0;
        return m_ok;
    }
    bool ok() const { return m_ok; }

private:
    QIODevice &m_file;
    QByteArray m_block;
    qsizetype m_used = 0;
    bool m_ok = true;
};

} // namespace

bool WriteLogBytes(QIODevice &device, const LogList &list)
{
    BlockWriter writer(device);
    CodePageEncoder encoder;
    QByteArray typed;
    const int rows = list.size();
    const int columns = list.columns();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (const auto saved = list.savedBytes(row, column)) {
                writer.put(*saved);
            } else {
                typed.resize(0);
                encoder.appendTo(typed, list.text(row, column));
                writer.put(typed);
            }
            writer.put("\r\n");
        }
        if (!writer.ok())
            return false;
    }
    return writer.flush();
}

QByteArray LogFileBytes(const LogList &list)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteLogBytes(buffer, list);
    return bytes;
}
