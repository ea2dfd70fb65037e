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

std::optional<TicketDates>
HistoryCheck::forEachDay(const LogList &list, int row,
                         const std::function<void(const Day &)> &each) const
{
    const std::optional<TicketDates> dates = TicketDates::of(list, row);
    if (!dates)
        return dates;
    auto draw = std::lower_bound(m_byDate.begin(), m_byDate.end(), dates->first,
                                 [this](int index, int day) { return m_draws.date(index) < day; });
    const int lastDay = dates->last != 0 ? dates->last : dates->count == 1 ? dates->first : 0;
    bool read = false;
    for (int days = 0; draw != m_byDate.end(); ++days) {
        const int day = m_draws.date(*draw);
        if ((lastDay != 0 && day > lastDay) || (dates->last == 0 && days == dates->count))
            break;
        // In file order: among equal results, the draw that stands first.
        std::optional<Day> best;
        for (; draw != m_byDate.end() && m_draws.date(*draw) == day; ++draw) {
            if (!read) {
                m_game.readTicket(list, row);
                read = true;
            }
            m_draws.numbers(*draw, m_drawn);
            m_game.prepare(m_drawn, m_winning);
            Day result = {*draw, m_game.matchTicket(m_winning), std::nullopt};
            if (m_game.playsDoublePlay() && m_draws.secondNumbers(*draw, m_drawn)) {
                m_game.prepare(m_drawn, m_doublePlay);
                result.doublePlay = m_game.matchTicket(m_doublePlay);
            }
            if (!best || result.best().betterThan(best->best()))
                best = result;
        }
        each(*best);
    }
    return dates;
}

std::pair<DrawMatch, int> HistoryCheck::match(const LogList &list, int row) const
{
    std::pair<DrawMatch, int> best = {{DrawMatch::NoDraw}, -1};
    forEachDay(list, row, [&](const Day &day) {
        if (best.second < 0 || day.best().betterThan(best.first))
            best = {day.best(), day.draw};
    });
    return best;
}

HistoryCheck::Days HistoryCheck::days(const LogList &list, int row) const
{
    Days days;
    const std::optional<TicketDates> dates =
        forEachDay(list, row, [&](const Day &day) { days.held.push_back(day); });
    if (!dates || m_byDate.empty())
        return days;
    const int fileLast = m_draws.date(m_byDate.back());
    if (dates->last == 0) {
        days.toCome = dates->count - int(days.held.size());
    } else if (dates->last > fileLast) {
        const LotteryGame *rules = m_game.rules();
        const int after = fileLast >= dates->first ? fileLast : DayBefore(dates->first);
        days.toCome = rules ? DrawDaysBetween(*rules, after, dates->last) : -1;
    }
    if (days.toCome != 0)
        days.fileLast = fileLast;
    return days;
}
