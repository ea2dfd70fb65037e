#include "prizesplit.h"

#include "amounttext.h"
#include "bigcount.h"
#include "gamekey.h"
#include "sharesplit.h"
#include "ticketgame.h"

#include <algorithm>
#include <numeric>

namespace {

// Shares by what each paid for the draw: a payment counts its amount over
// the draws it covers, every one exactly, over their common multiple. In
// 64 bits where it fits, as it does for all but the rarest pools.
std::vector<std::int64_t>
splitByPaid(std::int64_t cents,
            const std::vector<std::vector<std::pair<std::int64_t, int>>> &paid) // amount, draws
{
    std::uint64_t multiple = 1;
    bool narrow = true;
    for (const auto &parts : paid) {
        for (const auto &[amount, draws] : parts) {
            const std::uint64_t factor =
                std::uint64_t(draws) / std::gcd(multiple, std::uint64_t(draws));
            narrow = narrow && !__builtin_mul_overflow(multiple, factor, &multiple);
        }
    }
    if (narrow) {
        std::vector<std::int64_t> weights(paid.size(), 0);
        for (std::size_t each = 0; each < paid.size() && narrow; ++each) {
            for (const auto &[amount, draws] : paid[each]) {
                std::int64_t part = 0;
                narrow = narrow && multiple / std::uint64_t(draws) <= std::uint64_t(INT64_MAX) &&
                         !__builtin_mul_overflow(
                             amount, std::int64_t(multiple / std::uint64_t(draws)), &part) &&
                         !__builtin_add_overflow(weights[each], part, &weights[each]);
            }
        }
        if (narrow)
            return SplitCents(cents, weights);
    }
    BigCount common = 1;
    for (const auto &parts : paid) {
        for (const auto &[amount, draws] : parts) {
            const std::uint32_t rest = common.remainder(std::uint32_t(draws));
            common *= std::uint64_t(draws) / std::gcd(std::uint64_t(rest), std::uint64_t(draws));
        }
    }
    std::vector<BigCount> weights(paid.size());
    for (std::size_t each = 0; each < paid.size(); ++each) {
        for (const auto &[amount, draws] : paid[each]) {
            BigCount part = common;
            part.divideBy(std::uint32_t(draws));
            weights[each] += part * std::uint64_t(amount);
        }
    }
    return SplitCents(cents, weights);
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
    const std::int64_t drawn = DrawnAt(game, drawDate);
    split.drawnAt = drawn;
    const PoolLedger::Rules &rules = pool.rulesAt(drawn);
    split.split = rules.split;
    split.kept = rules.keepsSmallPrizes && prize <= rules.keptUpTo;
    const LotteryGame *lottery = TicketGame::of(KeyView(GameKey(game))).game;
    // The members in for the draw, in the order they joined: each as they
    // stood when it was drawn, or who joined after it, late. One the record
    // named then and had taken back is out, whenever they joined again.
    std::vector<int> slot(std::size_t(pool.names), -1);
    std::vector<bool> named(std::size_t(pool.names), false);
    std::vector<const PoolLedger::Member *> in;
    for (const PoolLedger::Member &member : pool.memberLines) {
        named[std::size_t(member.id)] = named[std::size_t(member.id)] || !member.life.late(drawn);
        if (slot[std::size_t(member.id)] < 0 && member.life.at(drawn)) {
            slot[std::size_t(member.id)] = -2;
            in.push_back(&member);
        }
    }
    for (const PoolLedger::Member &member : pool.memberLines) {
        if (!named[std::size_t(member.id)] && slot[std::size_t(member.id)] < 0 &&
            member.life.countsFor(drawn)) {
            slot[std::size_t(member.id)] = -2;
            in.push_back(&member);
        }
    }
    std::sort(in.begin(), in.end(), [](const PoolLedger::Member *a, const PoolLedger::Member *b) {
        return a->number < b->number;
    });
    for (std::size_t each = 0; each < in.size(); ++each)
        slot[std::size_t(in[each]->id)] = int(each);
    std::vector<Share> shares(in.size());
    std::vector<bool> paidFor(in.size(), false);
    std::vector<std::vector<std::pair<std::int64_t, int>>> paid(in.size());
    for (const PoolLedger::Payment *payment : pool.covering(drawDate, lottery)) {
        const int each = slot[std::size_t(payment->payer)];
        if (each < 0 || !payment->life.countsFor(drawn))
            continue;
        const int draws = PoolLedger::Pool::drawsCovered(*payment, lottery);
        Share &share = shares[std::size_t(each)];
        paidFor[std::size_t(each)] = true;
        paid[std::size_t(each)].emplace_back(payment->amount, draws);
        share.paid += payment->amount / draws;
        share.late = share.late || payment->life.late(drawn);
    }
    // Only those whose payment covers the draw are in for it.
    std::vector<Share> kept;
    std::vector<std::vector<std::pair<std::int64_t, int>>> keptPaid;
    for (std::size_t each = 0; each < in.size(); ++each) {
        if (!paidFor[each])
            continue;
        shares[each].member = in[each]->name;
        shares[each].late = shares[each].late || in[each]->life.late(drawn);
        kept.push_back(shares[each]);
        keptPaid.push_back(std::move(paid[each]));
    }
    // Equally, and by what was paid where nobody in paid anything: the
    // prize is always shared out whole among those in.
    const bool anyPaid = std::any_of(keptPaid.begin(), keptPaid.end(), [](const auto &parts) {
        return std::any_of(parts.begin(), parts.end(),
                           [](const auto &part) { return part.first > 0; });
    });
    const auto shareOut = [&](std::int64_t cents) {
        if (rules.split == PoolEntry::Split::Equal || !anyPaid)
            return SplitCents(cents, std::vector<std::int64_t>(kept.size(), 1));
        return splitByPaid(cents, keptPaid);
    };
    const std::vector<std::int64_t> prizes = shareOut(prize);
    const std::vector<std::int64_t> federals = shareOut(federal);
    const std::vector<std::int64_t> states = shareOut(stateWithheld);
    for (std::size_t each = 0; each < kept.size(); ++each) {
        kept[each].share = prizes[each];
        kept[each].federal = federals[each];
        kept[each].stateWithheld = states[each];
    }
    split.shares = std::move(kept);
    return split;
}

std::optional<PrizeSplit> PrizeSplit::claimedOf(const PoolLedger::Pool &pool, const QString &game,
                                                const QString &date, const QString &numbers,
                                                int copy, int drawDate)
{
    std::optional<PrizeSplit> split;
    const TicketCells cells{game, date, numbers};
    for (const PoolEntry &entry : pool.shares) {
        if (entry.drawDate != drawDate || entry.copy != copy ||
            !(TicketCells{entry.game, entry.ticketDate, entry.numbers} == cells))
            continue;
        if (!split) {
            split = PrizeSplit{};
            split->pool = pool.name;
            split->claimed = true;
            split->drawnAt = DrawnAt(game, drawDate);
            const PoolLedger::Rules &rules = pool.rulesAt(split->drawnAt);
            split->split = rules.split;
            split->kept = rules.keepsSmallPrizes;
        }
        split->shares.push_back(
            {entry.member, 0, entry.amount, entry.federal, entry.stateWithheld, false});
        split->prize += entry.amount;
        split->federal += entry.federal;
        split->stateWithheld += entry.stateWithheld;
    }
    // Kept where the whole of it is no more than the pool kept then.
    if (split && split->kept)
        split->kept = split->prize <= pool.rulesAt(split->drawnAt).keptUpTo;
    return split;
}

QString PrizeSplit::text() const
{
    if (shares.empty())
        return kept ? QStringLiteral("%1 keeps it toward its next draws").arg(pool)
                    : QStringLiteral("%1: nobody was in for this draw").arg(pool);
    const QString lead =
        kept ? QStringLiteral("%1 keeps it toward its next draws").arg(pool) : pool;
    // A large pool's shares are too many for a line: the statement lists them.
    constexpr std::size_t named = 8;
    if (shares.size() > named) {
        const auto [least, most] =
            std::minmax_element(shares.begin(), shares.end(),
                                [](const Share &a, const Share &b) { return a.share < b.share; });
        return least->share == most->share
                   ? QStringLiteral("%1: %2 members, %3 each")
                         .arg(lead)
                         .arg(shares.size())
                         .arg(CentsText(least->share))
                   : QStringLiteral("%1: %2 members, %3 to %4")
                         .arg(lead)
                         .arg(shares.size())
                         .arg(CentsText(least->share), CentsText(most->share));
    }
    QStringList parts;
    for (const Share &share : shares)
        parts << share.member + u' ' + CentsText(share.share);
    return lead + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}
