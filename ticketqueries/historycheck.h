#pragma once

#include "drawcheck.h"
#include "drawlist.h"
#include "loglist.h"

#include <vector>

// A season checked at once: every ticket of the game against the draws of
// its date, by the rules of a single check; where a date has several draws
// (midday and evening), the best result counts.
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
    // ticket whose date has no draw, or whose date no rule reads.
    std::pair<DrawMatch, int> match(const LogList &list, int row) const;

private:
    DrawCheck m_game; // the game, whose rules each draw is checked by
    DrawList m_draws;
    std::vector<int> m_byDate; // the draws, by day, in file order on each
    mutable std::vector<int> m_drawn;
    mutable WinningDraw m_winning;
};
