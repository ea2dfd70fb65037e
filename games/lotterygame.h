#pragma once

#include <string_view>

// How a lottery draws one of its games: single digits played straight or
// box (Pick 3, Daily 4), a count of numbers from a range (Cash 5, Lotto), or
// five numbers and a ball from a drum of its own (Powerball).
struct LotteryGame
{
    enum class Kind
    {
        Digits,
        Numbers,
        Ball
    };

    std::string_view name; // as the list's results name it
    std::string_view keys; // the names states give it, each folded as GameKey folds them
    Kind kind;
    int count; // digits or numbers drawn, the ball aside
    int first; // the range of each
    int last;
    std::string_view ball = {};      // the ball's name, as file titles write it, folded
    std::string_view ballShort = {}; // "PB", as the results show it
    int ballFirst = 0;
    int ballLast = 0;
    int ballLastBefore = 0; // the ball's last number before ballChanged, a yyyymmdd day
    int ballChanged = 0;

    bool hasBall() const { return kind == Kind::Ball; }
    // Where a draw has a ball, it is its last number.
    int numbersDrawn() const { return count + (hasBall() ? 1 : 0); }
    // The ball's range on a day, yyyymmdd, as it stood then.
    int ballLastOn(int date) const
    {
        return ballChanged != 0 && date < ballChanged ? ballLastBefore : ballLast;
    }
    bool fits(int number, int date, bool isBall) const
    {
        return isBall ? number >= ballFirst && number <= ballLastOn(date)
                      : number >= first && number <= last;
    }
};

// The game a name is of, given as GameKey gives it (case folded, no spaces),
// and also with a draw time after it ("pick3evening"); nothing for a game
// the table lacks, whose tickets keep the plain rules.
const LotteryGame *FindLotteryGame(std::u16string_view key);

// The draw time a word names (midday, evening, night and the like), folded
// and without spaces or marks, from 1; 0 where it names none.
int DrawTimeOf(std::u16string_view word);
