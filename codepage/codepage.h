#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringView>

#include <optional>

// The code page of the saved log: the system's ANSI code page on Windows,
// single-byte (1252 ...), double-byte (932 ...) or UTF-8 (65001), and
// Windows-1252 elsewhere. Each cell is decoded on its own, whatever the cell
// before it held. A character the code page lacks is stored as one "?". Text
// that is plain ASCII, as tickets mostly are, takes a quick path.

// The name of the log's code page for QStringConverter.
const char *LogCodePageName();
// Whether every byte of the log is one character of its own.
bool LogCodePageIsSingleByte();
// Plain ASCII: the same characters in every code page, and in UTF-8.
bool IsAscii(QByteArrayView bytes);

class CodePageDecoder
{
public:
    explicit CodePageDecoder(const char *codePage = LogCodePageName());

    QString decode(QByteArrayView bytes);

private:
    QStringDecoder m_decoder;
};

class CodePageEncoder
{
public:
    explicit CodePageEncoder(const char *codePage = LogCodePageName());

    void appendTo(QByteArray &bytes, QStringView text);
    // The text's bytes; nothing where a character of it is not in the code
    // page.
    std::optional<QByteArray> exactly(QStringView text);

private:
    bool roundTrips(QByteArrayView bytes, QStringView text);

    QStringEncoder m_encoder;
    QStringDecoder m_decoder;
};
