#include "ticketcopies.h"

#include <QHash>

#include <algorithm>

namespace {

// Two rows' cells alike: as the file's bytes where both were read from it,
// as text where either was typed.
bool sameCells(const LogList &log, int row, int other)
{
    for (int column = 0; column < 3; ++column) {
        const std::optional<QByteArrayView> a = log.savedBytes(row, column);
        const std::optional<QByteArrayView> b = log.savedBytes(other, column);
        if (a && b ? *a != *b : log.text(row, column) != log.text(other, column))
            return false;
    }
    return true;
}

} // namespace

TicketCopy TicketCopy::of(const LogList &log, int row)
{
    TicketCopy ticket{log.text(row, 0), log.text(row, 1), log.text(row, 2), 1};
    for (int above = 0; above < row; ++above) {
        if (sameCells(log, row, above))
            ++ticket.copy;
    }
    return ticket;
}

std::unordered_map<int, TicketCopy> TicketCopy::ofRows(const LogList &log, std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::unordered_map<int, TicketCopy> copies;
    copies.reserve(rows.size());
    QHash<QString, int> seen;
    for (const int row : rows) {
        TicketCopy ticket{log.text(row, 0), log.text(row, 1), log.text(row, 2), 1};
        ticket.copy = ++seen[ticket.game + u'\n' + ticket.date + u'\n' + ticket.numbers];
        copies.emplace(row, std::move(ticket));
    }
    return copies;
}

bool TicketCopy::cellsOf(const LogList &log, int row) const
{
    return log.text(row, 2) == numbers && log.text(row, 0) == game && log.text(row, 1) == date;
}

std::optional<int> TicketCopy::rowIn(const LogList &log) const
{
    int seen = 0;
    for (int row = 0; row < log.size(); ++row) {
        if (cellsOf(log, row) && ++seen == copy)
            return row;
    }
    return std::nullopt;
}
