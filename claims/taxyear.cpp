#include "taxyear.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::int64_t dollars(std::int64_t whole)
{
    return whole * 100;
}

// Forms W-2G from $600 and 300 times the wager through 2025, from $2,000 in
// 2026; 24% withheld from the prize less the wager above $5,000 since 2018;
// losses counted whole through 2025, at 90% from 2026 (README, "Claims and
// taxes"). From 2027 the W-2G line is indexed yearly: not known yet.
constexpr auto years = std::to_array<TaxYear>({
    {2018, dollars(600), 300, dollars(5000), 24, 100, {}},
    {2019, dollars(600), 300, dollars(5000), 24, 100, {}},
    {2020, dollars(600), 300, dollars(5000), 24, 100, {}},
    {2021, dollars(600), 300, dollars(5000), 24, 100, {}},
    {2022, dollars(600), 300, dollars(5000), 24, 100, {}},
    {2023, dollars(600), 300, dollars(5000), 24, 100, {}},
    {2024, dollars(600), 300, dollars(5000), 24, 100, {}},
    {2025, dollars(600), 300, dollars(5000), 24, 100, {}},
    {2026, dollars(2000), 300, dollars(5000), 24, 90,
     "the 300 times the wager beside the $2,000 line"},
});

// Rates withheld by each state's lottery in 2026, as gathered; a state with
// no income tax on its prizes withholds nothing.
constexpr auto states = std::to_array<StateWithholding>({
    {"NY", 1090, dollars(5000), false, true, true, 0, 0, "10.9% or 8.82%: the sources disagree"},
    {"CA", 0, 0, false, false, false, 0, 0, {}},
    {"TX", 0, 0, false, false, false, 0, 0, {}},
    {"FL", 0, 0, false, false, false, 0, 0, {}},
    {"WA", 0, 0, false, false, false, 0, 0, {}},
    {"SD", 0, 0, false, false, false, 0, 0, {}},
    {"PA", 307, dollars(5000), false, false, false, 0, 0, {}},
    {"OH", 275, dollars(5000), true, false, false, 0, 0, "from $5,000, or from the federal line"},
    {"MI", 425, dollars(5000), false, false, false, 0, 0, "4.25% or 4.35%"},
    {"IL", 495, dollars(1000), true, false, false, 0, 0, {}},
    {"GA", 499, dollars(5000), false, false, false, 0, 0, "the 2026 rate"},
    {"NJ", 500, dollars(10000), false, false, false, 800, dollars(500000), {}},
    {"MA", 500, dollars(600), false, false, false, 0, 0, {}},
    {"NC", 399, dollars(600), true, false, false, 0, 0, "the 2026 rate"},
    {"VA", 400, dollars(5000), false, false, true, 0, 0, {}},
    {"AZ", 480, dollars(5000), false, true, true, 0, 0, {}},
});

// Half a cent and up rounds up.
std::int64_t percentOf(std::int64_t cents, int hundredthsPercent)
{
    return (cents * hundredthsPercent + 5000) / 10000;
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

} // namespace

const TaxYear *TaxYearOf(int year)
{
    const auto found = std::find_if(years.begin(), years.end(),
                                    [year](const TaxYear &known) { return known.year == year; });
    return found == years.end() ? nullptr : &*found;
}

std::string NoTaxYearText(int year)
{
    return "no tax rule known for " + std::to_string(year);
}

bool NeedsW2G(const TaxYear &year, std::int64_t prize, std::int64_t wager)
{
    return prize >= year.w2gFrom && prize >= wager * year.w2gWagerTimes;
}

std::int64_t FederalWithholding(const TaxYear &year, std::int64_t prize, std::int64_t wager)
{
    const std::int64_t proceeds = prize - wager;
    return proceeds > year.withholdAbove ? percentOf(proceeds, year.withholdPercent * 100) : 0;
}

const StateWithholding *StateWithholdingOf(std::string_view code, int year)
{
    if (year != 2026 || code.size() != 2)
        return nullptr;
    for (const StateWithholding &state : states) {
        if (state.code[0] == upper(code[0]) && state.code[1] == upper(code[1]))
            return &state;
    }
    return nullptr;
}

std::int64_t StateWithheld(const StateWithholding &state, std::int64_t prize, std::int64_t wager)
{
    const std::int64_t amount = state.netOfWager ? prize - wager : prize;
    const std::int64_t tested = state.testsNetOfWager ? prize - wager : prize;
    const bool withheld = state.orEqual ? tested >= state.above : tested > state.above;
    if (!withheld || state.hundredthsPercent == 0)
        return 0;
    const int rate = state.higherAbove > 0 && amount > state.higherAbove ? state.higherHundredths
                                                                         : state.hundredthsPercent;
    return percentOf(amount, rate);
}
