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

bool DelimitedText::next(TextRecord &record)
{
    const qsizetype size = m_text.size();
    // Blank lines are no records.
    while (m_at < size && isLineEnd(m_text[m_at])) {
        if (m_text[m_at] == u'\n' || m_at + 1 >= size || m_text[m_at + 1] != u'\n')
            ++m_line;
        ++m_at;
    }
    if (m_at >= size)
        return false;
    record.line = m_line;
    record.fields.clear();
    record.unclosedQuote = false;
    const bool spaces = m_separator == u' ';
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    while (m_at < size) {
        const QChar character = m_text[m_at++];
        if (quoted) {
            if (character != u'"') {
                if (character == u'\n' ||
                    (character == u'\r' && (m_at >= size || m_text[m_at] != u'\n')))
                    ++m_line;
                field += character;
            } else if (m_at < size && m_text[m_at] == u'"') {
                field += u'"';
                ++m_at;
            } else {
                quoted = false;
            }
        } else if (character == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (isLineEnd(character)) {
            if (character == u'\r' && m_at < size && m_text[m_at] == u'\n')
                ++m_at;
            ++m_line;
            break;
        } else if (spaces ? character.isSpace() : character == m_separator) {
            if (spaces && field.isEmpty() && !wasQuoted)
                continue; // a run of spaces is one separator
            record.fields << field;
            field.clear();
            wasQuoted = false;
        } else {
            field += character;
        }
    }
    if (!spaces || !field.isEmpty() || wasQuoted)
        record.fields << field;
    record.unclosedQuote = quoted;
    return true;
}
