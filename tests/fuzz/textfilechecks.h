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
        const DrawList draws = ReadDrawHistory(bytes, QString::fromLatin1(game)).draws;
        for (int draw = 0; draw < draws.size(); ++draw) {
            const int month = draws.date(draw) / 100 % 100;
            const int day = draws.date(draw) % 100;
            if (draws.numbers(draw).empty() || month < 1 || month > 12 || day < 1 || day > 31)
                return false;
        }
    }
    return true;
}
