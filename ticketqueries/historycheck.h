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

    int drawCount() const { return int(m_winning.size()); }
    const std::vector<int> &drawNumbers(int index) const { return m_winning[std::size_t(index)]; }
    bool concerns(const LogList &list, int row) const;
    // The best result and the draw it came from; -1 for a ticket whose date
    // has no draw, or whose date no rule reads.
    std::pair<DrawMatch, int> match(const LogList &list, int row) const;

private:
    DrawCheck m_game; // the game, whose rules each draw is checked by
    std::vector<std::vector<int>> m_winning;
    std::vector<std::vector<int>> m_sortedWinning;
    QMultiHash<int, int> m_byDate; // date to draw
};
