#include "poolprize.h"

#include "claimwithholding.h"

#include <algorithm>

PoolPrize PoolPrize::of(const PoolLedger::Pool &pool, const Winning &winning,
                        const std::vector<ClaimRecord> &claims, int today)
{
    PoolPrize prize;
    prize.winning = winning;
    prize.pool = &pool;
    ClaimRecord &claim = prize.claim;
    claim.game = winning.ticket.game;
    claim.ticketDate = winning.ticket.date;
    claim.numbers = winning.ticket.numbers;
    claim.copy = winning.ticket.copy;
    claim.drawDate = winning.drawDate;
    const auto marked = std::find_if(claims.begin(), claims.end(),
                                     [&](const ClaimRecord &each) { return each.sameDraw(claim); });
    if (marked != claims.end()) {
        claim = *marked;
        prize.claimed = true;
    } else {
        // As Mark Claimed would suggest it today.
        claim.claimed = std::max(today, winning.drawDate);
        claim.state = winning.rule ? QString::fromLatin1(winning.rule->code.data(), 2) : QString();
        claim.prize = winning.dollars * 100;
        claim.wager = winning.wager * 100;
        claim.paid = claim.prize;
        FillWithholding(claim);
    }
    std::optional<PrizeSplit> kept =
        prize.claimed ? PrizeSplit::claimedOf(pool, claim.game, claim.ticketDate, claim.numbers,
                                              claim.copy, claim.drawDate)
                      : std::nullopt;
    if (kept)
        prize.split = std::move(*kept);
    else
        prize.split = PrizeSplit::of(pool, claim.game, claim.drawDate, claim.paid, claim.federal,
                                     claim.stateWithheld);
    return prize;
}

std::optional<PoolPrize> PoolPrize::of(const PoolLedger &ledger, const Winning &winning,
                                       const std::vector<ClaimRecord> &claims, int today)
{
    const TicketCopy &ticket = winning.ticket;
    const PoolLedger::Holding holding =
        ledger.holderAt({ticket.game, ticket.date, ticket.numbers}, ticket.copy,
                        DrawnAt(ticket.game, winning.drawDate));
    if (!holding.pool)
        return std::nullopt;
    PoolPrize prize = of(*holding.pool, winning, claims, today);
    prize.ticketLate = holding.late;
    prize.ticketLine = holding.ticket->number;
    prize.ticketRecorded = holding.ticket->recorded;
    return prize;
}
