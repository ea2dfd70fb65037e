#include "poolledger.h"

#include "civildate.h"
#include "keptcells.h"

#include <algorithm>
#include <map>
#include <set>

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

QString ticketKey(const TicketCells &cells, int copy)
{
    return cells.key() + u'\x1f' + QString::number(copy);
}

} // namespace

const PoolLedger::Member *PoolLedger::Pool::member(const QString &name) const
{
    const auto found = std::find_if(members.begin(), members.end(),
                                    [&](const Member &each) { return sameName(each.name, name); });
    return found == members.end() ? nullptr : &*found;
}

const PoolLedger::Rules &PoolLedger::Pool::rulesAt(std::int64_t instant) const
{
    // The last to hold then; a pool begun after the draw, by its first.
    const Rules *found = nullptr;
    for (const Rules &each : rules) {
        if (each.life.at(instant))
            found = &each;
    }
    if (found)
        return *found;
    for (const Rules &each : rules) {
        if (each.life.countsFor(instant))
            return each;
    }
    return rules.back();
}

const std::vector<std::size_t> &PoolLedger::Pool::membersAt(std::int64_t instant) const
{
    if (inKept && inAt == instant)
        return in;
    in.clear();
    std::vector<bool> seen(std::size_t(names), false);
    bool late = false;
    for (const bool lateToo : {false, true}) {
        for (std::size_t at = 0; at < memberLines.size(); ++at) {
            const Member &member = memberLines[at];
            const std::size_t id = std::size_t(member.id);
            if (seen[id] || !(lateToo ? firstNamed[id] > instant && member.life.countsFor(instant)
                                      : member.life.at(instant)))
                continue;
            seen[id] = true;
            in.push_back(at);
            late = late || lateToo;
        }
    }
    // Lines are in the order written: those who joined late go in theirs.
    if (late)
        std::sort(in.begin(), in.end());
    inAt = instant;
    inKept = true;
    return in;
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
    // Each line's life: a taking back names an earlier line, so the later
    // lines decide first when it held.
    std::unordered_map<int, std::size_t> atNumber;
    atNumber.reserve(entries.size());
    for (std::size_t at = 0; at < entries.size(); ++at)
        atNumber.emplace(entries[at].number, at);
    std::vector<LineLife> lives;
    lives.reserve(entries.size());
    for (const PoolEntry &entry : entries)
        lives.emplace_back(entry.recordedAt);
    std::vector<std::size_t> newestFirst;
    for (std::size_t at = 0; at < entries.size(); ++at) {
        if (entries[at].kind == PoolEntry::Kind::TakenBack)
            newestFirst.push_back(at);
    }
    std::sort(newestFirst.begin(), newestFirst.end(),
              [&](std::size_t a, std::size_t b) { return entries[a].number > entries[b].number; });
    for (const std::size_t at : newestFirst) {
        const PoolEntry &taking = entries[at];
        const auto target = atNumber.find(taking.takesBack);
        if (target == atNumber.end())
            m_problems << QStringLiteral("Line No. %1 takes back No. %2, which is not in the file")
                              .arg(taking.number)
                              .arg(taking.takesBack);
        else
            lives[target->second].takenBackWhile(lives[at]);
    }
    for (std::size_t at = 0; at < entries.size(); ++at)
        m_now.emplace(entries[at].number, lives[at].now());

    // The pools, by their Pool lines; those taken back whole (a New Pool
    // undone) are none, and their lines go with them.
    std::vector<Pool> found;
    std::map<QString, std::size_t> foundAt; // by name folded
    for (std::size_t at = 0; at < entries.size(); ++at) {
        const PoolEntry &entry = entries[at];
        if (entry.kind != PoolEntry::Kind::Pool || !lives[at].ever())
            continue;
        auto place = foundAt.emplace(entry.pool.toCaseFolded(), found.size()).first;
        if (place->second == found.size()) {
            found.push_back({});
            found.back().number = entry.number;
        }
        Pool &pool = found[place->second];
        pool.name = entry.pool;
        pool.rules.push_back({entry.number, entry.member, entry.split, entry.keepsSmallPrizes,
                              entry.amount, KeptCells::dayOf(entry.draws), lives[at]});
    }
    std::map<QString, std::size_t> poolAt; // by name folded
    std::set<QString> undone;
    for (const auto &[key, at] : foundAt) {
        Pool &pool = found[at];
        // Its rules as they stand: the last Pool line that holds.
        const Rules *standing = nullptr;
        for (const Rules &each : pool.rules) {
            if (each.life.now())
                standing = &each;
        }
        if (!standing) {
            undone.insert(key);
            continue;
        }
        pool.manager = standing->manager;
        pool.split = standing->split;
        pool.keepsSmallPrizes = standing->keepsSmallPrizes;
        pool.keptUpTo = standing->keptUpTo;
        pool.began = standing->began;
    }
    for (Pool &pool : found) {
        const QString key = pool.name.toCaseFolded();
        if (!undone.count(key)) {
            poolAt.emplace(key, m_pools.size());
            m_pools.push_back(std::move(pool));
        }
    }

    std::vector<std::map<QString, int>> namesOf(m_pools.size()); // by name folded
    const auto nameId = [&](std::size_t pool, const QString &name) {
        std::map<QString, int> &names = namesOf[pool];
        return names.emplace(name.toCaseFolded(), int(names.size())).first->second;
    };
    QString lastName;
    QString lastKey;
    for (std::size_t at = 0; at < entries.size(); ++at) {
        const PoolEntry &entry = entries[at];
        const LineLife &life = lives[at];
        if (entry.kind == PoolEntry::Kind::Pool || entry.kind == PoolEntry::Kind::TakenBack ||
            !life.ever())
            continue;
        // Most lines are of the pool of the line before.
        if (entry.pool != lastName) {
            lastName = entry.pool;
            lastKey = entry.pool.toCaseFolded();
        }
        const auto found = poolAt.find(lastKey);
        if (found == poolAt.end()) {
            if (!undone.count(lastKey))
                m_problems << QStringLiteral("Line No. %1 is of a pool, %2, that is not kept")
                                  .arg(entry.number)
                                  .arg(entry.pool);
            continue;
        }
        Pool &pool = m_pools[found->second];
        switch (entry.kind) {
        case PoolEntry::Kind::Member: {
            const Member member{entry.number, entry.member, entry.contact, life,
                                nameId(found->second, entry.member)};
            pool.memberLines.push_back(member);
            if (!life.now())
                break;
            if (pool.member(entry.member))
                m_problems << QStringLiteral("Line No. %1 names %2 a member of %3 again")
                                  .arg(entry.number)
                                  .arg(entry.member, pool.name);
            else
                pool.members.push_back(member);
            break;
        }
        case PoolEntry::Kind::Payment: {
            const TicketDates dates =
                entry.dates.first ? entry.dates : *TicketDates::of(QStringView(entry.draws));
            if (dates.first < pool.began) {
                m_problems << QStringLiteral("Line No. %1 pays for %2, before %3 began on %4")
                                  .arg(entry.number)
                                  .arg(entry.draws, pool.name, dayText(pool.began));
                break;
            }
            Payment payment{entry.number, entry.member,        entry.amount,   entry.draws,
                            dates,        entry.recordedDay(), entry.recorded, life};
            payment.payer = nameId(found->second, entry.member);
            pool.payments.push_back(std::move(payment));
            break;
        }
        case PoolEntry::Kind::Ticket:
            pool.tickets.push_back({entry.number, entry.game, entry.ticketDate, entry.numbers,
                                    entry.copy, life, entry.recorded});
            break;
        case PoolEntry::Kind::Share:
            if (life.now())
                pool.shares.push_back(entry);
            break;
        case PoolEntry::Kind::Pool:
        case PoolEntry::Kind::TakenBack:
            break;
        }
    }

    for (std::size_t at = 0; at < m_pools.size(); ++at) {
        Pool &pool = m_pools[at];
        pool.names = int(namesOf[at].size());
        pool.firstNamed.assign(std::size_t(pool.names), LineLife::always);
        for (const Member &each : pool.memberLines)
            pool.firstNamed[std::size_t(each.id)] =
                std::min(pool.firstNamed[std::size_t(each.id)], each.life.recorded());
        // A payment of a name that never was a member's pays into nothing.
        std::vector<bool> member(std::size_t(pool.names), false);
        for (const Member &each : pool.memberLines)
            member[std::size_t(each.id)] = true;
        for (const Payment &payment : pool.payments) {
            if (!member[std::size_t(payment.payer)])
                m_problems << QStringLiteral("Line No. %1 is a payment of %2, who is no member "
                                             "of %3")
                                  .arg(payment.number)
                                  .arg(payment.member, pool.name);
        }
        std::erase_if(pool.payments,
                      [&](const Payment &payment) { return !member[std::size_t(payment.payer)]; });
        // When each payment's first draw was drawn: the earliest of the
        // pool's games that day, the end of the day where it has none.
        std::vector<QString> games;
        for (const Ticket &ticket : pool.tickets) {
            if (std::find(games.begin(), games.end(), ticket.game) == games.end())
                games.push_back(ticket.game);
        }
        std::map<int, std::int64_t> drawn;
        for (Payment &payment : pool.payments) {
            auto [day, fresh] = drawn.emplace(payment.dates.first, 0);
            if (fresh) {
                day->second = DrawnAt(QString(), payment.dates.first);
                for (const QString &game : games)
                    day->second = std::min(day->second, DrawnAt(game, payment.dates.first));
            }
            payment.firstDrawn = day->second;
        }
        for (std::size_t each = 0; each < pool.payments.size(); ++each) {
            const TicketDates &dates = pool.payments[each].dates;
            pool.byFirst.push_back(int(each));
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
        for (std::size_t each = 0; each < pool.tickets.size(); ++each) {
            const Ticket &ticket = pool.tickets[each];
            m_tickets[ticketKey({ticket.game, ticket.date, ticket.numbers}, ticket.copy)]
                .emplace_back(at, each);
        }
    }
    // A ticket put into a pool after another held it.
    for (const auto &lines : std::as_const(m_tickets)) {
        for (const auto &[pool, ticket] : lines) {
            const Ticket &into = m_pools[pool].tickets[ticket];
            for (const auto &[other, earlier] : lines) {
                const Ticket &before = m_pools[other].tickets[earlier];
                if (other != pool && before.number < into.number)
                    m_moves.push_back({into.number,
                                       &m_pools[other],
                                       &m_pools[pool],
                                       into.life.recorded(),
                                       {into.game, into.date, into.numbers},
                                       into.copy});
            }
        }
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
    const auto found = m_tickets.constFind(ticketKey({game, date, numbers}, copy));
    if (found == m_tickets.cend())
        return nullptr;
    for (const auto &[pool, ticket] : *found) {
        if (m_pools[pool].tickets[ticket].life.now())
            return &m_pools[pool];
    }
    return nullptr;
}

PoolLedger::Holding PoolLedger::holderAt(const TicketCells &cells, int copy,
                                         std::int64_t instant) const
{
    const auto found = m_tickets.constFind(ticketKey(cells, copy));
    if (found == m_tickets.cend())
        return {};
    Holding late;
    for (const auto &[pool, ticket] : *found) {
        const Ticket &line = m_pools[pool].tickets[ticket];
        if (line.life.at(instant))
            return {&m_pools[pool], &line, false};
        if (!late.pool && line.life.countsFor(instant))
            late = {&m_pools[pool], &line, true};
    }
    return late;
}

bool PoolLedger::inForce(int number) const
{
    const auto found = m_now.find(number);
    return found != m_now.end() && found->second;
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
        if (!KeptCells::dayOf(entry.draws))
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
