#pragma once

#include "loglist.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// One cell as a field of a CSV file: quoted as RFC 4180 quotes where it holds
// a comma, a quote or a line break, and kept from running as a spreadsheet
// formula where it begins like one (=, +, -, @, a tab or a CR) by a leading '.
QByteArray CsvField(QStringView cell);

// A column that the list shows beside the log's own: its title, and its cell
// for the n-th ticket written.
struct CsvExtraColumn
{
    QString title;
    std::function<QString(int)> cell;
};

// Writes the tickets to a CSV file: UTF-8 with a byte order mark, so that a
// spreadsheet opened by a double click reads it as UTF-8; a header
// GAME,DATE,NUMBERS and the extra column's title; each cell as the list shows
// it, CR LF after every record. count tickets, the n-th being logRow(n) of the
// log. The file is replaced only once every byte is written; on failure
// errorString (if given) says why.
bool ExportTicketsCsv(const QString &path, const LogList &log, int count,
                      const std::function<int(int)> &logRow,
                      const std::optional<CsvExtraColumn> &extra = std::nullopt,
                      QString *errorString = nullptr);
