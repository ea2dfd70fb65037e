#pragma once

#include "drawcheck.h"
#include "loglist.h"

#include <QHash>

#include <vector>

// A draw of a lottery's file of past draws: its day, as DateKey gives it,
// its winning numbers, and the line it stands on.
struct PastDraw
{
    int date;
    std::vector<int> numbers;
    int line;
};

// A season checked at once: every ticket of the game against the draws of
// its date, by the rules of a single check; where a date has several draws
// (midday and evening), the best result counts.
class HistoryCheck
{
public:
    HistoryCheck(QStringView game, std::vector<PastDraw> draws);

    int drawCount() const { return int(m_draws.size()); }
    const PastDraw &draw(int index) const { return m_draws[std::size_t(index)]; }
    bool concerns(const LogList &list, int row) const;
    // The best result and the draw it came from; -1 for a ticket whose date
    // has no draw, or whose date no rule reads.
    std::pair<DrawMatch, int> match(const LogList &list, int row) const;

private:
    std::vector<PastDraw> m_draws;
    std::vector<DrawCheck> m_checks; // one a draw
    DrawCheck m_game;                // the game alone
    QMultiHash<int, int> m_byDate;   // date to draw
};
