#include "historycheck.h"

HistoryCheck::HistoryCheck(QStringView game, std::vector<PastDraw> draws)
    : m_draws(std::move(draws)), m_game(game, std::vector<int>())
{
    m_checks.reserve(m_draws.size());
    for (int index = 0; index < int(m_draws.size()); ++index) {
        m_checks.emplace_back(game, m_draws[std::size_t(index)].numbers);
        m_byDate.insert(m_draws[std::size_t(index)].date, index);
    }
}

bool HistoryCheck::concerns(const LogList &list, int row) const
{
    return m_game.concerns(list, row);
}

std::pair<DrawMatch, int> HistoryCheck::match(const LogList &list, int row) const
{
    const std::optional<QByteArrayView> bytes = list.savedBytes(row, 1);
    const std::optional<int> date = bytes ? DateKey(*bytes) : DateKey(list.text(row, 1));
    std::pair<DrawMatch, int> best = {{}, -1};
    if (!date)
        return best;
    for (auto draw = m_byDate.constFind(*date); draw != m_byDate.cend() && draw.key() == *date;
         ++draw) {
        const DrawMatch match = m_checks[std::size_t(*draw)].match(list, row);
        // Among equal results, the draw that stands first in the file.
        if (best.second < 0 || match.betterThan(best.first) ||
            (!best.first.betterThan(match) && *draw < best.second))
            best = {match, *draw};
    }
    return best;
}
