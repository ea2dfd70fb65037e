#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

// The games, in the order of the buttons Option1 to Option4 that choose them.
enum class Game
{
    Pick3,
    Pick4,
    Pick5,
    Pick6
};

// The six hidden number fields, in the order in which they are filled.
enum NumberField
{
    text1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    NumberFieldCount
};

struct DrawRange
{
    int first;
    int count;
};

// What a press of "Enter" does for one game, besides the base draws.
struct GameRule
{
    int displayElement;         // the element of Text7 that shows it
    DrawRange ownDraws;         // count 0: the game shows base draws
    std::span<const int> shown; // number fields in the order they are shown
    bool allDifferent;          // draw again until no two fields are equal
};

// Four digits from 0 to 8, then two numbers from 1 to 43, on every press.
inline constexpr std::array<DrawRange, NumberFieldCount> baseDraws = {
    {{0, 9}, {0, 9}, {0, 9}, {0, 9}, {1, 43}, {1, 43}}};

inline constexpr std::array<int, 3> pick3Order = {text1, Text2, Text3};
inline constexpr std::array<int, 4> pick4Order = {Text3, text1, Text2, Text4};
inline constexpr std::array<int, 5> pick5Order = {Text5, text1, Text2, Text4, Text3};
inline constexpr std::array<int, 6> pick6Order = {Text6, text1, Text2, Text4, Text3, Text5};

// Indexed by Game.
inline constexpr std::array<GameRule, 4> gameRules = {{
    {0, {0, 0}, pick3Order, false},
    {0, {0, 0}, pick4Order, false},
    {1, {1, 34}, pick5Order, true},
    {2, {1, 49}, pick6Order, true},
}};

// What players call the games, indexed by Game.
inline constexpr std::array<std::string_view, 4> gameNames = {"Pick 3", "Pick 4", "Pick 5",
                                                              "Pick 6"};

// A game whose numbers are single digits, as Pick 3 and Pick 4 are, played
// straight or box: it shows base draws alone, each of a digit.
constexpr bool drawsDigits(Game game)
{
    const GameRule &rule = gameRules[std::size_t(game)];
    return rule.ownDraws.count == 0 && std::ranges::all_of(rule.shown, [](int field) {
               return baseDraws[field].first >= 0 &&
                      baseDraws[field].first + baseDraws[field].count <= 10;
           });
}
