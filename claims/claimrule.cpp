#include "claimrule.h"

#include "civildate.h"

#include <algorithm>
#include <array>

namespace {

using LastDay = ClaimRule::LastDay;

constexpr std::string_view office = "at a lottery office";

// The claim periods of draw games, as the states' statutes, rules and
// lotteries' pages give them (README, "Claims and taxes").
constexpr auto rules = std::to_array<ClaimRule>({
    {"New York", "NY", 0, 1, LastDay::Calendar, 0, 599, office,
     "a store's limit: less than $600 by the Lottery's page, $600 by others"},
    {"California", "CA", 180, 0, LastDay::Calendar, 1, 599, "at a District Office", {}},
    {"Texas", "TX", 180, 0, LastDay::Calendar, 0, 599, "at a claim center", {}},
    {"Florida", "FL", 180, 0, LastDay::Calendar, 0, 599, "at a District Office", {}},
    {"Pennsylvania", "PA", 0, 1, LastDay::Calendar, 0, 2500, office, {}},
    {"Ohio", "OH", 180, 0, LastDay::Calendar, 0, 599, office, {}},
    {"Michigan", "MI", 0, 1, LastDay::Calendar, 0, 599, "at a claim center",
     "a store's limit: $599 or $600"},
    {"Illinois", "IL", 0, 1, LastDay::Calendar, 0, 599, "at a Prize Claim Center", {}},
    {"Georgia", "GA", 180, 0, LastDay::Calendar, 0, 600, "at a District Office", {}},
    {"New Jersey", "NJ", 0, 1, LastDay::Anniversary, 0, 599, "by claim form to the Lottery", {}},
    {"Massachusetts", "MA", 0, 1, LastDay::Calendar, 0, 600, "at a claim center", {}},
    {"North Carolina", "NC", 180, 0, LastDay::Calendar, 0, 599, office, {}},
    {"Virginia", "VA", 180, 0, LastDay::FivePm, 0, 600, "at a customer service center",
     "the 5 p.m. end of the last day"},
    {"Arizona", "AZ", 180, 0, LastDay::FivePm, 0, 599, "by claim form to the Lottery", {}},
    {"Washington", "WA", 180, 0, LastDay::FivePm, 0, 600, office, {}},
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

ClaimDeadline DeadlineOf(const ClaimRule &rule, int drawDate, std::int64_t prize, bool jackpot)
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
    const bool atStore = rule.storeLimit > 0 && prize <= rule.storeLimit && !jackpot;
    deadline.where = atStore               ? std::string_view("at a store")
                     : rule.larger.empty() ? std::string_view("where the ticket's back says")
                                           : rule.larger;
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
