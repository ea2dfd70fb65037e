#pragma once

// What the readers of other programs' files promise whatever the bytes: no
// cell of a ticket with a line break, and draws of real days only, each with
// numbers. Shared by the fuzz target and the tests of what it found.
#include "drawhistory.h"
#include "ticketcsv.h"

inline bool textFilesReadSafely(const QByteArray &bytes)
{
    const TicketsRead read = ReadTicketsCsv(bytes);
    for (int ticket = 0; ticket < read.count(); ++ticket) {
        for (int column = 0; column < 3; ++column) {
            if (read.cell(ticket, column).contains(u'\r') ||
                read.cell(ticket, column).contains(u'\n'))
                return false;
        }
    }
    for (const char *game : {"Pick 3", "Powerball"}) {
        for (const PastDraw &draw : ReadDrawHistory(bytes, QString::fromLatin1(game)).draws) {
            const int month = draw.date / 100 % 100;
            const int day = draw.date % 100;
            if (draw.numbers.empty() || month < 1 || month > 12 || day < 1 || day > 31)
                return false;
        }
    }
    return true;
}
