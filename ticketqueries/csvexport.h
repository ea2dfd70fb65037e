#pragma once

#include "loglist.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// One cell as a field of a CSV file: quoted as RFC 4180 quotes where it holds
// a comma, a semicolon, a tab, a quote or a line break (whichever of them a
// spreadsheet splits on), and kept from running as a spreadsheet formula
// where it begins like one (=, +, -, @, a tab or a CR) by a leading '.
QByteArray CsvField(QStringView cell);
QString CsvCellText(QStringView cell);

// Writes the tickets to a CSV file: UTF-8 with a byte order mark, so that a
// spreadsheet opened by a double click reads it as UTF-8; a header of the
// titles, one for each of the log's columns and for each extra cell; each
// cell as the list shows it, CR LF after every record. count tickets, the
// n-th being logRow(n) of the log, with extraCells(n) after its own cells. The file is replaced
// only once every byte is written; on failure errorString (if given) says why.
bool ExportTicketsCsv(const QString &path, const LogList &log, const QStringList &titles, int count,
                      const std::function<int(int)> &logRow,
                      const std::function<QStringList(int)> &extraCells = {},
                      QString *errorString = nullptr);
