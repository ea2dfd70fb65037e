#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

// What the files kept beside the log share: written as Excel opens a CSV
// (UTF-8 with its byte order mark, CR LF), a line that cannot be read kept
// as it stood, and a digest that tells a file changed by another hand.
namespace CsvLines {

inline constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

QByteArray digestOf(const QByteArray &bytes);
// A line as it stood, from its fields: quoted where a field holds the
// separator, a quote or a line break.
QString lineOf(const QList<QStringView> &fields, QChar separator);
bool blank(const QList<QStringView> &fields);
// Whether the bytes hold nothing but a byte order mark and blanks.
bool empty(const QByteArray &bytes);
// One line of fields, quoted and kept from running as formulas.
void append(QByteArray &bytes, const QStringList &fields);

// Cents as the files write them, "1200.24", and as they read them back:
// that, or an amount as a spreadsheet may save it; nothing where it is none.
QString plainCents(std::int64_t cents);
std::optional<std::int64_t> centsOf(QStringView field);

// What a player is told of the lines of a file that could not be read:
// "Line 4 of your claims, C:\...\claims.csv, could not be read: it is kept
// as it was, and the rest is used."
QString unreadableText(const std::vector<int> &lines, const QString &what, const QString &path);

} // namespace CsvLines
