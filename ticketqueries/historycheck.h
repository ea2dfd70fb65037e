#pragma once

#include "drawcheck.h"
#include "drawlist.h"
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
    // The best result and the draw it came from; no draw, and -1, for a
    // ticket none of whose days has a draw, or whose date no rule reads.
    std::pair<DrawMatch, int> match(const LogList &list, int row) const;

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
        int fileLast = 0;      // the file's last day, yyyymmdd, where some are to come
    };
    Days days(const LogList &list, int row) const;

private:
    // Calls each(day) for the best draw of each of the ticket's days the file
    // holds; returns the ticket's dates, if any rule reads them.
    std::optional<TicketDates> forEachDay(const LogList &list, int row,
                                          const std::function<void(const Day &)> &each) const;

    DrawCheck m_game; // the game, whose rules each draw is checked by
    DrawList m_draws;
    std::vector<int> m_byDate; // the draws, by day, in file order on each
    mutable std::vector<int> m_drawn;
    mutable WinningDraw m_winning;
    mutable WinningDraw m_doublePlay;
};
