#include "historycheck.h"

#include <algorithm>
#include <numeric>

HistoryCheck::HistoryCheck(QStringView game, DrawList draws)
    : m_game(game), m_draws(std::move(draws)), m_byDate(std::size_t(m_draws.size()))
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
    bool read = false;
    for (auto draw = first; draw != m_byDate.end() && m_draws.date(*draw) == *date; ++draw) {
        if (!read) {
            m_game.readTicket(list, row);
            read = true;
        }
        m_draws.numbers(*draw, m_drawn);
        m_game.prepare(m_drawn, m_winning);
        const DrawMatch match = m_game.matchTicket(m_winning);
        if (best.second < 0 || match.betterThan(best.first))
            best = {match, *draw};
    }
    return best;
}
