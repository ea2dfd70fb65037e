#include "resultsource.h"

#include "gamename.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace {

// The downloads as New York's open data (data.ny.gov) and the Texas Lottery
// (texaslottery.com) publish them, each the whole history of the game.
constexpr std::string_view ny = "data.ny.gov";
constexpr std::string_view tx = "texaslottery.com";
#define NY_DATA(id) "https://data.ny.gov/api/views/" id "/rows.csv?accessType=DOWNLOAD"
#define TX_GAME(path) "https://www.texaslottery.com/export/sites/lottery/Games/" path

constexpr auto sources = std::to_array<ResultSource>({
    {"powerball", {}, NY_DATA("d6yy-54nr"), ny, "powerball.csv"},
    {"megamillions", {}, NY_DATA("5xaw-6ayf"), ny, "megamillions.csv"},
    {"cash4life", {}, NY_DATA("kwxv-fwze"), ny, "cash4life.csv"},
    {"lotto", "New York", NY_DATA("6nbc-h7bj"), ny, "lotto-ny.csv"},
    {"lotto", "Texas", TX_GAME("Lotto_Texas/Winning_Numbers/lottotexas.csv"), tx, "lotto-tx.csv"},
    {"lottotexas", {}, TX_GAME("Lotto_Texas/Winning_Numbers/lottotexas.csv"), tx, "lotto-tx.csv"},
    {"take5", "New York", NY_DATA("dg63-4siq"), ny, "take5-ny.csv"},
    {"pick3", "New York", NY_DATA("hsys-3def"), ny, "numbers-win4-ny.csv"},
    {"pick3", "Texas", TX_GAME("Pick_3/Winning_Numbers/pick3.csv"), tx, "pick3-tx.csv"},
    {"pick4", "New York", NY_DATA("hsys-3def"), ny, "numbers-win4-ny.csv"},
    {"pick4", "Texas", TX_GAME("Daily_4/Winning_Numbers/daily4.csv"), tx, "daily4-tx.csv"},
    {"cash5", "Texas", TX_GAME("Cash_Five/Winning_Numbers/cashfive.csv"), tx, "cashfive-tx.csv"},
    {"texastwostep", "Texas", TX_GAME("Texas_Two_Step/Winning_Numbers/texastwostep.csv"), tx,
     "texastwostep-tx.csv"},
});

// Names only one state gives its game: New York's Numbers and Win 4 are
// Pick 3 and Pick 4, and its draws whatever state was chosen for them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> ownNames = {
    {{"numbers", "New York"}, {"win4", "New York"}}};

#undef NY_DATA
#undef TX_GAME

// The table's name of a game folded as a key: "Mega Millions" is megamillions.
std::u16string keyOf(std::string_view name)
{
    std::u16string key;
    for (const char character : name) {
        if (character != ' ' && character != '-' && character != '.')
            key +=
                char16_t(character >= 'A' && character <= 'Z' ? character - 'A' + 'a' : character);
    }
    return key;
}

bool sameKey(std::string_view ascii, std::u16string_view key)
{
    return ascii.size() == key.size() &&
           std::equal(ascii.begin(), ascii.end(), key.begin(),
                      [](char a, char16_t b) { return char16_t(a) == b; });
}

} // namespace

std::span<const ResultSource> ResultSources()
{
    return sources;
}

std::string_view StateNamedBy(std::u16string_view key)
{
    const GameName name(key);
    for (const auto &[own, whose] : ownNames) {
        if (sameKey(own, name.base))
            return whose;
    }
    return {};
}

std::vector<const ResultSource *> ResultSourcesOf(std::u16string_view key)
{
    // A name with a draw time after it takes its game's file, whose columns
    // or lines of that time the check reads.
    const GameName name(key);
    const std::u16string game = name.game ? keyOf(name.game->name) : std::u16string(name.base);
    const std::string_view state = StateNamedBy(key);
    std::vector<const ResultSource *> found;
    for (const ResultSource &source : sources) {
        if (sameKey(source.game, game) && (state.empty() || source.state == state))
            found.push_back(&source);
    }
    return found;
}

const ResultSource *ResultSourceOf(std::u16string_view key, const UsState *player)
{
    const bool statesOwn = !StateNamedBy(key).empty();
    for (const ResultSource *source : ResultSourcesOf(key)) {
        if (source->state.empty() || statesOwn || (player && source->state == player->name))
            return source;
    }
    return nullptr;
}
