#pragma once

#include "drawcheck.h"

#include <cstdint>

// A ticket as a listing holds it: its row of the log, and how it fared where
// a draw is checked, against which of a file's draws. A ticket of several
// draws, or with an add-on, is marked so: its money is more than one plain
// play's.
struct ListedTicket
{
    int row;
    DrawMatch match = {};
    std::int32_t draw : 30 = -1;
    std::uint32_t severalDraws : 1 = 0;
    std::uint32_t addsOn : 1 = 0;
};

// Twelve bytes a ticket, as a million listed tickets are.
static_assert(sizeof(ListedTicket) == 12);
