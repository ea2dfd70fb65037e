#include "logcommands.h"

SaveOutcome AddTicket(LogList &list, const LogEntry &ticket, SavedLog &log)
{
    const QString *cells[] = {&ticket.game, &ticket.date, &ticket.numbers};
    return AddTickets(
        list, 1, [&](int, int column) { return QStringView(*cells[column]); }, log);
}

SaveOutcome AddTickets(LogList &list, int count, const std::function<QStringView(int, int)> &cell,
                       SavedLog &log)
{
    for (int ticket = 0; ticket < count; ++ticket) {
        list.append(cell(ticket, 0));
        const int row = list.size() - 1;
        list.setSubItem(row, 1, cell(ticket, 1));
        list.setSubItem(row, 2, cell(ticket, 2));
    }
    return log.save(list);
}

SaveOutcome DeleteTicket(LogList &list, int selectedRow, SavedLog &log)
{
    list.remove(selectedRow);
    return log.save(list);
}
