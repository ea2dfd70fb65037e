#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// What one ticket cost and won: each play of it, a day of a season's file
// it plays, or the single draw checked; with its add-ons (Power Play, the
// Megaplier, Double Play), each a dollar a play more.
struct TicketMoney
{
    int plays = 0;   // plays whose prizes are known
    int unknown = 0; // plays of days whose prizes are not known
    std::int64_t spent = 0;
    std::int64_t won = 0;
    int atLeast = 0;   // plays whose multiplier is not known
    int unchecked = 0; // Double Play plays whose drawing is not known: neither won nor lost
    std::vector<std::string_view> named; // top prizes, never summed
    int toCome = 0;                      // days of the ticket still to come; -1 some
};
