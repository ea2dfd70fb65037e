#include "gamename.h"

#include <array>

namespace {

// Folded as GameKey folds them.
constexpr std::array<std::u16string_view, 8> drawTimes = {
    u"midday", u"evening", u"morning", u"day", u"night", u"noon", u"afternoon", u"daytime"};

// Each of the space-separated keys, in turn.
template <typename Each> void forEachKey(std::string_view keys, Each each)
{
    while (!keys.empty()) {
        const std::size_t end = std::min(keys.find(' '), keys.size());
        each(keys.substr(0, end));
        keys.remove_prefix(std::min(end + 1, keys.size()));
    }
}

bool startsWith(std::u16string_view text, std::string_view ascii)
{
    if (text.size() < ascii.size())
        return false;
    for (std::size_t at = 0; at < ascii.size(); ++at) {
        if (text[at] != char16_t(ascii[at]))
            return false;
    }
    return true;
}

bool sameFamily(const LotteryGame *a, const LotteryGame *b)
{
    if (a == b)
        return true;
    // Double Play's draws are not Powerball's, nor Powerball's Double Play's.
    if (a->secondDrawing || b->secondDrawing)
        return false;
    return a->family == b->name || b->family == a->name;
}

} // namespace

int DrawTimeOf(std::u16string_view word)
{
    for (std::size_t at = 0; at < drawTimes.size(); ++at) {
        if (word == drawTimes[at])
            return int(at) + 1;
    }
    // Short for midday and evening.
    if (word == u"mid")
        return DrawTimeOf(u"midday");
    if (word == u"eve")
        return DrawTimeOf(u"evening");
    return 0;
}

// The longest name of the table the key begins with, where what follows it
// is nothing, a draw time or a state: "lottoamerica" is not Lotto at
// "america", and "lottotexas" is Lotto Texas, not Lotto of Texas.
GameName::GameName(std::u16string_view key) : base(key)
{
    std::size_t longest = 0;
    for (const LotteryGame &candidate : LotteryGames()) {
        forEachKey(candidate.keys, [&](std::string_view name) {
            if (name.size() <= longest || !startsWith(key, name))
                return;
            std::u16string_view after = key.substr(name.size());
            int time = after.empty() ? 0 : DrawTimeOf(after);
            // A state after the game, or after its draw time: "Powerball TX".
            const UsState *where = nullptr;
            if (!after.empty() && time == 0) {
                const StateSuffix suffix = StateSuffixOf(after);
                if (!suffix.state)
                    return;
                after.remove_suffix(suffix.length);
                time = after.empty() ? 0 : DrawTimeOf(after);
                if (!after.empty() && time == 0)
                    return;
                where = suffix.state;
            }
            longest = name.size();
            game = &candidate;
            base = key.substr(0, name.size());
            drawTime = time;
            state = where;
        });
    }
    if (game)
        return;
    // Another game's name, with a draw time after it or not.
    for (const std::u16string_view time : {u"midday", u"evening", u"morning", u"day", u"night",
                                           u"noon", u"afternoon", u"daytime", u"mid", u"eve"}) {
        if (key.size() > time.size() && key.ends_with(time)) {
            base = key.substr(0, key.size() - time.size());
            drawTime = DrawTimeOf(time);
            return;
        }
    }
}

bool GameName::holdsDrawsOf(const GameName &wanted) const
{
    const bool times = drawTime == 0 || wanted.drawTime == 0 || drawTime == wanted.drawTime;
    if (game || wanted.game)
        return game && wanted.game && sameFamily(game, wanted.game) && times;
    return base == wanted.base && times;
}

bool GameName::isTicketOf(const GameName &checked) const
{
    if (drawTime != checked.drawTime)
        return false;
    // A ticket of the family plays the second drawing where it says so,
    // which its numbers cell tells.
    if (game && checked.game && checked.game->secondDrawing)
        return game == checked.game || checked.game->family == game->name;
    return holdsDrawsOf(checked);
}

const LotteryGame *FindLotteryGame(std::u16string_view key)
{
    return GameName(key).game;
}
