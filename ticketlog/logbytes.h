#pragma once

#include "loglist.h"

#include <QByteArray>
#include <QIODevice>

// Writes the list to the device, one line per cell, CR LF after each. Cells
// read from the file go back as the bytes they were; a typed cell is written
// in the code page of the log. False where the device took less.
bool WriteLogBytes(QIODevice &device, const LogList &list);

// The bytes SaveLogFile writes for the list.
QByteArray LogFileBytes(const LogList &list);
