#pragma once

#include "ticketmoney.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

// What the plays of many tickets came to, as the money line sums them: the
// top prizes that are no sums counted apart, by name.
struct MoneySum
{
    int plays = 0;
    int unknown = 0;
    int atLeast = 0;
    int unchecked = 0;
    int toCome = 0;
    bool someToCome = false; // a ticket whose days to come cannot be counted
    std::int64_t spent = 0;
    std::int64_t won = 0;
    std::vector<std::pair<std::string_view, int>> named;

    void add(const TicketMoney &money);
};
