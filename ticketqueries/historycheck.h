#pragma once

#include "drawcheck.h"
#include "drawlist.h"
#include "listedticket.h"
#include "loglist.h"
#include "ticketdates.h"

#include <functional>
#include <vector>

// A season checked at once: every ticket of the game against the draws of
// its days, by the rules of a single check; where a day has several draws
// (midday and evening), the best result counts. A ticket of several draws
// ("12/02/2026 x10") plays each day of the file from its first on, within
// its run or its count.
class HistoryCheck
{
public:
    HistoryCheck(QStringView game, DrawList draws);

    const DrawCheck &game() const { return m_game; }
    int drawCount() const { return m_draws.size(); }
    const DrawList &draws() const { return m_draws; }
    std::vector<int> drawNumbers(int index) const { return m_draws.numbers(index); }
    bool concerns(const LogList &list, int row) const;
    // The ticket listed with its best result and the draw it came from; no
    // draw, and -1, for a ticket none of whose days has a draw, or whose date
    // no rule reads. Each day checked is also given to each, where given.
    struct Day;
    ListedTicket match(const LogList &list, int row,
                       const std::function<void(const Day &)> &each = {}) const;

    // A day of a ticket: its best draw, how the ticket fared, and where it
    // plays Double Play and the draw gives that drawing, how it fared there.
    struct Day
    {
        int draw;
        DrawMatch match;
        std::optional<DrawMatch> doublePlay;

        DrawMatch best() const
        {
            return doublePlay && doublePlay->betterThan(match) ? *doublePlay : match;
        }
    };
    // What a ticket's days came to: each day the file holds, and how many of
    // its days are still to come.
    struct Days
    {
        std::vector<Day> held; // in day order
        int toCome = 0;        // -1 where the days to come cannot be counted
    };
    Days days(const LogList &list, int row) const;

    // Calls each(day) for the best draw of each of the ticket's days the file
    // holds, in day order; returns the ticket's dates, if any rule reads them.
    std::optional<TicketDates> forEachDay(const LogList &list, int row,
                                          const std::function<void(const Day &)> &each) const;
    // A ticket checked again on one draw, Double Play's beside it.
    Day day(const LogList &list, int row, int draw) const;
    // How many of a ticket's draws come after the file's last, held of them
    // in the file; -1 where they cannot be counted.
    int toCome(const TicketDates &dates, int held) const;

private:
    // The ticket read last, on one draw.
    Day checkRead(int draw) const;
    std::vector<int>::const_iterator firstOnOrAfter(int date) const;

    DrawCheck m_game; // the game, whose rules each draw is checked by
    DrawList m_draws;
    std::vector<int> m_byDate;     // the draws, by day, in file order on each
    std::vector<int> m_slotStarts; // where each day's draws begin in m_byDate, by slot
    int m_firstSlot = 0;
    mutable WinningDraw m_winning;
    mutable WinningDraw m_doublePlay;
};
