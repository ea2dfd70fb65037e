#include "poolcolumns.h"

#include "claimcolumns.h"
#include "csvlines.h"
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
    Known
};

// A leading ' that kept a formula from running in a spreadsheet is not
// part of the cell.
QString cellOf(QStringView field)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (field.size() > 1 && field[0] == u'\'' && formulaStarts.contains(field[1]))
        field = field.mid(1);
    return field.toString();
}

std::optional<int> wholeOf(QStringView field)
{
    bool number = false;
    const int value = field.trimmed().toInt(&number);
    return number && value > 0 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

std::optional<PoolColumns> PoolColumns::of(const QList<QStringView> &titles)
{
    const QStringList known = PoolEntry::titles();
    PoolColumns columns;
    columns.m_at.assign(Known, -1);
    columns.m_width = int(titles.size());
    for (int at = 0; at < titles.size(); ++at) {
        qsizetype found = -1;
        for (qsizetype each = 0; each < known.size() && found < 0; ++each) {
            if (titles[at].trimmed().compare(known[each], Qt::CaseInsensitive) == 0)
                found = each;
        }
        if (found >= 0 && columns.m_at[std::size_t(found)] < 0) {
            columns.m_at[std::size_t(found)] = at;
        } else {
            columns.m_extraAt.push_back(at);
            columns.m_extraTitles << titles[at].toString();
        }
    }
    for (const Column needed : {Number, Recorded, Pool, Entry}) {
        if (columns.m_at[needed] < 0)
            return std::nullopt;
    }
    return columns;
}

std::optional<PoolEntry> PoolColumns::read(const QList<QStringView> &fields) const
{
    if (fields.size() != m_width)
        return std::nullopt;
    const auto field = [&](Column column) {
        return m_at[column] < 0 ? QStringView() : fields[m_at[column]];
    };
    PoolEntry entry;
    const std::optional<int> number = wholeOf(field(Number));
    if (!number)
        return std::nullopt;
    entry.number = *number;
    entry.recorded = field(Recorded).trimmed().toString();
    entry.pool = cellOf(field(Pool)).trimmed();
    entry.member = cellOf(field(Member)).trimmed();
    entry.contact = cellOf(field(Contact)).trimmed();
    entry.draws = cellOf(field(Draws)).trimmed();
    entry.game = cellOf(field(Game));
    entry.ticketDate = cellOf(field(TicketDate));
    entry.numbers = cellOf(field(Numbers));
    entry.drawDate = ClaimDayOf(field(Draw));
    entry.claimed = ClaimDayOf(field(Claimed));
    const QString kind = field(Entry).trimmed().toString();
    bool found = false;
    for (const PoolEntry::Kind each :
         {PoolEntry::Kind::Pool, PoolEntry::Kind::Member, PoolEntry::Kind::Payment,
          PoolEntry::Kind::Ticket, PoolEntry::Kind::Share, PoolEntry::Kind::TakenBack}) {
        if (kind.compare(PoolEntry::kindText(each), Qt::CaseInsensitive) == 0) {
            entry.kind = each;
            found = true;
        }
    }
    if (!found || entry.pool.isEmpty() || !entry.recordedDay())
        return std::nullopt;
    for (const auto &[column, member] :
         {std::pair{Amount, &PoolEntry::amount}, std::pair{Federal, &PoolEntry::federal},
          std::pair{StateWithheld, &PoolEntry::stateWithheld}}) {
        const std::optional<std::int64_t> cents = CsvLines::centsOf(field(column));
        if (!cents || *cents < 0)
            return std::nullopt;
        entry.*member = *cents;
    }
    using Kind = PoolEntry::Kind;
    switch (entry.kind) {
    case Kind::Pool: {
        const QString split = field(Split).trimmed().toString();
        const QString small = field(SmallPrizes).trimmed().toString();
        if (split.compare(PoolEntry::splitText(PoolEntry::Split::ByAmountPaid),
                          Qt::CaseInsensitive) == 0)
            entry.split = PoolEntry::Split::ByAmountPaid;
        else if (split.compare(PoolEntry::splitText(PoolEntry::Split::Equal),
                               Qt::CaseInsensitive) != 0)
            return std::nullopt;
        entry.keepsSmallPrizes = small.compare(QStringLiteral("Kept"), Qt::CaseInsensitive) == 0;
        if ((!entry.keepsSmallPrizes &&
             small.compare(QStringLiteral("Split"), Qt::CaseInsensitive) != 0) ||
            !ClaimDayOf(entry.draws) || entry.member.isEmpty())
            return std::nullopt;
        break;
    }
    case Kind::Member:
        if (entry.member.isEmpty())
            return std::nullopt;
        break;
    case Kind::Payment:
        if (entry.member.isEmpty() || !TicketDates::of(QStringView(entry.draws)))
            return std::nullopt;
        break;
    case Kind::Ticket:
    case Kind::Share: {
        const std::optional<int> copy = wholeOf(field(Copy));
        if (entry.game.isEmpty() || !copy)
            return std::nullopt;
        entry.copy = *copy;
        if (entry.kind == Kind::Share &&
            (entry.member.isEmpty() || !entry.drawDate || !entry.claimed))
            return std::nullopt;
        break;
    }
    case Kind::TakenBack: {
        const std::optional<int> taken = wholeOf(field(TakesBack));
        if (!taken || *taken >= entry.number)
            return std::nullopt;
        entry.takesBack = *taken;
        break;
    }
    }
    for (const int at : m_extraAt)
        entry.extra << fields[at].toString();
    return entry;
}

QStringList PoolColumns::arranged(const PoolEntry &entry) const
{
    const QStringList fields = entry.fields();
    QStringList line(m_width);
    for (int column = 0; column < Known; ++column) {
        if (m_at[std::size_t(column)] >= 0)
            line[m_at[std::size_t(column)]] = fields.value(column);
    }
    return line;
}
