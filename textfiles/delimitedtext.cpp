#include "delimitedtext.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

// Decoded a megabyte or more at a time, up to a line's end.
constexpr qsizetype blockBytes = 1024 * 1024;
// A quoted field still open after so many line breaks is taken as unclosed:
// no cell of a ticket or a draw holds more.
constexpr int mostQuotedLines = 64;

bool isLineEnd(QChar character)
{
    return character == u'\n' || character == u'\r';
}

} // namespace

DelimitedText::DelimitedText(const QByteArray &bytes, Separators allowed) : m_bytes(bytes)
{
    const QByteArrayView view = bytes;
    if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF")) {
        // UTF-16 takes as much room decoded as read: decoded at once.
        QStringDecoder utf16(view.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                         : QStringDecoder::Utf16BE);
        m_text = utf16.decode(view.sliced(2));
        m_decoded = bytes.size();
    } else {
        if (view.startsWith("\xEF\xBB\xBF"))
            m_decoded = 3;
        m_codePage = !view.sliced(m_decoded).isValidUtf8();
        decodeMore();
    }
    m_separator = guessSeparator(allowed);
}

// The next block after the record at hand, whose text before it is let go:
// at least as much as is held already, so that a long record is decoded in
// few passes.
bool DelimitedText::decodeMore()
{
    if (m_decoded >= m_bytes.size())
        return false;
    m_text.remove(0, m_at);
    m_at = 0;
    const QByteArrayView rest = QByteArrayView(m_bytes).sliced(m_decoded);
    qsizetype length = std::min(rest.size(), std::max(blockBytes, m_text.size()));
    // A line end is never part of a character of several bytes.
    const qsizetype lineEnd = rest.indexOf('\n', length - 1);
    length = lineEnd < 0 ? rest.size() : lineEnd + 1;
    const QByteArrayView block = rest.first(length);
    if (m_codePage)
        m_text += m_codePageDecoder.decode(block);
    else
        m_text += QString::fromUtf8(block);
    m_decoded += length;
    return true;
}

QChar DelimitedText::guessSeparator(Separators allowed) const
{
    constexpr std::array<char16_t, 3> candidates = {u',', u';', u'\t'};
    struct Use
    {
        int lines = 0;  // lines that hold it
        int count = 0;  // times it stands on them
        int width = -1; // its count on each line that holds it, or -2 where they differ
        int most = 0;   // its count on the line that holds it most
    };
    std::array<Use, 3> uses = {};
    std::array<int, 3> onLine = {};
    const auto endLine = [&] {
        for (std::size_t which = 0; which < candidates.size(); ++which) {
            Use &use = uses[which];
            if (onLine[which] == 0)
                continue;
            ++use.lines;
            use.count += onLine[which];
            use.width = use.width == -1 || use.width == onLine[which] ? onLine[which] : -2;
            use.most = std::max(use.most, onLine[which]);
        }
        onLine = {};
    };
    bool quoted = false;
    bool commasBeforeSpaces = true;
    int lines = 0;
    for (qsizetype at = 0; at < m_text.size() && lines < 20; ++at) {
        const QChar character = m_text[at];
        if (character == u',' && !quoted)
            commasBeforeSpaces =
                commasBeforeSpaces && at + 1 < m_text.size() && m_text[at + 1] == u' ';
        if (character == u'"') {
            quoted = !quoted;
        } else if (!quoted && isLineEnd(character)) {
            endLine();
            ++lines;
        } else if (!quoted) {
            for (std::size_t which = 0; which < candidates.size(); ++which)
                onLine[which] += character == candidates[which] ? 1 : 0;
        }
    }
    endLine();
    const auto better = [](const Use &a, const Use &b) {
        if (a.lines != b.lines)
            return a.lines > b.lines;
        if ((a.width >= 0) != (b.width >= 0))
            return a.width >= 0;
        return a.count < b.count;
    };
    std::size_t best = 0;
    for (std::size_t which = 1; which < candidates.size(); ++which) {
        if (better(uses[which], uses[best]))
            best = which;
    }
    // One comma a line, before a space, as in "Sat. Nov 28, 2026  03 18 22",
    // is a date's in a file of columns lined up with spaces.
    if (allowed == Separators::CsvOrSpaces &&
        (uses[best].lines == 0 ||
         (candidates[best] == u',' && uses[best].most == 1 && commasBeforeSpaces)))
        return u' ';
    return candidates[best];
}

bool DelimitedText::isSeparator(QChar character) const
{
    return m_separator == u' ' ? character == u' ' || character == u'\t' : character == m_separator;
}

bool DelimitedText::next(TextRecord &record)
{
    for (;;) {
        // Blank lines are no records.
        while (m_at < m_text.size() && isLineEnd(m_text[m_at])) {
            if (m_text[m_at] == u'\n' || m_at + 1 >= m_text.size() || m_text[m_at + 1] != u'\n')
                ++m_line;
            ++m_at;
        }
        if (m_at >= m_text.size()) {
            if (!decodeMore())
                return false;
            continue;
        }
        const qsizetype start = m_at;
        const int line = m_line;
        if (parse(record) == Parsed::Record)
            return true;
        m_at = start;
        m_line = line;
        decodeMore();
    }
}

DelimitedText::Parsed DelimitedText::parse(TextRecord &record)
{
    const bool atEnd = m_decoded >= m_bytes.size();
    const qsizetype size = m_text.size();
    const QChar *text = m_text.constData();
    record.line = m_line;
    record.unclosedQuote = false;
    m_unquoted.resize(0);
    m_spans.clear();
    const bool spaces = m_separator == u' ';
    bool ended = false;
    while (!ended) {
        if (spaces) {
            while (m_at < size && isSeparator(text[m_at]))
                ++m_at;
            if (m_at >= size || isLineEnd(text[m_at]))
                break;
        }
        if (m_at < size && text[m_at] == u'"') {
            // Quoted: unquoted into m_unquoted, with whatever follows the
            // closing quote up to the separator.
            const qsizetype start = m_unquoted.size();
            const int line = m_line;
            qsizetype lineEnd = -1;      // the first line end inside the quotes
            qsizetype unquotedAtEnd = 0; // m_unquoted's size there
            int breaks = 0;
            bool quoted = true;
            ++m_at;
            while (m_at < size) {
                const QChar character = text[m_at];
                if (quoted && character == u'"') {
                    if (m_at + 1 < size && text[m_at + 1] == u'"') {
                        m_unquoted += u'"';
                        ++m_at;
                    } else {
                        quoted = false;
                    }
                } else if (!quoted && (isSeparator(character) || isLineEnd(character))) {
                    break;
                } else {
                    if (character == u'\n' ||
                        (character == u'\r' && (m_at + 1 >= size || text[m_at + 1] != u'\n'))) {
                        ++m_line;
                        if (++breaks > mostQuotedLines)
                            break;
                    }
                    if (lineEnd < 0 && isLineEnd(character)) {
                        lineEnd = m_at;
                        unquotedAtEnd = m_unquoted.size();
                    }
                    m_unquoted += character;
                }
                ++m_at;
            }
            if (quoted && m_at >= size && !atEnd)
                return Parsed::NeedMore;
            if (quoted && lineEnd >= 0) {
                // Left open, the quote would take the rest of the file: the
                // record ends with its line.
                m_at = lineEnd;
                m_line = line;
                m_unquoted.resize(unquotedAtEnd);
            }
            record.unclosedQuote = quoted;
            m_spans.push_back({true, start, m_unquoted.size() - start});
        } else {
            const qsizetype start = m_at;
            while (m_at < size && !isSeparator(text[m_at]) && !isLineEnd(text[m_at]))
                ++m_at;
            m_spans.push_back({false, start, m_at - start});
        }
        if (m_at >= size || isLineEnd(text[m_at]))
            ended = true;
        else
            ++m_at; // the separator
    }
    if (m_at < size && text[m_at] == u'\r' && m_at + 1 < size && text[m_at + 1] == u'\n')
        ++m_at;
    if (m_at < size) {
        ++m_at;
        ++m_line;
    }
    record.fields.clear();
    for (const Span &span : m_spans) {
        record.fields
            << QStringView(span.unquoted ? m_unquoted : m_text).sliced(span.start, span.length);
    }
    return Parsed::Record;
}
