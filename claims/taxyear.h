#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The federal rules of a tax year for lottery prizes, and a state's
// withholding, as the README's tables cite them. Amounts in cents.
struct TaxYear
{
    int year;
    std::int64_t w2gFrom;       // a Form W-2G from this prize on, cents ...
    int w2gWagerTimes;          // ... where the prize is also this many times the wager
    std::int64_t withholdAbove; // federal withholding where the prize less the wager is above
    int withholdPercent;        // of the prize less the wager
    int lossPercent;            // of the year's losses that count against winnings
    std::string_view unconfirmed;
};

// The year's federal rules; nothing for a year the table does not know.
const TaxYear *TaxYearOf(int year);
std::string NoTaxYearText(int year); // "no tax rule known for 2027"

// Whether the prize comes with a Form W-2G.
bool NeedsW2G(const TaxYear &year, std::int64_t prize, std::int64_t wager);
// What the lottery withholds for the federal tax.
std::int64_t FederalWithholding(const TaxYear &year, std::int64_t prize, std::int64_t wager);

// What a state's lottery withholds of a prize for the state's income tax.
struct StateWithholding
{
    std::string_view code;        // "NY"
    int hundredthsPercent;        // 1090 for 10.9%
    std::int64_t above;           // withheld where the amount is above this, cents
    bool orEqual;                 // ... or equal to it
    bool netOfWager;              // the rate is of the prize less the wager ...
    bool testsNetOfWager;         // ... and the line is tested on it (Virginia: the
                                  // proceeds are tested, the whole prize is withheld on)
    int higherHundredths = 0;     // New Jersey: a higher rate ...
    std::int64_t higherAbove = 0; // ... above this
    std::string_view unconfirmed;
};

// A state's withholding in the tax year; nothing where the table does not
// know it.
const StateWithholding *StateWithholdingOf(std::string_view code, int year);
std::int64_t StateWithheld(const StateWithholding &state, std::int64_t prize, std::int64_t wager);
