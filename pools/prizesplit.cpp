#include "prizesplit.h"

#include "amounttext.h"
#include "gamekey.h"
#include "sharesplit.h"
#include "ticketgame.h"

#include <algorithm>
#include <numeric>

PrizeSplit PrizeSplit::of(const PoolLedger::Pool &pool, const QString &game, int drawDate,
                          std::int64_t prize, std::int64_t federal, std::int64_t stateWithheld)
{
    PrizeSplit split;
    split.pool = pool.name;
    split.prize = prize;
    split.federal = federal;
    split.stateWithheld = stateWithheld;
    if (pool.keepsSmallPrizes && prize <= pool.keptUpTo) {
        split.kept = true;
        return split;
    }
    const LotteryGame *lottery = TicketGame::of(KeyView(GameKey(game))).game;
    const std::vector<const PoolLedger::Payment *> covering = pool.covering(drawDate, lottery);
    // Each member in for the draw, in the order they joined, with the draw's
    // part of each of their payments as a fraction over one denominator, so
    // that a payment for ten draws weighs a tenth of one for one, exactly.
    std::vector<int> at(pool.members.size(), -1);
    std::int64_t denominator = 1;
    bool exact = true;
    for (const PoolLedger::Payment *payment : covering) {
        at[std::size_t(payment->payer)] = 0;
        const int draws = PoolLedger::Pool::drawsCovered(*payment, lottery);
        if (denominator % draws == 0)
            continue;
        const std::int64_t next = std::lcm(denominator, std::int64_t(draws));
        if (next > 1'000'000'000) // past what a prize's cents can be multiplied by
            exact = false;
        else
            denominator = next;
    }
    std::vector<std::size_t> inFor;
    for (std::size_t member = 0; member < at.size(); ++member) {
        if (at[member] == 0) {
            at[member] = int(inFor.size());
            inFor.push_back(member);
        }
    }
    std::vector<std::int64_t> weights(inFor.size(), 0);
    std::vector<Share> shares(inFor.size());
    for (const PoolLedger::Payment *payment : covering) {
        const int draws = PoolLedger::Pool::drawsCovered(*payment, lottery);
        const std::size_t each = std::size_t(at[std::size_t(payment->payer)]);
        weights[each] +=
            exact ? payment->amount * (denominator / draws) : payment->amount * 1'000'000 / draws;
        shares[each].paid += payment->amount / draws;
        shares[each].late = shares[each].late || payment->recordedDay > drawDate;
    }
    // Equally, and by what was paid where nobody in paid anything: the
    // prize is always shared out whole among those in.
    if (pool.split == PoolEntry::Split::Equal ||
        std::all_of(weights.begin(), weights.end(), [](std::int64_t w) { return w == 0; }))
        weights.assign(inFor.size(), 1);
    const std::vector<std::int64_t> prizes = SplitCents(prize, weights);
    const std::vector<std::int64_t> federals = SplitCents(federal, weights);
    const std::vector<std::int64_t> states = SplitCents(stateWithheld, weights);
    for (std::size_t each = 0; each < inFor.size(); ++each) {
        const PoolLedger::Member &member = pool.members[inFor[each]];
        Share &share = shares[each];
        share.member = member.name;
        share.share = prizes[each];
        share.federal = federals[each];
        share.stateWithheld = states[each];
    }
    split.shares = std::move(shares);
    return split;
}

std::optional<PrizeSplit> PrizeSplit::claimedOf(const PoolLedger::Pool &pool, const QString &game,
                                                const QString &date, const QString &numbers,
                                                int copy, int drawDate)
{
    std::optional<PrizeSplit> split;
    for (const PoolEntry &entry : pool.shares) {
        if (entry.drawDate != drawDate || entry.copy != copy || entry.numbers != numbers ||
            entry.game != game || entry.ticketDate != date)
            continue;
        if (!split) {
            split = PrizeSplit{};
            split->pool = pool.name;
            split->claimed = true;
        }
        split->shares.push_back(
            {entry.member, 0, entry.amount, entry.federal, entry.stateWithheld, false});
        split->prize += entry.amount;
        split->federal += entry.federal;
        split->stateWithheld += entry.stateWithheld;
    }
    return split;
}

QString PrizeSplit::text() const
{
    if (kept)
        return QStringLiteral("%1 keeps it toward its next draws").arg(pool);
    if (shares.empty())
        return QStringLiteral("%1: nobody was in for this draw").arg(pool);
    // A large pool's shares are too many for a line: the statement lists them.
    constexpr std::size_t named = 8;
    if (shares.size() > named) {
        const auto [least, most] =
            std::minmax_element(shares.begin(), shares.end(),
                                [](const Share &a, const Share &b) { return a.share < b.share; });
        return least->share == most->share
                   ? QStringLiteral("%1: %2 members, %3 each")
                         .arg(pool)
                         .arg(shares.size())
                         .arg(CentsText(least->share))
                   : QStringLiteral("%1: %2 members, %3 to %4")
                         .arg(pool)
                         .arg(shares.size())
                         .arg(CentsText(least->share), CentsText(most->share));
    }
    QStringList parts;
    for (const Share &share : shares)
        parts << share.member + u' ' + CentsText(share.share);
    return pool + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}
