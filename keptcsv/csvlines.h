#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// What the files kept beside the log and the records saved from them share:
// written as Excel opens a CSV (UTF-8 with its byte order mark, CR LF), and
// what a player is told of a line that cannot be read.
namespace CsvLines {

inline constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

// Whether the bytes hold nothing but a byte order mark and blanks.
bool empty(const QByteArray &bytes);
// One line of fields, quoted and kept from running as formulas.
void append(QByteArray &bytes, const QStringList &fields);

// Cents as the files write them, "1200.24".
QString plainCents(std::int64_t cents);

// What a player is told of the lines of a file that could not be read:
// "Line 4 of your claims, C:\...\claims.csv, could not be read: it is kept
// as it was, and the rest is used."
QString unreadableText(const std::vector<int> &lines, const QString &what, const QString &path);

} // namespace CsvLines
