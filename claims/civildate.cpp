#include "civildate.h"

#include <cstdio>

namespace CivilDate {

namespace {

bool isLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

// Howard Hinnant's days_from_civil, for the proleptic Gregorian calendar.
int daysOf(int date)
{
    int year = date / 10000;
    const int month = date / 100 % 100;
    const int day = date % 100;
    year -= month <= 2 ? 1 : 0;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int dateOf(int days)
{
    days += 719468;
    const int era = (days >= 0 ? days : days - 146096) / 146097;
    const int dayOfEra = days - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shifted = (5 * dayOfYear + 2) / 153;
    const int day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    const int month = shifted < 10 ? shifted + 3 : shifted - 9;
    const int year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return year * 10000 + month * 100 + day;
}

int weekday(int date)
{
    // 1 January 1970 was a Thursday.
    const int days = daysOf(date);
    return ((days % 7 + 7) % 7 + 3) % 7 + 1;
}

int addDays(int date, int days)
{
    return dateOf(daysOf(date) + days);
}

int addYears(int date, int years, bool leapToMarch)
{
    const int year = date / 10000 + years;
    const int monthDay = date % 10000;
    if (monthDay == 229 && !isLeap(year))
        return year * 10000 + (leapToMarch ? 301 : 228);
    return year * 10000 + monthDay;
}

std::string text(int date)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date / 100 % 100, date % 100,
                  date / 10000);
    return buffer;
}

} // namespace CivilDate
