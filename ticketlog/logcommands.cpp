#include "logcommands.h"

#include "logfile.h"

bool AddTicket(LogList &list, const LogEntry &ticket, const QString &path, QString *errorString)
{
    list.append(ticket.game);
    const int row = list.size() - 1;
    list.setSubItem(row, 1, ticket.date);
    list.setSubItem(row, 2, ticket.numbers);
    return SaveLogFile(list, path, errorString);
}

bool DeleteTicket(LogList &list, int selectedRow, const QString &path, QString *errorString)
{
    if (list.size() > 0 && selectedRow >= 0 && selectedRow < list.size())
        list.remove(selectedRow);
    return SaveLogFile(list, path, errorString);
}
