#include "ticketcost.h"

#include "drawcheck.h"
#include "gamekey.h"
#include "ticketdates.h"

#include <QString>

TicketCost TicketCost::of(const LogList &log, int row)
{
    TicketCost cost;
    const std::optional<TicketDates> dates = TicketDates::of(log, row);
    if (!dates)
        return cost;
    cost.firstDay = dates->first;
    const LotteryGame *game = LotteryGameOf(log.text(row, 0));
    if (!game)
        return cost;
    const GameEra &era = game->eraOn(dates->first);
    if (era.price == 0 || dates->first < era.from)
        return cost;
    int draws = dates->count;
    if (dates->last != 0) {
        draws = DrawDaysBetween(*game, DayBefore(dates->first), dates->last);
        if (draws < 0)
            return cost;
    }
    const QString numbers = log.text(row, 2);
    TicketPlay play;
    TicketPlay::read(std::u16string_view(reinterpret_cast<const char16_t *>(numbers.utf16()),
                                         std::size_t(numbers.size())),
                     game, play);
    // Each add-on a dollar a draw where its game sold it that day.
    std::int64_t price = era.price;
    if (era.addOn && ((era.addOn->kind == AddOn::PowerPlay && play.powerPlay) ||
                      (era.addOn->kind == AddOn::Megaplier && play.megaplier)))
        price += era.addOn->price;
    const LotteryGame *second = LotteryGameOf(u"Powerball Double Play");
    if (play.doublePlay && second && second->family == game->name &&
        dates->first >= second->eras.front().from)
        price += second->eras.front().price;
    cost.dollars = price * draws;
    return cost;
}
