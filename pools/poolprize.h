#pragma once

#include "claimrecord.h"
#include "poolledger.h"
#include "prizesplit.h"
#include "seasonwinnings.h"

#include <QString>

#include <cstdint>
#include <vector>

// A winning draw of a pool's ticket: the pool that held the ticket when it
// was drawn, the prize, what was withheld of it (as marked claimed, or as
// the year's rules would), and its split.
struct PoolPrize
{
    Winning winning;
    const PoolLedger::Pool *pool = nullptr;
    bool ticketLate = false; // put into the pool after the draw
    int ticketLine = 0;      // the line that put it in
    QString ticketRecorded;
    ClaimRecord claim; // as marked, or as it would be marked today
    bool claimed = false;
    PrizeSplit split;

    // The claim and split of one winning draw of a pool's ticket.
    static PoolPrize of(const PoolLedger::Pool &pool, const Winning &winning,
                        const std::vector<ClaimRecord> &claims, int today);
    // The same of the pool that held the ticket when it was drawn; nothing
    // where no pool did, nor does.
    static std::optional<PoolPrize> of(const PoolLedger &ledger, const Winning &winning,
                                       const std::vector<ClaimRecord> &claims, int today);
};
