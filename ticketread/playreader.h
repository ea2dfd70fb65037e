#pragma once

#include "glyphline.h"
#include "readticket.h"

#include <optional>

// A line of a ticket read as a play of a game, by what a play is: its
// game's count of numbers and its ball, the ball after its mark ("PB",
// "PB:", "*", the ball's name) or after the count, a letter before them,
// "QP" after. A letter a reader takes a digit for in a number is read as
// that digit, and marked where the two are not plainly one (O for 0 is; G
// for 6 or 9 is not). Each number the reader was unsure of, and each that
// breaks the game's rules on the day of the draw (its range, a number
// twice, numbers out of the order tickets print them in), is marked.
class PlayReader
{
public:
    // Nothing where the line is no play. game may be null: a line with the
    // numbers of a play is one, its ball taken from its mark.
    static std::optional<ReadPlay> read(const GlyphLine &line, const LotteryGame *game,
                                        int drawDate);
    // The mark beside a ball that names the game ("PB" Powerball), where a
    // line holds one; nothing where none does.
    static const LotteryGame *ballMarkOf(const GlyphLine &line);
};
