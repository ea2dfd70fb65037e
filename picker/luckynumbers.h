#pragma once

#include "gamerules.h"
#include "randomsource.h"

#include <QString>

#include <array>
#include <optional>

// What one press of "Enter" draws.
struct LuckyDraw
{
    // The six base draws: four digits from 0 to 8, then two numbers from 1 to 43.
    std::array<int, NumberFieldCount> base{};
    // The game's own six draws, for Pick 5 and Pick 6; the base draws
    // otherwise. This is what the number fields text1 to Text6 hold.
    std::array<int, NumberFieldCount> fields{};
    // The numbers shown, in the game's order, joined by "-"; empty when no
    // game is chosen.
    QString combination;
    // The element of Text7 that shows the combination; none without a game.
    std::optional<int> displayElement;
};

// One press of "Enter" for the chosen game, or none: the base draws, then the
// game's own draws and its combination. Pick 5 and Pick 6 draw the whole set
// again until no two of the six numbers are equal as texts; the last set is
// the one returned.
LuckyDraw DrawLuckyNumbers(std::optional<Game> game, RandomSource &source);
