#include "prizesplit.h"

#include "amounttext.h"
#include "bigcount.h"
#include "gamekey.h"
#include "sharesplit.h"
#include "ticketgame.h"

#include <algorithm>
#include <numeric>

namespace {

// A member's payment for a draw: its amount over the draws it covers.
struct Part
{
    std::size_t member;
    std::int64_t amount;
    int draws;
};

// The weights of a split by what each paid for the draw: a payment counts
// its amount over the draws it covers, every one exactly, over their common
// multiple. In 64 bits where they fit, as they do for all but the rarest
// pools; else as large as they need.
struct PaidWeights
{
    std::vector<std::int64_t> narrow;
    std::vector<BigCount> wide;

    PaidWeights(std::size_t members, const std::vector<Part> &paid)
    {
        std::uint64_t multiple = 1;
        bool fits = true;
        for (const Part &part : paid) {
            const std::uint64_t draws = std::uint64_t(part.draws);
            fits = fits &&
                   !__builtin_mul_overflow(multiple, draws / std::gcd(multiple, draws), &multiple);
        }
        if (fits) {
            narrow.assign(members, 0);
            for (const Part &part : paid) {
                const std::uint64_t times = multiple / std::uint64_t(part.draws);
                std::int64_t weight = 0;
                fits = fits && times <= std::uint64_t(INT64_MAX) &&
                       !__builtin_mul_overflow(part.amount, std::int64_t(times), &weight) &&
                       !__builtin_add_overflow(narrow[part.member], weight, &narrow[part.member]);
            }
            if (fits)
                return;
            narrow.clear();
        }
        BigCount common = 1;
        for (const Part &part : paid) {
            const std::uint64_t draws = std::uint64_t(part.draws);
            common *=
                draws / std::gcd(std::uint64_t(common.remainder(std::uint32_t(draws))), draws);
        }
        wide.resize(members);
        for (const Part &part : paid) {
            BigCount weight = common;
            weight.divideBy(std::uint32_t(part.draws));
            wide[part.member] += weight * std::uint64_t(part.amount);
        }
    }

    std::vector<std::int64_t> split(std::int64_t cents) const
    {
        return wide.empty() ? SplitCents(cents, narrow) : SplitCents(cents, wide);
    }
};

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
    std::vector<const PoolLedger::Member *> in;
    for (const std::size_t at : pool.membersAt(drawn))
        in.push_back(&pool.memberLines[at]);
    std::vector<int> slot(std::size_t(pool.names), -1);
    for (std::size_t each = 0; each < in.size(); ++each)
        slot[std::size_t(in[each]->id)] = int(each);
    std::vector<Share> shares(in.size());
    std::vector<bool> paidFor(in.size(), false);
    std::vector<Part> paid;
    for (const PoolLedger::Payment *payment : pool.covering(drawDate, lottery)) {
        const int each = slot[std::size_t(payment->payer)];
        if (each < 0 || !payment->life.countsFor(drawn))
            continue;
        const int draws = PoolLedger::Pool::drawsCovered(*payment, lottery);
        Share &share = shares[std::size_t(each)];
        paidFor[std::size_t(each)] = true;
        paid.push_back({std::size_t(each), payment->amount, draws});
        share.paid += payment->amount / draws;
        share.late = share.late || payment->life.late(drawn);
    }
    // Only those whose payment covers the draw are in for it.
    std::vector<Share> kept;
    std::vector<std::size_t> keptAt(in.size(), 0);
    for (std::size_t each = 0; each < in.size(); ++each) {
        if (!paidFor[each])
            continue;
        keptAt[each] = kept.size();
        shares[each].member = in[each]->name;
        shares[each].late = shares[each].late || in[each]->life.late(drawn);
        kept.push_back(std::move(shares[each]));
    }
    for (Part &part : paid)
        part.member = keptAt[part.member];
    // Equally, and by what was paid where nobody in paid anything: the
    // prize is always shared out whole among those in.
    const bool anyPaid =
        std::any_of(paid.begin(), paid.end(), [](const Part &part) { return part.amount > 0; });
    const bool equally = rules.split == PoolEntry::Split::Equal || !anyPaid;
    const PaidWeights byPaid(equally ? 0 : kept.size(), equally ? std::vector<Part>() : paid);
    const std::vector<std::int64_t> ones(equally ? kept.size() : 0, 1);
    const auto shareOut = [&](std::int64_t cents) {
        if (cents == 0)
            return std::vector<std::int64_t>(kept.size(), 0);
        return equally ? SplitCents(cents, ones) : byPaid.split(cents);
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
