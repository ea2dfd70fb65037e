#include "numbercounts.h"

#include "listedtickets.h"

#include <algorithm>
#include <map>

namespace {

// Counts into bars by number: a range's, or one grown as numbers come.
class Tally
{
public:
    Tally(int first, int last, bool known) : m_first(first), m_known(known)
    {
        if (known)
            m_counts.resize(std::size_t(last - first + 1));
    }
    void add(int number, bool drawn)
    {
        if (m_known) {
            if (number >= m_first && number - m_first < int(m_counts.size()))
                (drawn ? m_counts[std::size_t(number - m_first)].second
                       : m_counts[std::size_t(number - m_first)].first)++;
            return;
        }
        auto &count = m_seen[number];
        (drawn ? count.second : count.first)++;
    }
    std::vector<NumberCounts::Bar> bars(int *more) const
    {
        std::vector<NumberCounts::Bar> bars;
        if (m_known) {
            for (std::size_t at = 0; at < m_counts.size(); ++at)
                bars.push_back({m_first + int(at), m_counts[at].first, m_counts[at].second});
            return bars;
        }
        for (const auto &[number, count] : m_seen) {
            if (int(bars.size()) == NumberCounts::mostBars) {
                ++*more;
                continue;
            }
            bars.push_back({number, count.first, count.second});
        }
        return bars;
    }

private:
    int m_first;
    bool m_known;
    std::vector<std::pair<int, int>> m_counts;
    std::map<int, std::pair<int, int>> m_seen;
};

} // namespace

NumberCounts NumberCounts::of(const ListedTickets &listing)
{
    NumberCounts counts;
    const LogList &log = listing.log();
    const DrawCheck *checked = listing.checkedGame();
    const DrawList *draws = listing.seasonDraws();
    const int listed = listing.rowCount();
    QString key = checked ? checked->gameKey() : QString();
    for (int at = 0; at < listed; ++at) {
        const QString game = log.text(listing.logRow(at), 0);
        if (key.isEmpty())
            key = GameKey(game);
        if (GameKey(game) == key) {
            counts.game = game.trimmed();
            break;
        }
    }
    if (key.isEmpty())
        return counts;
    const DrawCheck game = checked ? *checked : DrawCheck(key, std::vector<int>());
    counts.rules = game.rules();
    const LotteryGame *rules = counts.rules;
    const bool digits = rules && rules->kind == LotteryGame::Kind::Digits;
    const int whites = rules && rules->hasBall() ? rules->count : -1;
    Tally numbers(rules ? rules->first : 0, rules ? rules->last : 0, rules != nullptr);
    Tally balls(rules ? rules->ballFirst : 0, rules ? rules->ballLast : 0, rules != nullptr);
    std::vector<int> read;
    const auto tally = [&](const std::vector<int> &drawn, bool isDraw) {
        for (std::size_t at = 0; at < drawn.size(); ++at) {
            if (whites >= 0 && int(at) == whites)
                balls.add(drawn[at], isDraw);
            else if (whites < 0 || int(at) < whites)
                numbers.add(drawn[at], isDraw);
        }
    };
    for (int at = 0; at < listed; ++at) {
        const int row = listing.logRow(at);
        if (!checked && !game.concerns(log, row))
            continue;
        if (const std::optional<QByteArrayView> bytes = log.savedBytes(row, 2))
            ReadNumbersIn(*bytes, digits, read);
        else
            ReadNumbersIn(log.text(row, 2), digits, read);
        ++counts.tickets;
        tally(read, false);
    }
    if (draws) {
        counts.draws = draws->size();
        for (int draw = 0; draw < draws->size(); ++draw) {
            draws->numbers(draw, read);
            tally(read, true);
        }
    }
    counts.numbers = numbers.bars(&counts.moreNumbers);
    counts.balls = whites >= 0 ? balls.bars(&counts.moreNumbers) : std::vector<Bar>();
    return counts;
}
