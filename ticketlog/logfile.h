#pragma once

#include "loglist.h"

#include <QByteArrayView>
#include <QString>

// "saved.wok" in the folder that holds the program, whatever the working
// directory.
QString LogFilePath();

// Writes the whole list, one line per cell and CR LF after every line. The old
// file is replaced only once every byte is written: on failure it stays as it
// was, and errorString (if given) receives the system's reason.
bool SaveLogFile(const LogList &list, const QString &path = LogFilePath(),
                 QString *errorString = nullptr);

// Appends the rows stored in the file to the list. A missing or unreadable
// file adds nothing; nothing is ever reported.
void LoadLogFile(LogList &list, const QString &path = LogFilePath());

// Appends the rows that the bytes of a saved log hold to the list: one line per
// cell, a line ending in CR LF, LF or CR. A last record cut short still gives a
// row, whose missing cells are empty. The bytes are decoded a block at a time.
void AppendLogRows(LogList &list, QByteArrayView bytes, qsizetype blockSize = 64 * 1024);
