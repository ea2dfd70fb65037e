#pragma once

#include "loglist.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// "saved.wok" in the folder that holds the program, whatever the working
// directory.
QString LogFilePath();

// Writes the whole list, one line per cell and CR LF after every line. The old
// file is replaced only once every byte is written: on failure it stays as it
// was, and errorString (if given) receives the system's reason. Where the
// folder takes no new file but the file itself may be written, it is written
// in place (SaveLogFileInPlace), keeping its owner, mode and links.
bool SaveLogFile(const LogList &list, const QString &path = LogFilePath(),
                 QString *errorString = nullptr);

enum class LogFileRead
{
    Missing, // nothing there: an empty log
    Whole,   // every row of the file is in the list
    NotWhole // something is there that the list does not hold all of
};

// Appends the rows stored in the file to the list. Only a regular file is
// read: a folder, pipe, socket or device adds nothing, at once. A file longer
// than the list can hold is read up to that limit. Nothing is ever reported
// but the result.
LogFileRead LoadLogFile(LogList &list, const QString &path = LogFilePath(),
                        qsizetype limit = maxLogListBytes);

// Where the cells of a saved log lie: one per line, a line ending in CR LF, LF
// or CR, columns cells a row. A last record cut short still gives a row, whose
// missing cells are empty.
std::vector<CellSpan> SplitSavedLog(QByteArrayView bytes, int columns);

// Appends the rows that the bytes of a saved log hold to the list.
void AppendLogRows(LogList &list, QByteArray bytes);

// Renames what stands at path to a free name beside it that says it was not
// read whole, such as "saved.wok.unread-20261207-113000". Returns that name,
// or an empty text and the system's reason when it could not be moved.
QString KeepUnreadLogAside(const QString &path, QString *errorString = nullptr);
