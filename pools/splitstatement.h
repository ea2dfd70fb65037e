#pragma once

#include "poolbook.h"
#include "poolledger.h"
#include "poolprize.h"
#include "recordsection.h"

#include <QString>

#include <vector>

// What a pool's prize comes to for each member: their share and what was
// withheld of it (of a small prize the pool keeps too: it is kept for
// them), the rows of Form 5754 (the taxpayer numbers left for the members
// to write: Ticketwise never asks for one nor keeps it), whether the prize
// needs a Form W-2G, how the ticket's state pays a group, when the draw was
// drawn, and the record's chain as it stood then and as it stands.
struct SplitStatement
{
    QString heading;
    std::vector<RecordSection> sections;

    static SplitStatement of(const PoolLedger::Pool &pool, const PoolPrize &prize,
                             const PoolBook::Mark &atDraw, const PoolBook::Mark &now);
};
