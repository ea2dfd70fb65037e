#pragma once

#include "drawcheck.h"
#include "drawlist.h"
#include "loglist.h"
#include "ticketorder.h"

class ListedTickets;

#include <QString>

#include <span>
#include <vector>

// How often each number of a game stands on the listed tickets of that game,
// and, where a season is checked, in its file's draws: one count a number of
// the game's range (each digit 0 to 9 for the digit games), the ball apart.
// For a game of no known range, the numbers as they come, the first 100 of
// them by value, and how many more there were.
struct NumberCounts
{
    struct Bar
    {
        int number;
        int tickets = 0;
        int drawn = 0;
    };

    QString game; // as the first listed ticket of it writes it
    const LotteryGame *rules = nullptr;
    int tickets = 0; // listed tickets of the game
    int draws = 0;   // draws of the file, where a season is checked
    std::vector<Bar> numbers;
    std::vector<Bar> balls; // a ball game's ball
    int moreNumbers = 0;    // past the 100 shown, for a game of no known range

    static constexpr int mostBars = 100;

    // The game is the checked one, or else that of the first listed ticket.
    static NumberCounts of(const ListedTickets &listing);
};
