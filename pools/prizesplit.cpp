#include "prizesplit.h"

#include "amounttext.h"
#include "gamekey.h"
#include "ticketgame.h"
#include "sharesplit.h"

#include <numeric>

namespace {

// The draw's part of each payment, as fractions over one denominator, so
// that a payment for ten draws weighs a tenth of one for one, exactly.
std::vector<std::int64_t> paidWeights(const std::vector<std::vector<std::pair<std::int64_t, int>>> &paid)
{
    std::int64_t denominator = 1;
    bool exact = true;
    for (const auto &payments : paid) {
        for (const auto &[amount, draws] : payments) {
            const std::int64_t next = std::lcm(denominator, std::int64_t(draws));
            if (next > 1'000'000'000) // past what the cents of a prize can be multiplied by
                exact = false;
            else
                denominator = next;
        }
    }
    std::vector<std::int64_t> weights;
    for (const auto &payments : paid) {
        std::int64_t weight = 0;
        for (const auto &[amount, draws] : payments)
            weight += exact ? amount * (denominator / draws) : amount * 1'000'000 / draws;
        weights.push_back(weight);
    }
    return weights;
}

} // namespace

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
    std::vector<std::vector<std::pair<std::int64_t, int>>> paid(pool.members.size());
    std::vector<bool> late(pool.members.size(), false);
    for (const PoolLedger::Payment &payment : pool.payments) {
        if (drawDate < payment.dates.first || !payment.dates.plays(drawDate, lottery))
            continue;
        for (std::size_t at = 0; at < pool.members.size(); ++at) {
            if (pool.members[at].name.compare(payment.member, Qt::CaseInsensitive) != 0)
                continue;
            paid[at].emplace_back(payment.amount, PoolLedger::Pool::drawsCovered(payment, lottery));
            late[at] = late[at] || payment.recordedDay > drawDate;
        }
    }
    std::vector<std::int64_t> weights;
    std::vector<std::size_t> inFor;
    std::vector<std::vector<std::pair<std::int64_t, int>>> theirs;
    for (std::size_t at = 0; at < pool.members.size(); ++at) {
        if (paid[at].empty())
            continue;
        inFor.push_back(at);
        theirs.push_back(paid[at]);
    }
    if (pool.split == PoolEntry::Split::Equal)
        weights.assign(inFor.size(), 1);
    else
        weights = paidWeights(theirs);
    const std::vector<std::int64_t> shares = SplitCents(prize, weights);
    const std::vector<std::int64_t> federals = SplitCents(federal, weights);
    const std::vector<std::int64_t> states = SplitCents(stateWithheld, weights);
    for (std::size_t each = 0; each < inFor.size(); ++each) {
        const PoolLedger::Member &member = pool.members[inFor[each]];
        std::int64_t forDraw = 0;
        for (const auto &[amount, draws] : theirs[each])
            forDraw += amount / draws;
        split.shares.push_back({member.name, member.contact, forDraw, shares[each], federals[each],
                                states[each], late[inFor[each]]});
    }
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
        const PoolLedger::Member *member = pool.member(entry.member);
        split->shares.push_back({entry.member, member ? member->contact : QString(), 0,
                                 entry.amount, entry.federal, entry.stateWithheld, false});
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
    QStringList parts;
    for (const Share &share : shares)
        parts << share.member + u' ' + CentsText(share.share);
    return pool + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}
