#pragma once

#include "loglist.h"

#include <cstdint>
#include <optional>

// What a ticket cost, in dollars: each of its draws at its game's price on
// its first day, with its add-ons; nothing where the game's price, or how
// many draws it plays, is not known. firstDay is its first draw's day.
struct TicketCost
{
    int firstDay = 0; // yyyymmdd; 0 where its date is not read
    std::optional<std::int64_t> dollars;

    static TicketCost of(const LogList &log, int row);
};
