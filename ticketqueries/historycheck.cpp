#include "historycheck.h"

HistoryCheck::HistoryCheck(QStringView game, std::vector<PastDraw> draws)
    : m_game(game, std::vector<int>())
{
    m_winning.reserve(draws.size());
    m_sortedWinning.reserve(draws.size());
    for (PastDraw &draw : draws) {
        m_byDate.insert(draw.date, int(m_winning.size()));
        m_sortedWinning.push_back(m_game.sortedWinning(draw.numbers));
        m_winning.push_back(std::move(draw.numbers));
    }
}

bool HistoryCheck::concerns(const LogList &list, int row) const
{
    return m_game.concerns(list, row);
}

std::pair<DrawMatch, int> HistoryCheck::match(const LogList &list, int row) const
{
    const std::optional<int> date = DateKey(list, row);
    std::pair<DrawMatch, int> best = {{}, -1};
    if (!date)
        return best;
    for (auto draw = m_byDate.constFind(*date); draw != m_byDate.cend() && draw.key() == *date;
         ++draw) {
        const DrawMatch match = m_game.match(list, row, m_winning[std::size_t(*draw)],
                                             m_sortedWinning[std::size_t(*draw)]);
        // Among equal results, the draw that stands first in the file.
        if (best.second < 0 || match.betterThan(best.first) ||
            (!best.first.betterThan(match) && *draw < best.second))
            best = {match, *draw};
    }
    return best;
}
