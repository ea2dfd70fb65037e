#pragma once

#include <string>

// A day of the calendar as the program writes days, yyyymmdd, counted as
// days since 1 January 1970, so that days can be added and weekdays told.
namespace CivilDate {

int daysOf(int date);  // yyyymmdd to days since 1970-01-01
int dateOf(int days);  // and back
int weekday(int date); // Monday 1 ... Sunday 7
int addDays(int date, int days);
// The same day of the month so many years on; 29 February becomes
// 28 February in a year without it, or 1 March where leapToMarch.
int addYears(int date, int years, bool leapToMarch = false);
std::string text(int date); // "06/06/2027", as players write dates

} // namespace CivilDate
