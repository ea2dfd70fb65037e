#include "claimrule.h"

#include "civildate.h"

#include <algorithm>
#include <array>

namespace {

using LastDay = ClaimRule::LastDay;

constexpr std::string_view office = "at a lottery office";

// Where prizes go above a store, by amount, as each state's lottery says
// (README, "Claims and taxes").
constexpr ClaimPlace newYork[] = {{0, office}};
constexpr ClaimPlace california[] = {{0, "at a District Office"}};
constexpr ClaimPlace texas[] = {{2'500'000, "at a claim center"},
                                {5'000'000, "at a claim center in Austin, Dallas, Fort Worth, "
                                            "Houston or San Antonio"},
                                {0, "at the Austin headquarters, by appointment"}};
constexpr ClaimPlace florida[] = {{999'999, "at a District Office"},
                                  {0, "at the Tallahassee headquarters"}};
constexpr ClaimPlace pennsylvania[] = {{0, "at an Area Office or by mail"}};
constexpr ClaimPlace ohio[] = {{5'000, "with a pay-to-bearer slip at a bank"},
                               {25'000, "at a racino"},
                               {0, "at a Regional Office"}};
constexpr ClaimPlace michigan[] = {{99'999, "at a claim center"},
                                   {0, "in Lansing, by appointment"}};
constexpr ClaimPlace illinois[] = {{999'999, "at a Prize Claim Center"},
                                   {0, "at the Springfield Claims Department"}};
constexpr ClaimPlace georgia[] = {{25'000, "at a District Office"},
                                  {0, "at the Atlanta headquarters"}};
constexpr ClaimPlace newJersey[] = {{0, "by claim form to the Lottery"}};
constexpr ClaimPlace massachusetts[] = {{103'000, "at a claim center"},
                                        {0, "at the Dorchester headquarters"}};
constexpr ClaimPlace northCarolina[] = {{99'999, "at a Regional Office"},
                                        {0, "at the Raleigh headquarters"}};
constexpr ClaimPlace virginia[] = {{0, "at a customer service center"}};
constexpr ClaimPlace arizona[] = {{49'999, "by claim form to the Lottery"},
                                  {0, "at the Phoenix or Tucson office"}};
constexpr ClaimPlace washington[] = {{0, office}};

// The claim periods of draw games, as the states' statutes, rules and
// lotteries' pages give them (README, "Claims and taxes").
constexpr auto rules = std::to_array<ClaimRule>({
    {"New York", "NY", 0, 1, LastDay::Calendar, 0, 599, newYork,
     "a store's limit: less than $600 by the Lottery's page, $600 by others"},
    {"California", "CA", 180, 0, LastDay::Calendar, 1, 599, california, {}},
    {"Texas", "TX", 180, 0, LastDay::Calendar, 0, 599, texas, {}},
    {"Florida", "FL", 180, 0, LastDay::Calendar, 0, 599, florida, {}},
    {"Pennsylvania", "PA", 0, 1, LastDay::Calendar, 0, 2500, pennsylvania, {}},
    {"Ohio", "OH", 180, 0, LastDay::Calendar, 0, 599, ohio, {}},
    {"Michigan", "MI", 0, 1, LastDay::Calendar, 0, 599, michigan, "a store's limit: $599 or $600"},
    {"Illinois", "IL", 0, 1, LastDay::Calendar, 0, 599, illinois, {}},
    {"Georgia", "GA", 180, 0, LastDay::Calendar, 0, 600, georgia, {}},
    {"New Jersey", "NJ", 0, 1, LastDay::Anniversary, 0, 599, newJersey, {}},
    {"Massachusetts", "MA", 0, 1, LastDay::Calendar, 0, 600, massachusetts, {}},
    {"North Carolina", "NC", 180, 0, LastDay::Calendar, 0, 599, northCarolina, {}},
    {"Virginia", "VA", 180, 0, LastDay::FivePm, 0, 600, virginia, "the 5 p.m. end of the last day"},
    {"Arizona", "AZ", 180, 0, LastDay::FivePm, 0, 599, arizona, {}},
    {"Washington", "WA", 180, 0, LastDay::FivePm, 0, 600, washington, {}},
    {"South Dakota",
     "SD",
     180,
     0,
     LastDay::NextBusinessDay,
     0,
     0,
     {},
     "a store's limit, and where larger prizes are claimed"},
    {"Oklahoma",
     "OK",
     180,
     0,
     LastDay::Calendar,
     0,
     0,
     {},
     "a store's limit, and where larger prizes are claimed"},
});

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool sameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

std::span<const ClaimRule> ClaimRules()
{
    return rules;
}

const ClaimRule *ClaimRuleOf(std::string_view state)
{
    for (const ClaimRule &rule : rules) {
        if (sameLetters(rule.state, state) || sameLetters(rule.code, state))
            return &rule;
    }
    return nullptr;
}

std::string_view ClaimPlaceOf(const ClaimRule &rule, std::int64_t prize, bool amountKnown)
{
    if (amountKnown && rule.storeLimit > 0 && prize <= rule.storeLimit)
        return "at a store";
    for (const ClaimPlace &place : rule.places) {
        if (place.upTo == 0 || (amountKnown && prize <= place.upTo))
            return place.where;
    }
    return "where the ticket's back says";
}

ClaimDeadline DeadlineOf(const ClaimRule &rule, int drawDate, std::int64_t prize, bool jackpot,
                         bool amountKnown)
{
    ClaimDeadline deadline;
    const int years = jackpot && rule.jackpotYears ? rule.jackpotYears : rule.years;
    if (years > 0)
        deadline.lastDay =
            CivilDate::addYears(drawDate, years, rule.lastDay == LastDay::Anniversary);
    else
        deadline.lastDay = CivilDate::addDays(drawDate, rule.days);
    if (rule.lastDay == LastDay::NextBusinessDay) {
        while (CivilDate::weekday(deadline.lastDay) >= 6)
            deadline.lastDay = CivilDate::addDays(deadline.lastDay, 1);
    }
    deadline.periodDays = CivilDate::daysOf(deadline.lastDay) - CivilDate::daysOf(drawDate);
    deadline.fivePm = rule.lastDay == LastDay::FivePm;
    deadline.where = ClaimPlaceOf(rule, prize, amountKnown && !jackpot);
    return deadline;
}

std::string DeadlineText(const ClaimDeadline &deadline, int today)
{
    const std::string day = CivilDate::text(deadline.lastDay);
    if (today > deadline.lastDay)
        return "expired " + day;
    return "by " + day + (deadline.fivePm ? " 5 p.m." : "") + ", " +
           std::to_string(deadline.periodDays) + " days, " + std::string(deadline.where);
}

std::string NoClaimRuleText(std::string_view state)
{
    return "no claim rule known for " + std::string(state) + ": see the back of the ticket";
}
