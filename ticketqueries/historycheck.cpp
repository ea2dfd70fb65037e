#include "historycheck.h"

#include <algorithm>
#include <numeric>

HistoryCheck::HistoryCheck(QStringView game, DrawList draws)
    : m_game(game, std::vector<int>()), m_draws(std::move(draws)),
      m_byDate(std::size_t(m_draws.size()))
{
    std::iota(m_byDate.begin(), m_byDate.end(), 0);
    std::stable_sort(m_byDate.begin(), m_byDate.end(),
                     [this](int a, int b) { return m_draws.date(a) < m_draws.date(b); });
}

bool HistoryCheck::concerns(const LogList &list, int row) const
{
    return m_game.concerns(list, row);
}

std::pair<DrawMatch, int> HistoryCheck::match(const LogList &list, int row) const
{
    std::pair<DrawMatch, int> best = {{DrawMatch::NoDraw}, -1};
    const std::optional<int> date = DateKey(list, row);
    if (!date)
        return best;
    const auto first =
        std::lower_bound(m_byDate.begin(), m_byDate.end(), *date,
                         [this](int draw, int day) { return m_draws.date(draw) < day; });
    // In file order: among equal results, the draw that stands first.
    for (auto draw = first; draw != m_byDate.end() && m_draws.date(*draw) == *date; ++draw) {
        m_draws.numbers(*draw, m_winning);
        m_game.sortWinning(m_winning, m_sortedWinning);
        const DrawMatch match = m_game.match(list, row, m_winning, m_sortedWinning);
        if (best.second < 0 || match.betterThan(best.first))
            best = {match, *draw};
    }
    return best;
}
