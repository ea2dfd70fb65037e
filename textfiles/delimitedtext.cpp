#include "delimitedtext.h"

#include "codepage.h"

#include <QStringDecoder>

#include <array>

namespace {

QString decoded(const QByteArray &bytes)
{
    QByteArrayView text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString unicode = utf8.decode(text);
    if (!utf8.hasError())
        return unicode;
    return CodePageDecoder().decode(text);
}

bool isLineEnd(QChar character)
{
    return character == u'\n' || character == u'\r';
}

} // namespace

DelimitedText::DelimitedText(const QByteArray &bytes, Separators allowed)
    : m_text(decoded(bytes)), m_separator(guessSeparator(allowed))
{
}

// The separator that most of the first lines hold, outside quotes, the most
// of; spaces where none is used and they are allowed.
QChar DelimitedText::guessSeparator(Separators allowed) const
{
    constexpr std::array<char16_t, 3> candidates = {u',', u';', u'\t'};
    std::array<int, 3> linesWith = {};
    std::array<int, 3> onLine = {};
    bool quoted = false;
    int lines = 0;
    for (qsizetype at = 0; at < m_text.size() && lines < 20; ++at) {
        const QChar character = m_text[at];
        if (character == u'"')
            quoted = !quoted;
        else if (!quoted && isLineEnd(character)) {
            for (std::size_t which = 0; which < candidates.size(); ++which)
                linesWith[which] += onLine[which] > 0 ? 1 : 0;
            onLine = {};
            ++lines;
        } else if (!quoted) {
            for (std::size_t which = 0; which < candidates.size(); ++which)
                onLine[which] += character == candidates[which] ? 1 : 0;
        }
    }
    for (std::size_t which = 0; which < candidates.size(); ++which)
        linesWith[which] += onLine[which] > 0 ? 1 : 0;
    std::size_t best = 0;
    for (std::size_t which = 1; which < candidates.size(); ++which) {
        if (linesWith[which] > linesWith[best])
            best = which;
    }
    if (linesWith[best] == 0 && allowed == Separators::CsvOrSpaces)
        return u' ';
    return candidates[best];
}

bool DelimitedText::isSeparator(QChar character) const
{
    return m_separator == u' ' ? character == u' ' || character == u'\t' : character == m_separator;
}

bool DelimitedText::next(TextRecord &record)
{
    const qsizetype size = m_text.size();
    const QChar *text = m_text.constData();
    // Blank lines are no records.
    while (m_at < size && isLineEnd(text[m_at])) {
        if (text[m_at] == u'\n' || m_at + 1 >= size || text[m_at + 1] != u'\n')
            ++m_line;
        ++m_at;
    }
    if (m_at >= size)
        return false;
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
                        (character == u'\r' && (m_at + 1 >= size || text[m_at + 1] != u'\n')))
                        ++m_line;
                    m_unquoted += character;
                }
                ++m_at;
            }
            record.unclosedQuote = quoted;
            m_spans.push_back({true, start, m_unquoted.size() - start});
        } else {
            const qsizetype start = m_at;
            while (m_at < size && !isSeparator(text[m_at]) && !isLineEnd(text[m_at]))
                ++m_at;
            m_spans.push_back({false, start, m_at - start});
        }
        if (m_at >= size || isLineEnd(text[m_at])) {
            ended = true;
        } else {
            ++m_at; // the separator
        }
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
    return true;
}
