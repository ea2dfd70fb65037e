#include "numbercounts.h"

#include "gamekey.h"
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
    const DrawCheck game = checked ? *checked : DrawCheck(key);
    counts.rules = game.rules();
    const LotteryGame *rules = counts.rules;
    // A lotto's bonus number is no winning number of its own.
    const int whites = rules && rules->hasExtra() ? rules->count : -1;
    const bool balls = rules && rules->hasBall();
    // The ranges of the days the file's draws span, the widest of them.
    int last = rules ? rules->latest().last : 0;
    int ballLast = rules ? rules->latest().ballLast : 0;
    if (draws && rules && !draws->empty()) {
        int from = draws->date(0);
        int to = from;
        for (int draw = 1; draw < draws->size(); ++draw) {
            from = std::min(from, draws->date(draw));
            to = std::max(to, draws->date(draw));
        }
        for (const GameEra &era : rules->eras) {
            if (&era == &rules->eraOn(from) || (era.from > from && era.from <= to)) {
                last = std::max(last, era.last);
                ballLast = std::max(ballLast, era.ballLast);
            }
        }
    }
    Tally numbers(rules ? rules->first : 0, last, rules != nullptr);
    Tally ballTally(1, ballLast, rules != nullptr);
    std::vector<int> read;
    const auto tally = [&](const std::vector<int> &drawn, bool isDraw) {
        for (std::size_t at = 0; at < drawn.size(); ++at) {
            if (whites >= 0 && int(at) == whites && balls)
                ballTally.add(drawn[at], isDraw);
            else if (whites < 0 || int(at) < whites)
                numbers.add(drawn[at], isDraw);
        }
    };
    // A ticket's play as the check reads it: its ball wherever it is marked.
    for (int at = 0; at < listed; ++at) {
        const int row = listing.logRow(at);
        if (!checked && !game.concerns(log, row))
            continue;
        const TicketPlay &play = game.readPlay(log, row);
        ++counts.tickets;
        for (const int number : play.numbers)
            numbers.add(number, false);
        if (balls && play.ball >= 0)
            ballTally.add(play.ball, false);
    }
    if (draws) {
        counts.draws = draws->size();
        for (int draw = 0; draw < draws->size(); ++draw) {
            draws->numbers(draw, read);
            tally(read, true);
        }
    }
    counts.numbers = numbers.bars(&counts.moreNumbers);
    counts.balls = balls ? ballTally.bars(&counts.moreNumbers) : std::vector<Bar>();
    return counts;
}
