#pragma once

#include "loglist.h"
#include "lotterygame.h"

#include <QByteArrayView>
#include <QStringView>

#include <optional>

// The draws a ticket's DATE cell says it plays, as tickets print them: one
// day; the first and last of a run ("12/02/2026 - 12/30/2026", with "to",
// "thru" or "through" for the dash, and spaces around a dash); or the first
// and how many draws ("12/02/2026 x10", "12/02/2026, 10 draws"). Each date is
// read as the check reads dates; a dash without spaces is part of a date.
struct TicketDates
{
    int first = 0; // yyyymmdd
    int last = 0;  // a run's last day; 0 where the cell gives a count
    int count = 1; // draws from the first on, where last is 0

    bool isSeveral() const { return last != 0 || count > 1; }

    static std::optional<TicketDates> of(QStringView text);
    static std::optional<TicketDates> of(QByteArrayView bytes);
    // A ticket's, read from the file's own bytes where it can.
    static std::optional<TicketDates> of(const LogList &list, int row);

    // Whether the ticket plays the draw of a day. A count of draws is
    // counted on the game's draw days where the table knows them, else on
    // every day, so that a day past the ticket's draws is never taken for one.
    bool plays(int date, const LotteryGame *game) const;
    // The day of its last draw, yyyymmdd: a run's last day; a count's, on
    // the game's draw days; 0 where the table does not know those days.
    int lastDay(const LotteryGame *game) const;
};

// The days of the game's draws after one day up to another, both given as
// yyyymmdd; -1 where the table does not know the game's draw days.
int DrawDaysBetween(const LotteryGame &game, int after, int upTo);

// The day before, as yyyymmdd.
int DayBefore(int date);
