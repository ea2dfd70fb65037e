#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <utility>

// A cell of a kept file as a value, however this program or a spreadsheet
// wrote it: a day as 06/06/2027, 6/6/2027, 2027-06-06 or 06.06.2027; a time
// as the program writes it, 12/09/2026 23:30:05, or a spreadsheet,
// 12/9/2026 23:30 or 11:30 PM; an amount with or without cents, $ and
// separators, in the decimal comma of a file whose separator is the
// semicolon (as a spreadsheet in German or French writes it).
namespace KeptCells {

// The cell without the ' that kept it from running as a formula.
QString text(QStringView field);
// yyyymmdd; 0 where it is no day.
int dayOf(QStringView field);
// A time as its day, yyyymmdd, and seconds after its midnight; nothing
// where it is none.
std::optional<std::pair<int, int>> localTimeOf(QStringView field);
// Seconds since 1970 UTC of a time of the computer's own clock; nothing
// where it is none.
std::optional<std::int64_t> timeOf(QStringView field);
// Cents; 0 for an empty cell; nothing where it is no amount a lottery pays.
std::optional<std::int64_t> centsOf(QStringView field, QChar separator = u',');
// A whole number from 1; nothing where it is none.
std::optional<int> wholeOf(QStringView field);

} // namespace KeptCells
