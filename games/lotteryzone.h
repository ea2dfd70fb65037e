#pragma once

#include "usstate.h"

#include <cstdint>
#include <string_view>

// The time zone a lottery draws in, with the United States' daylight saving
// time as the law has set it since 1967 (from 2007 the second Sunday of
// March to the first of November; 1987 to 2006 the first Sunday of April to
// the last of October; before, the last Sunday of April to the last of
// October). Arizona keeps standard time all year.
enum class LotteryZone
{
    Eastern,
    Central,
    Mountain,
    Arizona,
    Pacific
};

// The zone of a state's lottery, where it draws; the Pacific, the latest a
// lottery draws in, where the state is not known.
LotteryZone ZoneOf(const UsState *state);
std::string_view ZoneName(LotteryZone zone); // "Eastern"
// Minutes from UTC on the evening of a day, yyyymmdd, when lotteries draw:
// -240 for Eastern daylight time.
int EveningUtcOffset(LotteryZone zone, int date);
// Seconds since 1970 UTC of a time of a day in the zone, so many seconds
// after its midnight, in the evening.
std::int64_t EveningInstant(LotteryZone zone, int date, int seconds);
