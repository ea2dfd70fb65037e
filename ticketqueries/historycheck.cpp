#include "historycheck.h"

#include <algorithm>
#include <numeric>

namespace {

// A day's place in a calendar of 31-day months: a day of a draw is found at
// once, with no date reckoned, and no more than a few places lie empty.
int slotOf(int date)
{
    return (date / 10000 * 12 + date / 100 % 100 - 1) * 31 + date % 100 - 1;
}

// The most slotCount kept, four megabytes: far more than a century of days.
constexpr std::size_t mostSlots = std::size_t(1) << 20;

} // namespace

HistoryCheck::HistoryCheck(QStringView game, DrawList draws)
    : m_game(game), m_draws(std::move(draws)), m_byDate(std::size_t(m_draws.size()))
{
    std::iota(m_byDate.begin(), m_byDate.end(), 0);
    std::stable_sort(m_byDate.begin(), m_byDate.end(),
                     [this](int a, int b) { return m_draws.date(a) < m_draws.date(b); });
    if (m_byDate.empty())
        return;
    m_firstSlot = slotOf(m_draws.date(m_byDate.front()));
    const auto slotCount = std::size_t(slotOf(m_draws.date(m_byDate.back())) - m_firstSlot + 1);
    if (slotCount > mostSlots)
        return;
    m_slotStarts.resize(slotCount + 1);
    std::size_t slot = 0;
    for (std::size_t at = 0; at < m_byDate.size(); ++at) {
        const auto own = std::size_t(slotOf(m_draws.date(m_byDate[at])) - m_firstSlot);
        while (slot <= own)
            m_slotStarts[slot++] = int(at);
    }
    m_slotStarts[slotCount] = int(m_byDate.size());
}

// Where the draws of the day, or of the first day after it with draws,
// begin among the draws by day.
std::vector<int>::const_iterator HistoryCheck::firstOnOrAfter(int date) const
{
    if (m_slotStarts.empty()) {
        return std::lower_bound(m_byDate.begin(), m_byDate.end(), date,
                                [this](int index, int day) { return m_draws.date(index) < day; });
    }
    const int slot = std::clamp(slotOf(date) - m_firstSlot, 0, int(m_slotStarts.size()) - 1);
    return m_byDate.begin() + m_slotStarts[std::size_t(slot)];
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
    auto draw = firstOnOrAfter(dates->first);
    // A count of draws on days the table does not know is counted on the
    // file's days.
    const int lastDay = dates->lastDay(m_game.rules());
    bool read = false;
    for (int days = 0; draw != m_byDate.end(); ++days) {
        const int day = m_draws.date(*draw);
        if (lastDay != 0 ? day > lastDay : days == dates->count)
            break;
        // In file order: among equal results, the draw that stands first.
        std::optional<Day> best;
        for (; draw != m_byDate.end() && m_draws.date(*draw) == day; ++draw) {
            if (!read) {
                m_game.readTicket(list, row);
                read = true;
            }
            const Day result = checkRead(*draw);
            if (!best || result.best().betterThan(best->best()))
                best = result;
        }
        each(*best);
    }
    return dates;
}

HistoryCheck::Day HistoryCheck::day(const LogList &list, int row, int draw) const
{
    m_game.readTicket(list, row);
    return checkRead(draw);
}

HistoryCheck::Day HistoryCheck::checkRead(int draw) const
{
    // Read into the draw made ready, which prepares it in place.
    m_draws.numbers(draw, m_winning.drawn);
    m_game.prepare(m_winning.drawn, m_winning);
    Day result = {draw, m_game.matchTicket(m_winning), std::nullopt};
    if (m_game.playsDoublePlay() && m_draws.secondNumbers(draw, m_doublePlay.drawn)) {
        m_game.prepare(m_doublePlay.drawn, m_doublePlay);
        result.doublePlay = m_game.matchTicket(m_doublePlay);
    }
    return result;
}

ListedTicket HistoryCheck::match(const LogList &list, int row,
                                 const std::function<void(const Day &)> &each) const
{
    ListedTicket best = {row, {DrawMatch::NoDraw}};
    const std::optional<TicketDates> dates = forEachDay(list, row, [&](const Day &day) {
        if (each)
            each(day);
        if (best.draw < 0 || day.best().betterThan(best.match)) {
            best.match = day.best();
            best.draw = day.draw;
        }
    });
    // The ticket is read only where a day was found: one with no draw wins
    // nothing.
    best.severalDraws = dates && dates->isSeveral();
    best.addsOn = best.draw >= 0 && m_game.readAddsOn();
    return best;
}

HistoryCheck::Days HistoryCheck::days(const LogList &list, int row) const
{
    Days days;
    const std::optional<TicketDates> dates =
        forEachDay(list, row, [&](const Day &day) { days.held.push_back(day); });
    if (dates)
        days.toCome = toCome(*dates, int(days.held.size()));
    return days;
}

int HistoryCheck::toCome(const TicketDates &dates, int held) const
{
    if (m_byDate.empty())
        return 0;
    const LotteryGame *rules = m_game.rules();
    const int lastDay = dates.lastDay(rules);
    if (lastDay == 0)
        return dates.count - held;
    const int fileLast = m_draws.date(m_byDate.back());
    if (lastDay <= fileLast)
        return 0;
    const int after = fileLast >= dates.first ? fileLast : DayBefore(dates.first);
    return rules ? DrawDaysBetween(*rules, after, lastDay) : -1;
}
