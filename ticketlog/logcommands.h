#pragma once

#include "logentry.h"
#include "loglist.h"
#include "savedlog.h"

#include <vector>

// ADD: appends the ticket as the last row, then saves the whole list.
SaveOutcome AddTicket(LogList &list, const LogEntry &ticket, SavedLog &log);

// Import: appends the tickets as the last rows, then saves the whole list
// once.
SaveOutcome AddTickets(LogList &list, const std::vector<LogEntry> &tickets, SavedLog &log);

// DELETE: removes the selected row (none when selectedRow is -1), then saves
// the whole list in every case.
SaveOutcome DeleteTicket(LogList &list, int selectedRow, SavedLog &log);
