#include "drawnat.h"

#include "civildate.h"
#include "drawtime.h"
#include "gamekey.h"
#include "ticketgame.h"

namespace {

DrawTime drawTimeOf(const QString &game)
{
    // A pool's prizes are mostly of one game: its time found once.
    thread_local QString last;
    thread_local DrawTime time = DrawTime::of(nullptr, nullptr);
    if (game != last || last.isNull()) {
        const TicketGame ticket = TicketGame::of(KeyView(GameKey(game)));
        time = DrawTime::of(ticket.game, ticket.state);
        last = game.isNull() ? QStringLiteral("") : game;
    }
    return time;
}

} // namespace

std::int64_t DrawnAt(const QString &game, int date)
{
    return drawTimeOf(game).instant(date);
}

QString DrawnText(const QString &game, int date)
{
    const DrawTime time = drawTimeOf(game);
    const QString day = QString::fromStdString(CivilDate::text(date));
    const QString zone =
        QString::fromUtf8(ZoneName(time.zone).data(), qsizetype(ZoneName(time.zone).size()));
    if (!time.known)
        return QStringLiteral("on %1, at a time Ticketwise does not know: taken as the end of the "
                              "day, %2 time")
            .arg(day, zone);
    const int hour = time.seconds / 3600;
    return QStringLiteral("on %1 at %2:%3 %4 %5 (%6)")
        .arg(day)
        .arg(hour % 12 == 0 ? 12 : hour % 12)
        .arg(time.seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"), zone,
             QString::fromUtf8(time.source.data(), qsizetype(time.source.size())));
}
