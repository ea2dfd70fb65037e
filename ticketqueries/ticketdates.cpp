#include "ticketdates.h"

#include "drawcheck.h"

#include <QDate>
#include <QRegularExpression>
#include <QString>

namespace {

// The most draws a ticket is sold for, and a little more.
constexpr int mostDraws = 366;

QDate dayOf(int date)
{
    return QDate(date / 10000, date / 100 % 100, date % 100);
}

int keyOf(QDate day)
{
    return day.year() * 10000 + day.month() * 100 + day.day();
}

// Whether the game draws on a day; true where the table does not know.
bool drawsOn(const LotteryGame *game, QDate day)
{
    if (!game)
        return true;
    const int days = game->eraOn(keyOf(day)).drawDays;
    return days == 0 || (days & (1 << (day.dayOfWeek() - 1))) != 0;
}

std::optional<TicketDates> parsed(QStringView cell)
{
    if (const std::optional<int> day = DateKey(cell))
        return TicketDates{*day};
    const QString text = cell.trimmed().toString();
    static const QRegularExpression run(
        QStringLiteral("^(.*\\S)\\s+(?:-|\\x{2013}|to|thru|through)\\s+(\\S.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = run.match(text); match.hasMatch()) {
        const std::optional<int> first = DateKey(match.capturedView(1));
        const std::optional<int> last = DateKey(match.capturedView(2));
        if (first && last && *last >= *first)
            return TicketDates{*first, *last, 0};
        return std::nullopt;
    }
    static const QRegularExpression count(
        QStringLiteral(
            "^(.*?)[\\s,;]*(?:\\bx\\s*(\\d{1,3})|\\b(\\d{1,3})\\s*(?:draws?|drawings?))$"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = count.match(text); match.hasMatch()) {
        const std::optional<int> first = DateKey(match.capturedView(1));
        const int draws =
            (match.capturedView(2).isEmpty() ? match.capturedView(3) : match.capturedView(2))
                .toInt();
        if (first && draws >= 1 && draws <= mostDraws)
            return TicketDates{*first, 0, draws};
    }
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
    int draws = drawsOn(game, dayOf(first)) ? 1 : 0;
    for (QDate day = dayOf(first).addDays(1), end = dayOf(date); day <= end; day = day.addDays(1)) {
        if (drawsOn(game, day) && ++draws > count)
            return false;
    }
    return drawsOn(game, dayOf(date));
}

int DrawDaysBetween(const LotteryGame &game, int after, int upTo)
{
    int draws = 0;
    for (QDate day = dayOf(after).addDays(1), end = dayOf(upTo); day <= end; day = day.addDays(1)) {
        if (game.eraOn(keyOf(day)).drawDays == 0)
            return -1;
        draws += drawsOn(&game, day) ? 1 : 0;
    }
    return draws;
}

int DayBefore(int date)
{
    return keyOf(dayOf(date).addDays(-1));
}
