#pragma once

#include "lotterygame.h"

#include <cstdint>
#include <string_view>

// What one play cost and won, by the prizes its game's rules fix for the day
// of the draw, as paid in every state but California, with the era's add-on
// where the ticket plays it: Power Play and the Megaplier multiply the prize
// by the multiplier drawn (five numbers with Power Play pay a fixed prize,
// and in 2012 and 2013 every Power Play prize was fixed).
// The Mega Millions multiplier of draws from 8 April 2025 is printed on the
// ticket.
struct PlayMoney
{
    enum Prize
    {
        Unknown, // the day's prizes are not fixed, or not known: not counted
        Amount,
        AtLeast, // no multiplier known: the base prize doubled, at least
        Named    // a top prize that is no sum: never summed
    };
    Prize prize = Unknown;
    int price = 0;               // dollars a play, its add-on's included
    std::int64_t amount = 0;     // dollars won
    std::string_view named = {}; // "jackpot", "$1,000 a day for life"
};

// tier: as the game's tierOf gives it, 0 for none; printed: the multiplier
// the ticket prints, 0 for none; addOn: whether the ticket plays the era's
// add-on; drawn: the multiplier the lottery drew, 0 where not known; date:
// the draw's day, yyyymmdd.
PlayMoney MoneyOf(const LotteryGame &game, int date, int tier, int printed, bool addOn = false,
                  int drawn = 0);

// Whether a play of the game on that day has its prize multiplied by the
// multiplier printed beside it: only then is the ticket read for one.
bool TakesMultiplier(const LotteryGame &game, int date);

// Whether some day of the game has fixed prizes.
bool HasMoney(const LotteryGame &game);
