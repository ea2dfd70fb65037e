#include "codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

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
void replaceUnmappable(QStringView text, QByteArray &bytes)
{
    qsizetype unit = 0;
    for (char &byte : bytes) {
        if (unit >= text.size())
            break;
        const QChar first = text[unit];
        const bool pair =
            first.isHighSurrogate() && unit + 1 < text.size() && text[unit + 1].isLowSurrogate();
        if (byte == '\x1a' && first != QChar(0x1a))
            byte = '?';
        unit += pair ? 2 : 1;
    }
}

} // namespace

QString decodeFromCodePage(QByteArrayView bytes)
{
    QStringDecoder decoder = makeDecoder();
    return decoder.decode(bytes);
}

QByteArray encodeToCodePage(QStringView text)
{
    QStringEncoder encoder = makeEncoder();
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        replaceUnmappable(text, bytes);
    return bytes;
}
