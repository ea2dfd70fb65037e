#include "lotterygame.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

using Kind = LotteryGame::Kind;

// Pick 5 and Pick 6 are checked as the picker draws them: numbers, no ball.
// Mega Millions' ball came from 1 to 25 until its draw of 4 April 2025.
constexpr auto games = std::to_array<LotteryGame>({
    {"Pick 3", "pick3 daily3 cash3 play3 numbers dc-3 dc3 pick3plus", Kind::Digits, 3, 0, 9},
    {"Pick 4", "pick4 daily4 cash4 play4 win4 dc-4 dc4", Kind::Digits, 4, 0, 9},
    {"Pick 5", "pick5", Kind::Numbers, 5, 1, 99},
    {"Pick 6", "pick6", Kind::Numbers, 6, 1, 99},
    {"Cash 5", "cash5 cashfive", Kind::Numbers, 5, 1, 45},
    {"Take 5", "take5", Kind::Numbers, 5, 1, 39},
    {"Fantasy 5", "fantasy5 superlottoplus5", Kind::Numbers, 5, 1, 42},
    {"Gimme 5", "gimme5 masscash palmettocash5 easy5", Kind::Numbers, 5, 1, 39},
    {"Lotto", "lotto lottotexas floridalotto lotto47 classiclotto lotto6", Kind::Numbers, 6, 1, 59},
    {"Powerball", "powerball", Kind::Ball, 5, 1, 69, "powerball", "PB", 1, 26},
    {"Mega Millions", "megamillions", Kind::Ball, 5, 1, 70, "megaball", "MB", 1, 24, 25, 20250408},
    {"Lucky for Life", "luckyforlife", Kind::Ball, 5, 1, 48, "luckyball", "LB", 1, 18},
    {"Cash4Life", "cash4life", Kind::Ball, 5, 1, 60, "cashball", "CB", 1, 4},
    {"Lotto America", "lottoamerica", Kind::Ball, 5, 1, 52, "starball", "SB", 1, 10},
});

// Folded as GameKey folds them, without marks.
constexpr std::array<std::u16string_view, 10> drawTimes = {
    u"midday", u"evening", u"morning", u"day",       u"night",
    u"noon",   u"eve",     u"mid",     u"afternoon", u"daytime"};

// Each of the space-separated keys, in turn, until found() says true.
template <typename Found> bool anyKey(std::string_view keys, Found found)
{
    while (!keys.empty()) {
        const std::size_t end = std::min(keys.find(' '), keys.size());
        if (found(keys.substr(0, end)))
            return true;
        keys.remove_prefix(std::min(end + 1, keys.size()));
    }
    return false;
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

} // namespace

int DrawTimeOf(std::u16string_view word)
{
    for (std::size_t at = 0; at < drawTimes.size(); ++at) {
        if (word == drawTimes[at])
            return int(at) + 1;
    }
    return 0;
}

const LotteryGame *FindLotteryGame(std::u16string_view key)
{
    for (const LotteryGame &game : games) {
        const bool found = anyKey(game.keys, [&](std::string_view name) {
            if (!startsWith(key, name))
                return false;
            // "Mid-Day" as "Midday".
            std::u16string after(key.substr(name.size()));
            std::erase(after, u'-');
            return after.empty() || DrawTimeOf(after) != 0;
        });
        if (found)
            return &game;
    }
    return nullptr;
}
