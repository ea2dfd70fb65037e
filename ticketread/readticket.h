#pragma once

#include "lotterygame.h"
#include "readtext.h"
#include "usstate.h"

#include <cstdint>
#include <string>
#include <vector>

// A play as a ticket printed it and a reader made it out: its letter, its
// numbers, its ball, whether it was a quick pick; each number marked where
// the reader was unsure of it or it breaks the game's rules, with why.
struct ReadPlay
{
    char letter = 0;          // 'A' to 'E', 0 where none was printed
    std::vector<int> numbers; // the ball aside
    int ball = -1;            // -1 where the game has none
    bool quickPick = false;
    std::vector<bool> unsure; // each number's, the ball's last
    std::vector<std::string> reasons;
    TextBox box;

    bool marked() const;
};

// What a photo of a ticket says, in the log's terms: its game and state,
// the draw or draws it plays, its add-ons, its price and its plays; every
// field marked where the reader was unsure of it or it breaks a rule, with
// why. Read by meaning, not by one layout's places: whatever lottery
// printed it, a play is a line of the game's count of numbers and its
// ball, a draw's day a month's name or a day written as a date beside the
// words of a draw.
struct ReadTicket
{
    const LotteryGame *game = nullptr; // nothing where the game is not known
    const UsState *state = nullptr;
    std::vector<std::string> gameReasons;
    int firstDraw = 0; // yyyymmdd, 0 where no day was read
    int lastDraw = 0;  // a run's last day; 0 for one draw or a count
    int draws = 1;
    std::vector<std::string> dateReasons;
    bool powerPlay = false;
    bool megaplier = false;
    bool doublePlay = false;
    std::int64_t price = -1; // cents, -1 where none was read
    std::vector<std::string> priceReasons;
    std::vector<ReadPlay> plays;
    // What makes it no ticket to add: nothing read, a playslip.
    std::string problem;

    static ReadTicket of(const ReadText &text);

    // The log's cells: "Powerball NH", "04/01/2017" (a run "04/01/2017 -
    // 04/08/2017", a count "04/01/2017 x4"), a play's numbers "12 31 33 52
    // 57 PB 9", with its add-ons after.
    std::string gameCell() const;
    std::string dateCell() const;
    std::string numbersCell(const ReadPlay &play) const;
    bool marked() const;
};
