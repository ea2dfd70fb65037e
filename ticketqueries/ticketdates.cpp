#include "ticketdates.h"

#include "datekey.h"

#include <QDate>
#include <QString>

#include <algorithm>
#include <limits>

namespace {

// The most draws a ticket is sold for, and a little more.
constexpr int mostDraws = 366;

QDate dayOf(int date)
{
    return QDate(date / 10000, date / 100 % 100, date % 100);
}

int keyOf(QDate day)
{
    int year = 0;
    int month = 0;
    int date = 0;
    day.getDate(&year, &month, &date);
    return year * 10000 + month * 100 + date;
}

// The game's draw days, asked of day after day by Julian day: the era's
// weekdays are looked up again only where the next era begins.
class DrawDayWalk
{
public:
    DrawDayWalk(const LotteryGame *game, qint64 from) : m_game(game) { enter(from); }

    // Whether the game draws on the day; true where the table does not know.
    // The days asked of never go back.
    bool drawsOn(qint64 day)
    {
        if (!m_game)
            return true;
        if (day >= m_nextEra)
            enter(day);
        // Julian day 0 was a Monday.
        return m_days == 0 || (m_days & (1 << (day % 7))) != 0;
    }
    // Whether the table knows the game's draw days on the last day asked of.
    bool knowsDays() const { return m_game && m_days != 0; }

private:
    void enter(qint64 day)
    {
        if (!m_game)
            return;
        const int key = keyOf(QDate::fromJulianDay(day));
        m_days = m_game->eraOn(key).drawDays;
        const auto next =
            std::upper_bound(m_game->eras.begin(), m_game->eras.end(), key,
                             [](int date, const GameEra &era) { return date < era.from; });
        m_nextEra = next == m_game->eras.end() ? std::numeric_limits<qint64>::max()
                                               : dayOf(next->from).toJulianDay();
    }

    const LotteryGame *m_game;
    int m_days = 0;
    qint64 m_nextEra = 0;
};

bool isWordCharacter(QChar character)
{
    return character.isLetterOrNumber() || character == u'_';
}

// "12/02/2026 - 12/30/2026": the last dash, en dash, "to", "thru" or
// "through" with spaces on both sides parts the first day from the last.
std::optional<std::pair<QStringView, QStringView>> runOf(QStringView text)
{
    for (qsizetype end = text.size() - 1; end > 0; --end) {
        if (!text[end].isSpace())
            continue;
        qsizetype start = end;
        while (start > 0 && !text[start - 1].isSpace())
            --start;
        if (start == 0)
            break;
        const QStringView word = text.sliced(start, end - start);
        const bool parts = word == u"-" || word == u"\u2013" ||
                           word.compare(u"to", Qt::CaseInsensitive) == 0 ||
                           word.compare(u"thru", Qt::CaseInsensitive) == 0 ||
                           word.compare(u"through", Qt::CaseInsensitive) == 0;
        if (parts)
            return std::pair{text.first(start).trimmed(), text.sliced(end).trimmed()};
        end = start;
    }
    return std::nullopt;
}

// "12/02/2026 x10", "12/02/2026, 10 draws": the first day and how many
// draws, of one to three digits; -1 for the count where the text ends in none.
std::pair<QStringView, int> countOf(QStringView text)
{
    qsizetype end = text.size();
    bool word = false;
    for (const QStringView name : {u"drawings", u"drawing", u"draws", u"draw"}) {
        if (text.endsWith(name, Qt::CaseInsensitive)) {
            end -= name.size();
            word = true;
            break;
        }
    }
    if (word) {
        while (end > 0 && text[end - 1].isSpace())
            --end;
    }
    qsizetype digits = end;
    while (digits > 0 && text[digits - 1].isDigit())
        --digits;
    if (end - digits < 1 || end - digits > 3)
        return {text, -1};
    const int count = text.sliced(digits, end - digits).toInt();
    qsizetype start = digits;
    if (!word) {
        while (start > 0 && text[start - 1].isSpace())
            --start;
        if (start == 0 || (text[start - 1] != u'x' && text[start - 1] != u'X'))
            return {text, -1};
        --start;
    }
    if (start > 0 && isWordCharacter(text[start - 1]))
        return {text, -1};
    while (start > 0 &&
           (text[start - 1].isSpace() || text[start - 1] == u',' || text[start - 1] == u';'))
        --start;
    return {text.first(start), count};
}

std::optional<TicketDates> parsed(QStringView cell)
{
    if (const std::optional<int> day = DateKey(cell))
        return TicketDates{*day};
    const QStringView text = cell.trimmed();
    if (const auto run = runOf(text)) {
        const std::optional<int> first = DateKey(run->first);
        const std::optional<int> last = DateKey(run->second);
        if (first && last && *last >= *first)
            return TicketDates{*first, *last, 0};
        return std::nullopt;
    }
    const auto [day, draws] = countOf(text);
    const std::optional<int> first = draws > 0 ? DateKey(day) : std::nullopt;
    if (first && draws <= mostDraws)
        return TicketDates{*first, 0, draws};
    return std::nullopt;
}

} // namespace

std::optional<TicketDates> TicketDates::of(QStringView text)
{
    return parsed(text);
}

std::optional<TicketDates> TicketDates::of(QByteArrayView bytes)
{
    // Most cells are one date: read in their bytes, with no text made.
    if (const std::optional<int> day = DateKey(bytes))
        return TicketDates{*day};
    return parsed(QString::fromLatin1(bytes));
}

std::optional<TicketDates> TicketDates::of(const LogList &list, int row)
{
    if (const std::optional<QByteArrayView> bytes = list.savedBytes(row, 1))
        return of(*bytes);
    return of(list.text(row, 1));
}

bool TicketDates::plays(int date, const LotteryGame *game) const
{
    if (date < first)
        return false;
    if (last != 0)
        return date <= last;
    if (count == 1)
        return date == first;
    // The draw days from the first up to the day, the first among them where
    // it is one.
    const qint64 from = dayOf(first).toJulianDay();
    const qint64 to = dayOf(date).toJulianDay();
    DrawDayWalk walk(game, from);
    int draws = 0;
    for (qint64 day = from; day < to; ++day) {
        if (walk.drawsOn(day) && ++draws >= count)
            return false;
    }
    return walk.drawsOn(to);
}

int TicketDates::lastDay(const LotteryGame *game) const
{
    if (last != 0 || count == 1)
        return last != 0 ? last : first;
    qint64 day = dayOf(first).toJulianDay();
    DrawDayWalk walk(game, day);
    for (int draws = walk.drawsOn(day) ? 1 : 0; draws < count;)
        draws += walk.drawsOn(++day) ? 1 : 0;
    return walk.knowsDays() ? keyOf(QDate::fromJulianDay(day)) : 0;
}

int DrawDaysBetween(const LotteryGame &game, int after, int upTo)
{
    int draws = 0;
    const qint64 from = dayOf(after).toJulianDay() + 1;
    DrawDayWalk walk(&game, from);
    for (qint64 day = from, end = dayOf(upTo).toJulianDay(); day <= end; ++day) {
        draws += walk.drawsOn(day) ? 1 : 0;
        if (!walk.knowsDays())
            return -1;
    }
    return draws;
}

int DayBefore(int date)
{
    return keyOf(dayOf(date).addDays(-1));
}
