#include "poolmoves.h"

#include "amounttext.h"
#include "civildate.h"

namespace {

QString dayText(int date)
{
    return QString::fromStdString(CivilDate::text(date));
}

bool sameTicket(const TicketCopy &a, const TicketCells &cells, int copy)
{
    return a.copy == copy && TicketCells{a.game, a.date, a.numbers} == cells;
}

} // namespace

namespace PoolMoves {

QString refused(const PoolLedger &ledger, const std::vector<Winning> &winnings,
                const TicketCopy &ticket, const QString &pool)
{
    const TicketCells cells{ticket.game, ticket.date, ticket.numbers};
    for (const Winning &winning : winnings) {
        if (!sameTicket(winning.ticket, cells, ticket.copy))
            continue;
        const PoolLedger::Holding holding =
            ledger.holderAt(cells, ticket.copy, DrawnAt(ticket.game, winning.drawDate));
        if (holding.pool && holding.pool->name.compare(pool, Qt::CaseInsensitive) != 0)
            return QStringLiteral("The ticket %1, %2 won %3 in the draw of %4 while in %5: its "
                                  "prize is %5's, and the ticket cannot move to %6.")
                .arg(ticket.game, ticket.numbers, winning.prize, dayText(winning.drawDate),
                     holding.pool->name, pool);
    }
    return {};
}

QStringList afterWins(const PoolLedger &ledger, const PoolLedger::Pool &pool,
                      const std::vector<Winning> &winnings)
{
    QStringList said;
    for (const PoolLedger::Move &move : ledger.moves()) {
        if (move.from != &pool)
            continue;
        for (const Winning &winning : winnings) {
            const std::int64_t drawn = DrawnAt(winning.game, winning.drawDate);
            if (move.at > drawn && sameTicket(winning.ticket, move.cells, move.copy) &&
                ledger.holderAt(move.cells, move.copy, drawn).pool == &pool)
                said << QStringLiteral("Line No. %1 puts the ticket %2, %3 into %4 after its "
                                       "draw of %5, which it won while in %6: the prize stays "
                                       "%6's.")
                            .arg(move.number)
                            .arg(winning.game, winning.numbers, move.to->name,
                                 dayText(winning.drawDate), pool.name);
        }
    }
    return said;
}

} // namespace PoolMoves
