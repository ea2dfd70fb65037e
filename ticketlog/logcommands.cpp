#include "logcommands.h"

namespace {

void append(LogList &list, const LogEntry &ticket)
{
    list.append(ticket.game);
    const int row = list.size() - 1;
    list.setSubItem(row, 1, ticket.date);
    list.setSubItem(row, 2, ticket.numbers);
}

} // namespace

SaveOutcome AddTicket(LogList &list, const LogEntry &ticket, SavedLog &log)
{
    append(list, ticket);
    return log.save(list);
}

SaveOutcome AddTickets(LogList &list, const std::vector<LogEntry> &tickets, SavedLog &log)
{
    for (const LogEntry &ticket : tickets)
        append(list, ticket);
    return log.save(list);
}

SaveOutcome DeleteTicket(LogList &list, int selectedRow, SavedLog &log)
{
    list.remove(selectedRow);
    return log.save(list);
}
