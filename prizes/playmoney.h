#pragma once

#include "lotterygame.h"

#include <cstdint>
#include <string_view>

// What one play cost and won, where its game's prizes are fixed: Powerball
// from its draw of 7 October 2015, Mega Millions from 31 October 2017, as
// paid in every state but California. Power Play and the Megaplier were
// add-ons the log does not hold, and are not counted; the Mega Millions
// multiplier of draws from 8 April 2025 is printed on the ticket, and read
// from its numbers cell.
struct PlayMoney
{
    enum Prize
    {
        Unknown, // no fixed prizes for this game or draw: not counted
        Amount,
        AtLeast, // no multiplier on the ticket: the base prize doubled, at least
        Jackpot  // never summed
    };
    Prize prize = Unknown;
    int price = 0;           // dollars a play
    std::int64_t amount = 0; // dollars won
};

// whites: the five in common; ball: whether the ball was; multiplier: as
// MultiplierIn read it, 0 for none; date: the draw's day, yyyymmdd.
PlayMoney MoneyOf(const LotteryGame &game, int date, int whites, bool ball, int multiplier);

// Whether a play of the game on that day has its prize multiplied by the
// multiplier printed beside it: only then is the ticket read for one.
bool TakesMultiplier(const LotteryGame &game, int date);

// A multiplier as a player writes it beside a play, "3X", "x3", "X 3": its
// number, where it is one the game's draw may give; 0 otherwise.
int MultiplierIn(std::u16string_view numbers);
int MultiplierIn(std::string_view numbers);
