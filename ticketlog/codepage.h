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

class CodePageDecoder
{
public:
    CodePageDecoder();

    QString decode(QByteArrayView bytes);

private:
    QStringDecoder m_decoder;
};

class CodePageEncoder
{
public:
    CodePageEncoder();

    void appendTo(QByteArray &bytes, QStringView text);

private:
    QStringEncoder m_encoder;
};
