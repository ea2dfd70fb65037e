#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A prize a play of a game wins: a sum of dollars, or a top prize that is no
// sum to add up, such as the jackpot or an annuity ("$1,000 a day for life").
struct Prize
{
    std::int64_t dollars = 0;
    std::string_view named = {};
};

// One way to win: so many numbers in common with the draw, with the ball (or
// the bonus number) or without.
struct PrizeTier
{
    int whites;
    bool extra;
};

// What a play may add for a dollar more, as the ticket prints it: Power Play
// and the Megaplier multiply every prize but the jackpot by the multiplier the
// lottery draws (a prize for five numbers may be fixed instead). Double Play,
// a drawing of its own, is a game of the table.
struct AddOn
{
    enum Kind
    {
        PowerPlay,
        Megaplier
    };
    Kind kind;
    int price;
    std::span<const int> multipliers;  // what the draw's multiplier may be
    std::int64_t five = 0;             // the prize for five numbers, where fixed: $2,000,000
    std::span<const Prize> fixed = {}; // where set, the prize of each tier in place of a
                                       // multiple: Power Play of 2012 and 2013 drew none
};

// How a game was drawn from one day on: the range of its numbers and of its
// ball, and where its prizes are the same in every state, what a play cost
// and what each tier paid, and its add-on.
struct GameEra
{
    int from;                              // the first day of these rules, yyyymmdd
    int last;                              // numbers from the game's first to this
    int ballLast = 0;                      // the ball from 1 to this; 0 without a ball
    int price = 0;                         // dollars a play, where the prizes are known
    std::span<const Prize> prizes = {};    // one a tier, the game's tiers in order
    std::span<const int> multipliers = {}; // printed beside a play, times every prize
                                           // but a named one
    int drawDays = 0; // the weekdays of its draws, Monday 1, Tuesday 2, Wednesday 4 ...;
                      // 0 where not known
    const AddOn *addOn = nullptr; // sold beside a play, where the era had one
};

// Weekdays, for an era's draw days.
namespace Weekdays {
constexpr int monday = 1, tuesday = 2, wednesday = 4, thursday = 8, friday = 16, saturday = 32,
              sunday = 64;
}

// A game lotteries draw: single digits played straight or box (Pick 3,
// Daily 4), a count of numbers from a range (Cash 5, Lotto, where a bonus
// number may be drawn after them), or five numbers and a ball from a drum of
// its own (Powerball). Its ranges, prizes and prices by the day of the draw.
struct LotteryGame
{
    enum class Kind
    {
        Digits,
        Numbers,
        Ball
    };

    std::string_view name;   // as the list's results name it
    std::string_view keys;   // the names states give it, each folded as GameKey folds them
    std::string_view family; // the game it is a kind of, by name: "Lotto" for Lotto Texas
    Kind kind;
    int count;                             // digits or numbers drawn, the ball or bonus aside
    int first;                             // the least of each: 0 for digits, else 1
    std::span<const GameEra> eras;         // oldest first
    std::span<const PrizeTier> tiers = {}; // best first; none where results rank by count
    std::string_view extraTitle = {};      // the ball's or bonus's column title, folded
    std::string_view extraShort = {};      // as the results name it: "PB", "bonus"
    bool bonus = false;         // the extra is a bonus number from the numbers' own drum, drawn
                                // after them where the lottery draws one
    bool secondDrawing = false; // a drawing of its own beside its family's (Double Play),
                                // whose draws are never the family's

    bool hasBall() const { return kind == Kind::Ball; }
    // A ball game's ball, or a lotto's bonus number where one is drawn.
    bool hasExtra() const { return hasBall() || bonus; }
    // The rules of a day; those of the first era for the days before it.
    const GameEra &eraOn(int date) const;
    const GameEra &latest() const { return eras.back(); }
    // Whether a number may stand in a draw of the day.
    bool fits(int number, int date, bool isExtra) const;
    // The tier a result wins, from 1 for the best; 0 where it wins nothing or
    // the game's tiers are not known.
    int tierOf(int whites, bool extra) const;
};

// Every game of the table, as lotteries draw them.
std::span<const LotteryGame> LotteryGames();
