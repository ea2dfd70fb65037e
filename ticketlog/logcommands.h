#pragma once

#include "logentry.h"
#include "loglist.h"

#include <QString>

// ADD: appends the ticket as the last row, then saves the whole list.
bool AddTicket(LogList &list, const LogEntry &ticket, const QString &path,
               QString *errorString = nullptr);

// DELETE: removes the selected row (none when selectedRow is -1), then saves
// the whole list in every case.
bool DeleteTicket(LogList &list, int selectedRow, const QString &path,
                  QString *errorString = nullptr);
