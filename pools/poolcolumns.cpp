#include "poolcolumns.h"

#include "keptcells.h"
#include "poolchain.h"
#include "ticketdates.h"

namespace {

enum Column
{
    Number,
    Recorded,
    Pool,
    Entry,
    Member,
    Contact,
    Amount,
    Draws,
    Game,
    TicketDate,
    Numbers,
    Copy,
    Draw,
    Claimed,
    Federal,
    StateWithheld,
    Split,
    SmallPrizes,
    TakesBack,
    Chain,
    Known
};

} // namespace

std::optional<PoolColumns> PoolColumns::of(const QList<QStringView> &titles)
{
    std::optional<KeptColumns> columns =
        KeptColumns::of(titles, PoolEntry::titles(), {Number, Recorded, Pool, Entry});
    if (!columns)
        return std::nullopt;
    return PoolColumns(std::move(*columns));
}

int PoolColumns::chainAt() const
{
    const int at = m_columns.at(Chain);
    return at >= 0 ? at : m_columns.width();
}

std::optional<int> PoolColumns::numberOf(const QList<QStringView> &fields) const
{
    return KeptCells::wholeOf(m_columns.field(fields, Number));
}

QString PoolColumns::chainOf(const QList<QStringView> &fields) const
{
    const int at = chainAt();
    const QStringView cell = at < fields.size() ? fields[at].trimmed() : QStringView();
    return PoolChain::isChain(cell) ? cell.toString().toLower() : QString();
}

std::optional<PoolEntry> PoolColumns::read(const QList<QStringView> &fields, QChar separator) const
{
    // A line of a file before chains may carry its chain after the titles.
    if (fields.size() != m_columns.width() &&
        (m_columns.at(Chain) >= 0 || fields.size() != m_columns.width() + 1))
        return std::nullopt;
    const auto field = [&](Column column) { return m_columns.field(fields, column); };
    PoolEntry entry;
    const std::optional<int> number = numberOf(fields);
    if (!number)
        return std::nullopt;
    entry.number = *number;
    entry.recorded = field(Recorded).trimmed().toString();
    entry.pool = KeptCells::text(field(Pool)).trimmed();
    entry.member = KeptCells::text(field(Member)).trimmed();
    entry.contact = KeptCells::text(field(Contact)).trimmed();
    entry.draws = KeptCells::text(field(Draws)).trimmed();
    entry.game = KeptCells::text(field(Game));
    entry.ticketDate = KeptCells::text(field(TicketDate));
    entry.numbers = KeptCells::text(field(Numbers));
    entry.drawDate = KeptCells::dayOf(field(Draw));
    entry.claimed = KeptCells::dayOf(field(Claimed));
    entry.chain = chainOf(fields);
    const QStringView kind = field(Entry).trimmed();
    bool found = false;
    for (const PoolEntry::Kind each :
         {PoolEntry::Kind::Pool, PoolEntry::Kind::Member, PoolEntry::Kind::Payment,
          PoolEntry::Kind::Ticket, PoolEntry::Kind::Share, PoolEntry::Kind::TakenBack}) {
        if (kind.compare(PoolEntry::kindText(each), Qt::CaseInsensitive) == 0) {
            entry.kind = each;
            found = true;
        }
    }
    const std::optional<std::int64_t> at = KeptCells::timeOf(entry.recorded);
    if (!found || entry.pool.isEmpty() || !at)
        return std::nullopt;
    entry.recordedAt = *at;
    for (const auto &[column, member] :
         {std::pair{Amount, &PoolEntry::amount}, std::pair{Federal, &PoolEntry::federal},
          std::pair{StateWithheld, &PoolEntry::stateWithheld}}) {
        const std::optional<std::int64_t> cents = KeptCells::centsOf(field(column), separator);
        if (!cents || *cents < 0)
            return std::nullopt;
        entry.*member = *cents;
    }
    using Kind = PoolEntry::Kind;
    switch (entry.kind) {
    case Kind::Pool: {
        const QStringView split = field(Split).trimmed();
        const QStringView small = field(SmallPrizes).trimmed();
        if (split.compare(PoolEntry::splitText(PoolEntry::Split::ByAmountPaid),
                          Qt::CaseInsensitive) == 0)
            entry.split = PoolEntry::Split::ByAmountPaid;
        else if (split.compare(PoolEntry::splitText(PoolEntry::Split::Equal),
                               Qt::CaseInsensitive) != 0)
            return std::nullopt;
        entry.keepsSmallPrizes = small.compare(u"Kept", Qt::CaseInsensitive) == 0;
        if ((!entry.keepsSmallPrizes && small.compare(u"Split", Qt::CaseInsensitive) != 0) ||
            !KeptCells::dayOf(entry.draws) || entry.member.isEmpty())
            return std::nullopt;
        break;
    }
    case Kind::Member:
        if (entry.member.isEmpty())
            return std::nullopt;
        break;
    case Kind::Payment: {
        const std::optional<TicketDates> dates = TicketDates::of(QStringView(entry.draws));
        if (entry.member.isEmpty() || !dates)
            return std::nullopt;
        entry.dates = *dates;
        break;
    }
    case Kind::Ticket:
    case Kind::Share: {
        const std::optional<int> copy = KeptCells::wholeOf(field(Copy));
        if (entry.game.isEmpty() || !copy)
            return std::nullopt;
        entry.copy = *copy;
        if (entry.kind == Kind::Share &&
            (entry.member.isEmpty() || !entry.drawDate || !entry.claimed))
            return std::nullopt;
        break;
    }
    case Kind::TakenBack: {
        const std::optional<int> taken = KeptCells::wholeOf(field(TakesBack));
        if (!taken || *taken >= entry.number)
            return std::nullopt;
        entry.takesBack = *taken;
        break;
    }
    }
    for (const int extra : m_columns.extraAt())
        entry.extra << fields[extra].toString();
    return entry;
}

QStringList PoolColumns::arranged(const PoolEntry &entry) const
{
    const QStringList fields = entry.fields();
    QStringList line(m_columns.width());
    for (int column = 0; column < Known; ++column) {
        if (m_columns.at(column) >= 0)
            line[m_columns.at(column)] = fields.value(column);
    }
    if (m_columns.at(Chain) < 0)
        line << entry.chain;
    return line;
}
