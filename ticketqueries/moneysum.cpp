#include "moneysum.h"

#include <algorithm>

void MoneySum::add(const TicketMoney &money)
{
    constexpr std::int64_t most = std::int64_t(1) << 60; // far past any season
    plays += money.plays;
    unknown += money.unknown;
    atLeast += money.atLeast;
    unchecked += money.unchecked;
    toCome += std::max(money.toCome, 0);
    someToCome = someToCome || money.toCome < 0;
    spent = std::min(most, spent + money.spent);
    won = std::min(most, won + money.won);
    for (const std::string_view prize : money.named) {
        const auto found = std::find_if(named.begin(), named.end(),
                                        [&](const auto &met) { return met.first == prize; });
        if (found == named.end())
            named.push_back({prize, 1});
        else
            ++found->second;
    }
}
