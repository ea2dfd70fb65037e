#pragma once

#include "poolledger.h"
#include "poolprize.h"
#include "recordsection.h"

#include <QString>

#include <vector>

// What a pool's prize comes to for each member: their share and what was
// withheld of it, the rows of Form 5754 (the taxpayer numbers left for the
// members to write: Ticketwise never asks for one nor keeps it), whether
// the prize needs a Form W-2G, and how the ticket's state pays a group.
struct SplitStatement
{
    QString heading;
    std::vector<RecordSection> sections;

    static SplitStatement of(const PoolLedger::Pool &pool, const PoolPrize &prize);
};
