#include "logcommands.h"

SaveOutcome AddTicket(LogList &list, const LogEntry &ticket, SavedLog &log)
{
    list.append(ticket.game);
    const int row = list.size() - 1;
    list.setSubItem(row, 1, ticket.date);
    list.setSubItem(row, 2, ticket.numbers);
    return log.save(list);
}

SaveOutcome DeleteTicket(LogList &list, int selectedRow, SavedLog &log)
{
    list.remove(selectedRow);
    return log.save(list);
}
