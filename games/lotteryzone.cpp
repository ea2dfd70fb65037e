#include "lotteryzone.h"

#include "civildate.h"

#include <array>

namespace {

// The day of the nth Sunday of a month (n from 1), or of its last for n 0.
int sundayOf(int year, int month, int n)
{
    const int first = year * 10000 + month * 100 + 1;
    int day = CivilDate::addDays(first, (7 - CivilDate::weekday(first)) % 7);
    if (n > 0)
        return CivilDate::addDays(day, 7 * (n - 1));
    for (int next = CivilDate::addDays(day, 7); next / 100 % 100 == month;
         next = CivilDate::addDays(next, 7))
        day = next;
    return day;
}

bool daylightSaving(int date)
{
    const int year = date / 10000;
    if (year < 1967)
        return false;
    const int begins = year >= 2007   ? sundayOf(year, 3, 2)
                       : year >= 1987 ? sundayOf(year, 4, 1)
                                      : sundayOf(year, 4, 0);
    const int ends = year >= 2007 ? sundayOf(year, 11, 1) : sundayOf(year, 10, 0);
    // Each switch is at 2 a.m.: by evening the day's own time holds.
    return date >= begins && date < ends;
}

} // namespace

LotteryZone ZoneOf(const UsState *state)
{
    if (!state)
        return LotteryZone::Pacific;
    // Where each lottery draws: Kentucky's in Louisville, Indiana's in
    // Indianapolis, Tennessee's in Nashville, Idaho's in Boise, Florida's in
    // Tallahassee.
    constexpr std::array<std::pair<std::string_view, LotteryZone>, 4> zones = {{
        {"AL AR IA IL KS LA MN MO MS ND NE OK SD TN TX WI", LotteryZone::Central},
        {"CO ID MT NM UT WY", LotteryZone::Mountain},
        {"AZ", LotteryZone::Arizona},
        {"AK CA HI NV OR WA", LotteryZone::Pacific},
    }};
    for (const auto &[codes, zone] : zones) {
        if (codes.find(state->code) != std::string_view::npos)
            return zone;
    }
    return LotteryZone::Eastern;
}

std::string_view ZoneName(LotteryZone zone)
{
    switch (zone) {
    case LotteryZone::Eastern:
        return "Eastern";
    case LotteryZone::Central:
        return "Central";
    case LotteryZone::Mountain:
        return "Mountain";
    case LotteryZone::Arizona:
        return "Arizona";
    case LotteryZone::Pacific:
        break;
    }
    return "Pacific";
}

int EveningUtcOffset(LotteryZone zone, int date)
{
    const int standard = zone == LotteryZone::Eastern   ? -300
                         : zone == LotteryZone::Central ? -360
                         : zone == LotteryZone::Pacific ? -480
                                                        : -420;
    return standard + (zone != LotteryZone::Arizona && daylightSaving(date) ? 60 : 0);
}

std::int64_t EveningInstant(LotteryZone zone, int date, int seconds)
{
    return std::int64_t(CivilDate::daysOf(date)) * 86400 + seconds -
           std::int64_t(EveningUtcOffset(zone, date)) * 60;
}
