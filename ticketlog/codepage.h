#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringView>

// The single-byte code page of the saved log: the system's ANSI code page on
// Windows, Windows-1252 elsewhere. Every byte decodes to one character and
// encodes back to the same byte; a character the code page lacks is stored as
// "?". Text that is plain ASCII, as tickets mostly are, takes a quick path.

// Decodes block after block into one buffer that it keeps, so that reading a
// large log takes no fresh memory per block.
class CodePageDecoder
{
public:
    CodePageDecoder();

    // Valid until the next call.
    QStringView decode(QByteArrayView bytes);

private:
    QStringDecoder m_decoder;
    QString m_buffer;
};

class CodePageEncoder
{
public:
    CodePageEncoder();

    void appendTo(QByteArray &bytes, QStringView text);

private:
    QStringEncoder m_encoder;
};
