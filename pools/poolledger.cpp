#include "poolledger.h"

#include "amounttext.h"
#include "civildate.h"
#include "claimcolumns.h"
#include "gamekey.h"

#include <QDate>

#include <algorithm>
#include <map>

namespace {

QString dayText(int date)
{
    return QString::fromStdString(CivilDate::text(date));
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The draws of a game a payment's days cover; a run of days the table
// knows no draws of counts each day.
int countDraws(const TicketDates &dates, const LotteryGame *game)
{
    if (dates.last == 0)
        return std::max(dates.count, 1);
    const int draws = game ? DrawDaysBetween(*game, DayBefore(dates.first), dates.last) : -1;
    if (draws > 0)
        return draws;
    return CivilDate::daysOf(dates.last) - CivilDate::daysOf(dates.first) + 1;
}

} // namespace

const PoolLedger::Member *PoolLedger::Pool::member(const QString &name) const
{
    const auto found = std::find_if(members.begin(), members.end(),
                                    [&](const Member &each) { return sameName(each.name, name); });
    return found == members.end() ? nullptr : &*found;
}

int PoolLedger::Pool::drawsCovered(const Payment &payment, const LotteryGame *game)
{
    if (payment.covered && payment.coveredOf == game)
        return payment.covered;
    payment.coveredOf = game;
    payment.covered = countDraws(payment.dates, game);
    return payment.covered;
}

std::vector<const PoolLedger::Payment *> PoolLedger::Pool::covering(int drawDate,
                                                                    const LotteryGame *game) const
{
    std::vector<const Payment *> found;
    const int earliest = CivilDate::addDays(drawDate, -longestSpan);
    auto at = std::upper_bound(byFirst.begin(), byFirst.end(), drawDate, [&](int date, int index) {
        return date < payments[std::size_t(index)].dates.first;
    });
    while (at != byFirst.begin()) {
        const Payment &payment = payments[std::size_t(*--at)];
        if (payment.dates.first < earliest)
            break;
        if (payment.dates.plays(drawDate, game))
            found.push_back(&payment);
    }
    return found;
}

PoolLedger::PoolLedger(const std::vector<PoolEntry> &entries)
{
    int most = 0;
    for (const PoolEntry &entry : entries)
        most = std::max(most, entry.number);
    m_forceOf.assign(std::size_t(most) + 1, 0);
    for (const PoolEntry &entry : entries)
        m_forceOf[std::size_t(entry.number)] = 1;
    // A taking back names an earlier line: the later lines decide first
    // whether it is itself taken back.
    std::vector<const PoolEntry *> byNumber(std::size_t(most) + 1, nullptr);
    for (const PoolEntry &entry : entries)
        byNumber[std::size_t(entry.number)] = &entry;
    for (int number = most; number > 0; --number) {
        const PoolEntry *entry = byNumber[std::size_t(number)];
        if (!entry || entry->kind != PoolEntry::Kind::TakenBack || !m_forceOf[std::size_t(number)])
            continue;
        if (!byNumber[std::size_t(entry->takesBack)])
            m_problems << QStringLiteral("Line No. %1 takes back No. %2, which is not in the file")
                              .arg(number)
                              .arg(entry->takesBack);
        else
            m_forceOf[std::size_t(entry->takesBack)] = 0;
    }
    std::map<QString, std::size_t> poolAt; // by name folded
    QString lastName;
    QString lastKey;
    for (const PoolEntry &entry : entries) {
        if (!m_forceOf[std::size_t(entry.number)] || entry.kind == PoolEntry::Kind::TakenBack)
            continue;
        // Most lines are of the pool of the line before.
        if (entry.pool != lastName) {
            lastName = entry.pool;
            lastKey = entry.pool.toCaseFolded();
        }
        const QString &key = lastKey;
        auto at = poolAt.find(key);
        if (entry.kind == PoolEntry::Kind::Pool) {
            // A later line of a pool kept sets its rules anew.
            if (at == poolAt.end()) {
                at = poolAt.emplace(key, m_pools.size()).first;
                m_pools.push_back({});
                m_pools.back().number = entry.number;
            }
            Pool &pool = m_pools[at->second];
            pool.name = entry.pool;
            pool.manager = entry.member;
            pool.split = entry.split;
            pool.keepsSmallPrizes = entry.keepsSmallPrizes;
            pool.keptUpTo = entry.amount;
            pool.began = ClaimDayOf(entry.draws);
            continue;
        }
        if (at == poolAt.end()) {
            m_problems << QStringLiteral("Line No. %1 is of a pool, %2, that is not kept")
                              .arg(entry.number)
                              .arg(entry.pool);
            continue;
        }
        Pool &pool = m_pools[at->second];
        switch (entry.kind) {
        case PoolEntry::Kind::Member:
            if (pool.member(entry.member))
                m_problems << QStringLiteral("Line No. %1 names %2 a member of %3 again")
                                  .arg(entry.number)
                                  .arg(entry.member, pool.name);
            else
                pool.members.push_back({entry.number, entry.member, entry.contact});
            break;
        case PoolEntry::Kind::Payment:
            pool.payments.push_back({entry.number, entry.member, entry.amount, entry.draws,
                                     *TicketDates::of(QStringView(entry.draws)),
                                     entry.recordedDay(), entry.recorded});
            break;
        case PoolEntry::Kind::Ticket:
            pool.tickets.push_back(
                {entry.number, entry.game, entry.ticketDate, entry.numbers, entry.copy});
            break;
        case PoolEntry::Kind::Share:
            pool.shares.push_back(entry);
            break;
        case PoolEntry::Kind::Pool:
        case PoolEntry::Kind::TakenBack:
            break;
        }
    }
    // A member taken back pays into no draw.
    for (Pool &pool : m_pools) {
        std::map<QString, int> place;
        for (std::size_t at = 0; at < pool.members.size(); ++at)
            place.emplace(pool.members[at].name.toCaseFolded(), int(at));
        for (Payment &payment : pool.payments) {
            const auto found = place.find(payment.member.toCaseFolded());
            payment.payer = found == place.end() ? -1 : found->second;
        }
        std::erase_if(pool.payments, [](const Payment &payment) { return payment.payer < 0; });
        for (std::size_t at = 0; at < pool.payments.size(); ++at) {
            const TicketDates &dates = pool.payments[at].dates;
            pool.byFirst.push_back(int(at));
            // A count of draws spans at most a week a draw: every game draws
            // at least weekly.
            const int span = dates.last
                                 ? CivilDate::daysOf(dates.last) - CivilDate::daysOf(dates.first)
                                 : 7 * dates.count;
            pool.longestSpan = std::max(pool.longestSpan, span);
        }
        std::stable_sort(pool.byFirst.begin(), pool.byFirst.end(), [&](int a, int b) {
            return pool.payments[std::size_t(a)].dates.first <
                   pool.payments[std::size_t(b)].dates.first;
        });
    }
}

const PoolLedger::Pool *PoolLedger::pool(const QString &name) const
{
    const auto found = std::find_if(m_pools.begin(), m_pools.end(),
                                    [&](const Pool &pool) { return sameName(pool.name, name); });
    return found == m_pools.end() ? nullptr : &*found;
}

const PoolLedger::Pool *PoolLedger::poolOf(const QString &game, const QString &date,
                                           const QString &numbers, int copy) const
{
    for (const Pool &pool : m_pools) {
        for (const Ticket &ticket : pool.tickets) {
            if (ticket.copy == copy && ticket.numbers == numbers && ticket.game == game &&
                ticket.date == date)
                return &pool;
        }
    }
    return nullptr;
}

bool PoolLedger::inForce(int number) const
{
    return number > 0 && number < int(m_forceOf.size()) && m_forceOf[std::size_t(number)];
}

QString PoolLedger::problemOf(const PoolEntry &entry) const
{
    const Pool *pool = this->pool(entry.pool);
    switch (entry.kind) {
    case PoolEntry::Kind::Pool:
        if (entry.pool.trimmed().isEmpty())
            return QStringLiteral("A pool needs a name.");
        if (entry.member.trimmed().isEmpty())
            return QStringLiteral("A pool needs a manager, who buys and holds its tickets.");
        if (!ClaimDayOf(entry.draws))
            return QStringLiteral("\"%1\" is no day: write the day the pool began as 12/09/2026.")
                .arg(entry.draws);
        return {};
    case PoolEntry::Kind::Member:
        if (entry.member.trimmed().isEmpty())
            return QStringLiteral("A member needs a name.");
        if (pool && pool->member(entry.member))
            return QStringLiteral("%1 is already a member of %2.").arg(entry.member, pool->name);
        break;
    case PoolEntry::Kind::Payment: {
        if (pool && !pool->member(entry.member))
            return QStringLiteral("%1 is no member of %2.").arg(entry.member, pool->name);
        if (entry.amount < 0)
            return QStringLiteral("A payment cannot be below zero.");
        const std::optional<TicketDates> dates = TicketDates::of(QStringView(entry.draws));
        if (!dates)
            return QStringLiteral("\"%1\" covers no draw: write a day (12/09/2026), a run "
                                  "(12/02/2026 - 12/30/2026) or a count of draws (12/02/2026 x10).")
                .arg(entry.draws);
        if (pool && dates->first < pool->began)
            return QStringLiteral("\"%1\" covers a draw before %2 began on %3.")
                .arg(entry.draws, pool->name, dayText(pool->began));
        break;
    }
    case PoolEntry::Kind::Ticket:
        if (const Pool *holder = poolOf(entry.game, entry.ticketDate, entry.numbers, entry.copy))
            return holder == pool ? QStringLiteral("The ticket %1, %2 is already in %3.")
                                        .arg(entry.game, entry.numbers, holder->name)
                                  : QStringLiteral("The ticket %1, %2 is in another pool, %3.")
                                        .arg(entry.game, entry.numbers, holder->name);
        break;
    case PoolEntry::Kind::Share:
    case PoolEntry::Kind::TakenBack:
        break;
    }
    if (!pool)
        return QStringLiteral("No pool named %1 is kept.").arg(entry.pool);
    return {};
}
