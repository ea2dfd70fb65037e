#include "drawtime.h"

#include <array>

DrawTime DrawTime::of(const LotteryGame *game, const UsState *state)
{
    // The national games, drawn once for every state that sells them.
    struct Published
    {
        std::string_view game;
        int seconds;
        std::string_view source;
    };
    constexpr std::array<Published, 2> published = {{
        {"Powerball", (22 * 60 + 59) * 60,
         "Powerball, How to Play, powerball.com: drawn Monday, Wednesday and Saturday at 10:59 "
         "p.m. Eastern, at the Florida Lottery in Tallahassee"},
        {"Mega Millions", 23 * 3600,
         "Mega Millions, How to Play, megamillions.com: drawn Tuesday and Friday at 11:00 p.m. "
         "Eastern, in Atlanta"},
    }};
    if (game) {
        for (const Published &each : published) {
            if (game->name == each.game)
                return {each.seconds, LotteryZone::Eastern, true, each.source};
        }
    }
    DrawTime time;
    time.zone = ZoneOf(state);
    return time;
}

std::int64_t DrawTime::instant(int date) const
{
    return EveningInstant(zone, date, seconds);
}
