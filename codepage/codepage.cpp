#include "codepage.h"

#include <algorithm>

bool IsAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char byte) { return uchar(byte) < 0x80; });
}

namespace {

// The length of the character that starts at index: two units for a
// surrogate pair, one otherwise.
qsizetype characterLength(QStringView text, qsizetype index)
{
    return text[index].isHighSurrogate() && index + 1 < text.size() &&
                   text[index + 1].isLowSurrogate()
               ? 2
               : 1;
}

} // namespace

CodePageDecoder::CodePageDecoder(const char *codePage) : m_decoder(codePage) {}

QString CodePageDecoder::decode(QByteArrayView bytes)
{
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
    // A cell may end inside a double-byte character; what is left of it must
    // not reach the next cell.
    m_decoder.resetState();
    return m_decoder.decode(bytes);
}

CodePageEncoder::CodePageEncoder(const char *codePage) : m_encoder(codePage), m_decoder(codePage) {}

void CodePageEncoder::appendTo(QByteArray &bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char *out = bytes.data() + start;
    char16_t seen = 0;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const char16_t unit = text[index].unicode();
        seen |= unit;
        out[index] = char(unit);
    }
    if (seen < 0x80)
        return;

    bytes.truncate(start);
    m_encoder.resetState();
    const QByteArray whole = m_encoder.encode(text);
    if (roundTrips(whole, text)) {
        bytes.append(whole);
        return;
    }
    // Some character does not survive the code page: a substitute, a close
    // look-alike or two bytes for one emoji. Each such character becomes one
    // "?", the rest keeps its bytes.
    for (qsizetype index = 0; index < text.size();) {
        const QStringView character = text.sliced(index, characterLength(text, index));
        m_encoder.resetState();
        const QByteArray encoded = m_encoder.encode(character);
        bytes.append(roundTrips(encoded, character) ? encoded : QByteArray("?"));
        index += character.size();
    }
}

std::optional<QByteArray> CodePageEncoder::exactly(QStringView text)
{
    m_encoder.resetState();
    QByteArray bytes = m_encoder.encode(text);
    if (!roundTrips(bytes, text))
        return std::nullopt;
    return bytes;
}

// The converters' own error counts are no guide: some code pages write a
// substitute or a look-alike without one.
bool CodePageEncoder::roundTrips(QByteArrayView bytes, QStringView text)
{
    m_decoder.resetState();
    return QString(m_decoder.decode(bytes)) == text;
}
