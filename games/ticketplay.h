#pragma once

#include "lotterygame.h"

#include <string_view>
#include <vector>

// What a ticket's numbers cell, or a typed draw, says of one play, read the
// ways players and tickets write it: "5-12-23-34-45 PB 7", "05 12 23 34 45
// 07", "3X 12 23 34 45 50 MB 07", "1 2 3 4 5 + 6 x10". A multiplier (a number
// with an X before or after it, and no leading zero) is taken apart wherever
// it stands; a ball marked by its name, its short name or "+" is the number
// after the mark, the numbers before it the play's; unmarked, a ball game's
// ball is the number after its count. Digit games read each digit apart.
// Add-ons ("PP", "Double Play") are read for every game.
struct TicketPlay
{
    std::vector<int> numbers; // the play's numbers, the ball aside, as written
    int ball = -1;            // -1 where the play has none
    int multiplier = 0;       // 0 where none is written
    // Add-ons as a ticket prints them or a player writes them, anywhere in
    // the cell, in any case: "PP" or "Power Play", "DP" or "Double Play",
    // "MP" or "Megaplier".
    bool powerPlay = false;
    bool doublePlay = false;
    bool megaplier = false;

    // Into play, which keeps its room: a pass over many tickets allocates
    // nothing. game may be null: every number is the play's.
    static void read(std::string_view text, const LotteryGame *game, TicketPlay &play);
    static void read(std::u16string_view text, const LotteryGame *game, TicketPlay &play);
};
