#pragma once

#include "logentry.h"
#include "loglist.h"
#include "savedlog.h"

#include <functional>

// ADD: appends the ticket as the last row, then saves the whole list.
SaveOutcome AddTicket(LogList &list, const LogEntry &ticket, SavedLog &log);

// Import: appends count tickets as the last rows, the cells of the n-th being
// cell(n, column), then saves the whole list once.
SaveOutcome AddTickets(LogList &list, int count, const std::function<QStringView(int, int)> &cell,
                       SavedLog &log);

// DELETE: removes the selected row (none when selectedRow is -1), then saves
// the whole list in every case.
SaveOutcome DeleteTicket(LogList &list, int selectedRow, SavedLog &log);
