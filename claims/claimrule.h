#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Where prizes up to an amount are claimed, above what a store pays.
struct ClaimPlace
{
    std::int64_t upTo = 0; // dollars; 0 for any larger prize, and a jackpot
    std::string_view where;
};

// How a state's lottery has a draw-game prize claimed: within how long of
// the draw, how its last day is told, what a store may pay, and where a
// larger prize goes. The README's table gives the source of each figure.
struct ClaimRule
{
    enum class LastDay
    {
        Calendar,        // the period's last calendar day
        Anniversary,     // the draw's anniversary; 29 February's is 1 March
        NextBusinessDay, // moved past a Saturday or Sunday
        FivePm           // the last day, before 5 p.m. local time
    };

    std::string_view state; // "New York"
    std::string_view code;  // "NY"
    int days = 0;           // the period in days from the draw, or
    int years = 0;          // in years: the same day, one year on
    LastDay lastDay = LastDay::Calendar;
    int jackpotYears = 0;               // Powerball's and Mega Millions' jackpots, where longer
    std::int64_t storeLimit = 0;        // the most a store pays, dollars; 0 where not known
    std::span<const ClaimPlace> places; // where larger prizes go, by amount, the smallest first
    std::string_view unconfirmed;       // what of the rule is not settled, where anything
};

// What claiming one prize of a draw asks: its last day, the period it
// counts, and where.
struct ClaimDeadline
{
    int lastDay = 0;        // yyyymmdd
    int periodDays = 0;     // from the draw to the last day, as the rule counts them
    bool fivePm = false;    // before 5 p.m. that day
    std::string_view where; // "at a store", or the rule's larger place
};

std::span<const ClaimRule> ClaimRules();

// The rule of a state, by its name or its two letters, whatever their case;
// nothing where the table does not know it.
const ClaimRule *ClaimRuleOf(std::string_view state);

// The deadline of a prize of the draw of a day, in dollars: jackpot, a
// Powerball or Mega Millions jackpot, where California gives a year. A prize
// whose amount is not known (a jackpot, "$1,000 a day for life", a prize
// table not kept) goes where the largest do, never to a store.
ClaimDeadline DeadlineOf(const ClaimRule &rule, int drawDate, std::int64_t prize,
                         bool jackpot = false, bool amountKnown = true);

// Where a prize of the amount is claimed by the rule.
std::string_view ClaimPlaceOf(const ClaimRule &rule, std::int64_t prize, bool amountKnown);

// What a player reads of a deadline on a day: "by 06/06/2027, 180 days, at a
// store", "expired 06/06/2026".
std::string DeadlineText(const ClaimDeadline &deadline, int today);

// What a state the table does not know reads: "no claim rule known for
// Montana: see the back of the ticket".
std::string NoClaimRuleText(std::string_view state);
