#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The single-byte code page of the saved log: the system's ANSI code page on
// Windows, Windows-1252 elsewhere. Every byte decodes to one character and
// encodes back to the same byte; a character the code page lacks is stored as
// "?".
QString decodeFromCodePage(QByteArrayView bytes);
QByteArray encodeToCodePage(QStringView text);
