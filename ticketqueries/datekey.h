#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <optional>

// A date as players write it, as one number yyyymmdd: month/day/year, or
// year-month-day where the first number has four digits, with any separators;
// a year of two digits is 20xx. "12/1/26", "12-01-2026" and "2026-12-01" are
// one date. Nothing where no rule reads the text as a day of the calendar.
std::optional<int> DateKey(QStringView text);
std::optional<int> DateKey(QByteArrayView bytes);
