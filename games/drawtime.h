#pragma once

#include "lotterygame.h"
#include "lotteryzone.h"
#include "usstate.h"

#include <cstdint>
#include <string_view>

// When a game's draw is drawn: the time its lottery publishes, in the zone
// it draws in, with where it says so; where that is not known, the end of
// the draw's day in the zone of the ticket's state (the Pacific where the
// state is not known either), so that nothing recorded on the day of a draw
// is taken for late when it may not be.
struct DrawTime
{
    int seconds = 24 * 3600 - 1; // after midnight, in the zone: when it begins
    LotteryZone zone = LotteryZone::Pacific;
    bool known = false;
    std::string_view source;

    static DrawTime of(const LotteryGame *game, const UsState *state);
    // Seconds since 1970 UTC of the draw of a day, yyyymmdd, as it begins:
    // what is recorded after it is late.
    std::int64_t instant(int date) const;
};
