#include "keptlines.h"

#include "codepage.h"
#include "csvexport.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace {

bool isBlankByte(char byte)
{
    return byte == ' ' || byte == '\t' || byte == ',' || byte == ';' || byte == '"';
}

// Each line of the bytes from start, with the line end that follows it
// (CR LF, LF or CR; none at the end).
template <typename Visit> void eachLine(const QByteArray &bytes, qsizetype start, Visit visit)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    int number = 1;
    for (qsizetype at = start; at < size; ++number) {
        qsizetype end = at;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < size)
            next += data[next] == '\r' && next + 1 < size && data[next + 1] == '\n' ? 2 : 1;
        visit(number, at, end - at, QByteArrayView(data + end, next - end));
        at = next;
    }
}

// "sep=;" as Excel writes it first, quoted or not.
std::optional<QChar> separatorLine(QByteArrayView line)
{
    if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
        line = line.sliced(1, line.size() - 2);
    if (line.size() != 5 || !line.first(4).toByteArray().toLower().startsWith("sep="))
        return std::nullopt;
    return QChar(QLatin1Char(line[4]));
}

} // namespace

KeptLines::KeptLines(const QByteArray &bytes) : m_bytes(bytes), m_source(bytes)
{
    const QByteArrayView view = bytes;
    if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF")) {
        // Excel's "Unicode Text": its lines found in it as UTF-8.
        m_encoding = view.startsWith("\xFF\xFE") ? Encoding::Utf16LE : Encoding::Utf16BE;
        QStringDecoder utf16(m_encoding == Encoding::Utf16LE ? QStringDecoder::Utf16LE
                                                             : QStringDecoder::Utf16BE);
        m_bytes = QString(utf16.decode(view.sliced(2))).toUtf8();
    } else if (view.startsWith("\xEF\xBB\xBF")) {
        m_textStart = 3;
    }
    bool lineEndSeen = false;
    int utf8Lines = 0;
    int codePageLines = 0;
    bool first = true;
    eachLine(m_bytes, m_textStart,
             [&](int number, qsizetype start, qsizetype size, QByteArrayView end) {
                 const QByteArrayView line = QByteArrayView(m_bytes).sliced(start, size);
                 m_count = number;
                 if (!lineEndSeen && !end.isEmpty()) {
                     m_lineEnd = end.toByteArray();
                     lineEndSeen = true;
                 }
                 if (number == 1) {
                     if (const std::optional<QChar> separator = separatorLine(line)) {
                         m_separator = *separator;
                         first = false;
                         return;
                     }
                 }
                 if (std::all_of(line.begin(), line.end(), isBlankByte))
                     return;
                 if (!IsAscii(line))
                     ++(line.isValidUtf8() ? utf8Lines : codePageLines);
                 if (first) {
                     // The titles' separator: the one they hold most.
                     constexpr std::array<char, 3> separators = {',', ';', '\t'};
                     std::array<int, 3> counts = {};
                     bool quoted = false;
                     for (const char byte : line) {
                         quoted = byte == '"' ? !quoted : quoted;
                         for (std::size_t which = 0; !quoted && which < separators.size(); ++which)
                             counts[which] += byte == separators[which];
                     }
                     std::size_t best = 0;
                     for (std::size_t which = 1; which < counts.size(); ++which)
                         best = counts[which] > counts[best] ? which : best;
                     m_separator = QLatin1Char(separators[best]);
                     first = false;
                 }
                 m_lines.push_back({number, start, size});
             });
    // Without a byte order mark, most lines decide; a file all ASCII is a
    // spreadsheet's save in the ANSI code page, as Excel reads it.
    if (m_encoding == Encoding::Utf8 && m_textStart == 0 && utf8Lines <= codePageLines)
        m_encoding = Encoding::CodePage;
}

QString KeptLines::decoded(QByteArrayView bytes) const
{
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    CodePageDecoder codePage;
    return codePage.decode(bytes);
}

QString KeptLines::text(const Line &line) const
{
    return decoded(QByteArrayView(m_bytes).sliced(line.start, line.size));
}

bool KeptLines::cells(QString &text, QList<QStringView> &fields) const
{
    // Unquoted cells are views of the text; a quoted one is a view of what
    // is kept of it after the text, so that its doubled quotes are one.
    fields.clear();
    QString &line = text;
    const qsizetype size = text.size();
    bool closed = true;
    qsizetype at = 0;
    std::vector<std::pair<qsizetype, qsizetype>> spans; // in the text as it grows
    for (;;) {
        if (at < size && text[at] == u'"') {
            const qsizetype start = line.size();
            ++at;
            closed = false;
            while (at < size) {
                if (text[at] == u'"') {
                    if (at + 1 < size && text[at + 1] == u'"') {
                        line += u'"';
                        at += 2;
                        continue;
                    }
                    closed = true;
                    ++at;
                    break;
                }
                line += text[at++];
            }
            // What follows the closing quote up to the separator belongs to it.
            while (at < size && text[at] != m_separator)
                line += text[at++];
            spans.emplace_back(start, line.size() - start);
        } else {
            const qsizetype start = at;
            while (at < size && text[at] != m_separator)
                ++at;
            spans.emplace_back(start, at - start);
        }
        if (at >= size || !closed)
            break;
        ++at; // the separator
        if (at == size) {
            spans.emplace_back(at, 0);
            break;
        }
    }
    for (const auto &[start, length] : spans)
        fields << QStringView(line).sliced(start, length);
    return closed;
}

QString KeptLines::lineOf(const QStringList &cells) const
{
    QString line;
    for (qsizetype at = 0; at < cells.size(); ++at) {
        if (at > 0)
            line += m_separator;
        line += CsvCellText(cells[at]);
    }
    return line;
}

std::optional<QByteArray> KeptLines::added(const std::vector<QStringList> &lines) const
{
    QString text;
    const QString lineEnd = QString::fromLatin1(m_lineEnd);
    if (m_bytes.size() > m_textStart && !m_bytes.endsWith('\n') && !m_bytes.endsWith('\r'))
        text += lineEnd;
    for (const QStringList &cells : lines)
        text += lineOf(cells) + lineEnd;
    switch (m_encoding) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::CodePage:
        return CodePageEncoder().exactly(text);
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        break;
    }
    QStringEncoder utf16(m_encoding == Encoding::Utf16LE ? QStringEncoder::Utf16LE
                                                         : QStringEncoder::Utf16BE);
    return QByteArray(utf16.encode(text));
}

QByteArray KeptLines::asUtf8(const std::vector<QStringList> &lines) const
{
    QByteArray bytes = "\xEF\xBB\xBF";
    bool ended = true;
    eachLine(m_bytes, m_textStart, [&](int, qsizetype start, qsizetype size, QByteArrayView end) {
        bytes += decoded(QByteArrayView(m_bytes).sliced(start, size)).toUtf8();
        bytes += end;
        ended = !end.isEmpty();
    });
    if (!ended)
        bytes += m_lineEnd;
    for (const QStringList &cells : lines)
        bytes += lineOf(cells).toUtf8() + m_lineEnd;
    return bytes;
}
