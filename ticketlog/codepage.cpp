#include "codepage.h"

#include <algorithm>

namespace {

QStringDecoder makeDecoder()
{
#ifdef Q_OS_WIN
    return QStringDecoder(QStringConverter::System);
#else
    return QStringDecoder("windows-1252");
#endif
}

QStringEncoder makeEncoder()
{
#ifdef Q_OS_WIN
    return QStringEncoder(QStringConverter::System);
#else
    return QStringEncoder("windows-1252");
#endif
}

// The encoder writes one byte per code point, and 0x1A where the code page has
// no byte for it. Turn those into "?", but keep a real U+001A as it is.
void replaceUnmappable(QStringView text, char *bytes, qsizetype length)
{
    qsizetype unit = 0;
    for (qsizetype index = 0; index < length && unit < text.size(); ++index) {
        const QChar first = text[unit];
        const bool pair =
            first.isHighSurrogate() && unit + 1 < text.size() && text[unit + 1].isLowSurrogate();
        if (bytes[index] == '\x1a' && first != QChar(0x1a))
            bytes[index] = '?';
        unit += pair ? 2 : 1;
    }
}

} // namespace

CodePageDecoder::CodePageDecoder() : m_decoder(makeDecoder()) {}

QString CodePageDecoder::decode(QByteArrayView bytes)
{
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char byte) { return uchar(byte) < 0x80; });
    return ascii ? QString::fromLatin1(bytes) : QString(m_decoder.decode(bytes));
}

CodePageEncoder::CodePageEncoder() : m_encoder(makeEncoder()) {}

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

    bytes.resize(start + m_encoder.requiredSpace(text.size()));
    out = bytes.data() + start;
    char *end = m_encoder.appendToBuffer(out, text);
    if (m_encoder.hasError()) {
        replaceUnmappable(text, out, end - out);
        m_encoder.resetState();
    }
    bytes.resize(end - bytes.constData());
}
