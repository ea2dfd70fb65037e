#include "claimshares.h"

#include "prizesplit.h"

std::vector<PoolEntry> ClaimShares(const PoolLedger &ledger, const PoolLedger::Pool &pool,
                                   const ClaimRecord &claim)
{
    std::vector<PoolEntry> entries;
    PoolEntry line;
    line.pool = pool.name;
    line.game = claim.game;
    line.ticketDate = claim.ticketDate;
    line.numbers = claim.numbers;
    line.copy = claim.copy;
    line.drawDate = claim.drawDate;
    for (const PoolEntry &share : pool.shares) {
        if (share.drawDate == claim.drawDate && share.copy == claim.copy &&
            TicketCells{share.game, share.ticketDate, share.numbers} == claim.cells() &&
            ledger.inForce(share.number)) {
            PoolEntry back;
            back.pool = pool.name;
            back.kind = PoolEntry::Kind::TakenBack;
            back.takesBack = share.number;
            entries.push_back(back);
        }
    }
    const PrizeSplit split = PrizeSplit::of(pool, claim.game, claim.drawDate, claim.paid,
                                            claim.federal, claim.stateWithheld);
    line.kind = PoolEntry::Kind::Share;
    line.claimed = claim.claimed;
    for (const PrizeSplit::Share &share : split.shares) {
        line.member = share.member;
        line.amount = share.share;
        line.federal = share.federal;
        line.stateWithheld = share.stateWithheld;
        entries.push_back(line);
    }
    return entries;
}
