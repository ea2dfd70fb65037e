#include "lotterygame.h"

#include <algorithm>
#include <array>

namespace {

using Kind = LotteryGame::Kind;

constexpr Prize jackpot = {0, "jackpot"};

// The tiers of the five-and-a-ball games, best first: 5 + ball, 5, 4 + ball,
// 4, 3 + ball, 3, 2 + ball, 1 + ball, the ball alone.
constexpr std::array<PrizeTier, 9> ballTiers = {{{5, true},
                                                 {5, false},
                                                 {4, true},
                                                 {4, false},
                                                 {3, true},
                                                 {3, false},
                                                 {2, true},
                                                 {1, true},
                                                 {0, true}}};
// Lucky for Life pays for two numbers alone, and pays for no ball alone
// less than for one number and the ball.
constexpr std::array<PrizeTier, 10> luckyTiers = {{{5, true},
                                                   {5, false},
                                                   {4, true},
                                                   {4, false},
                                                   {3, true},
                                                   {3, false},
                                                   {2, true},
                                                   {2, false},
                                                   {1, true},
                                                   {0, true}}};
// Cash4Life pays for two numbers alone and nothing for the Cash Ball alone.
constexpr std::array<PrizeTier, 9> cashTiers = {{{5, true},
                                                 {5, false},
                                                 {4, true},
                                                 {4, false},
                                                 {3, true},
                                                 {3, false},
                                                 {2, true},
                                                 {2, false},
                                                 {1, true}}};
// New York's Lotto pays its second prize for five and the bonus number.
constexpr std::array<PrizeTier, 5> bonusLottoTiers = {
    {{6, false}, {5, true}, {5, false}, {4, false}, {3, false}}};
constexpr std::array<PrizeTier, 4> lottoTexasTiers = {
    {{6, false}, {5, false}, {4, false}, {3, false}}};
constexpr std::array<PrizeTier, 5> floridaLottoTiers = {
    {{6, false}, {5, false}, {4, false}, {3, false}, {2, false}}};

// Prizes as paid in every state but California, by the official rules of
// each game (the README names them); a tier each, in the tiers' order.
constexpr std::array<Prize, 9> powerball2012 = {
    {jackpot, {1'000'000}, {10'000}, {100}, {100}, {7}, {7}, {4}, {4}}};
constexpr std::array<Prize, 9> powerball2015 = {
    {jackpot, {1'000'000}, {50'000}, {100}, {100}, {7}, {7}, {4}, {4}}};
constexpr std::array<Prize, 9> megaMillions2017 = {
    {jackpot, {1'000'000}, {10'000}, {500}, {200}, {10}, {10}, {4}, {2}}};
constexpr std::array<Prize, 9> megaMillions2025 = {
    {jackpot, {1'000'000}, {10'000}, {500}, {200}, {10}, {10}, {7}, {5}}};
constexpr std::array<Prize, 10> luckyForLife = {{{0, "$1,000 a day for life"},
                                                 {0, "$25,000 a year for life"},
                                                 {5'000},
                                                 {200},
                                                 {150},
                                                 {20},
                                                 {25},
                                                 {3},
                                                 {6},
                                                 {4}}};
constexpr std::array<Prize, 9> cash4Life = {{{0, "$1,000 a day for life"},
                                             {0, "$1,000 a week for life"},
                                             {2'500},
                                             {500},
                                             {100},
                                             {25},
                                             {10},
                                             {4},
                                             {2}}};
constexpr std::array<Prize, 9> lottoAmerica = {
    {jackpot, {20'000}, {1'000}, {100}, {20}, {5}, {5}, {2}, {2}}};

constexpr std::array<int, 5> megaMillionsMultipliers = {2, 3, 4, 5, 10};

// Power Play from 2012, drawing 2X to 5X, and 10X too from October 2015;
// five numbers pay $2,000,000 whatever the multiplier. The Megaplier of
// Mega Millions from October 2017 to April 2025, 2X to 5X, five numbers
// included.
constexpr std::array<int, 4> twoToFive = {2, 3, 4, 5};
constexpr std::array<int, 5> twoToFiveAndTen = {2, 3, 4, 5, 10};
// From 18 January 2012 to 18 January 2014 Power Play drew no multiplier and
// paid a fixed prize a tier instead (Idaho's and Louisiana's lotteries
// published the table); multipliers came back with the draw of 22 January.
constexpr std::array<Prize, 9> powerPlayFixed2012 = {
    {jackpot, {2'000'000}, {40'000}, {200}, {200}, {14}, {14}, {12}, {12}}};
constexpr AddOn powerPlayFixed = {AddOn::PowerPlay, 1, {}, 2'000'000, powerPlayFixed2012};
constexpr AddOn powerPlay2012 = {AddOn::PowerPlay, 1, twoToFive, 2'000'000};
constexpr AddOn powerPlay2015 = {AddOn::PowerPlay, 1, twoToFiveAndTen, 2'000'000};
constexpr AddOn megaplier = {AddOn::Megaplier, 1, twoToFive};

// Double Play, a drawing of its own after Powerball's from 23 August 2021.
constexpr std::array<Prize, 9> doublePlay = {
    {{10'000'000}, {500'000}, {50'000}, {500}, {500}, {20}, {20}, {10}, {7}}};

// The ranges by the first day they were drawn; each older game's last draw
// stands before the next era's first day.
// Powerball has drawn on Wednesdays and Saturdays, and on Mondays too from
// 23 August 2021; Mega Millions on Tuesdays and Fridays.
using namespace Weekdays;
constexpr int wednesdaySaturday = wednesday | saturday;
constexpr int tuesdayFriday = tuesday | friday;
constexpr std::array<GameEra, 8> powerballEras = {{
    {19971105, 49, 42, 0, {}, {}, wednesdaySaturday},
    {20021009, 53, 42, 0, {}, {}, wednesdaySaturday},
    {20050831, 55, 42, 0, {}, {}, wednesdaySaturday},
    {20090107, 59, 39, 0, {}, {}, wednesdaySaturday},
    {20120115, 59, 35, 2, powerball2012, {}, wednesdaySaturday, &powerPlayFixed},
    {20140119, 59, 35, 2, powerball2012, {}, wednesdaySaturday, &powerPlay2012},
    {20151007, 69, 26, 2, powerball2015, {}, wednesdaySaturday, &powerPlay2015},
    {20210823, 69, 26, 2, powerball2015, {}, monday | wednesdaySaturday, &powerPlay2015},
}};
constexpr std::array<GameEra, 1> doublePlayEras = {
    {{20210823, 69, 26, 1, doublePlay, {}, monday | wednesdaySaturday}}};
constexpr std::array<GameEra, 5> megaMillionsEras = {{
    {20020517, 52, 52, 0, {}, {}, tuesdayFriday},
    {20050622, 56, 46, 0, {}, {}, tuesdayFriday},
    {20131019, 75, 15, 0, {}, {}, tuesdayFriday},
    {20171028, 70, 25, 2, megaMillions2017, {}, tuesdayFriday, &megaplier},
    {20250405, 70, 24, 5, megaMillions2025, megaMillionsMultipliers, tuesdayFriday},
}};
// Lucky for Life drew on Mondays and Thursdays, and every day from 19 July
// 2021; Lotto America on Wednesdays and Saturdays, and on Mondays too from
// 18 July 2022, as their lotteries announced.
constexpr int every = monday | tuesday | wednesday | thursday | friday | saturday | sunday;
constexpr std::array<GameEra, 2> luckyForLifeEras = {
    {{20150126, 48, 18, 2, luckyForLife, {}, monday | thursday},
     {20210719, 48, 18, 2, luckyForLife, {}, every}}};
constexpr std::array<GameEra, 1> cash4LifeEras = {{{20140616, 60, 4, 2, cash4Life}}};
constexpr std::array<GameEra, 2> lottoAmericaEras = {
    {{20171112, 52, 10, 1, lottoAmerica, {}, wednesdaySaturday},
     {20220718, 52, 10, 1, lottoAmerica, {}, monday | wednesdaySaturday}}};

// Games whose ranges differ from state to state take the widest, and draw
// as the picker draws for Pick 5 and Pick 6.
constexpr std::array<GameEra, 1> digitEras = {{{0, 9}}};
constexpr std::array<GameEra, 1> range99 = {{{0, 99}}};
constexpr std::array<GameEra, 1> range45 = {{{0, 45}}};
constexpr std::array<GameEra, 1> range42 = {{{0, 42}}};
constexpr std::array<GameEra, 1> range39 = {{{0, 39}}};
constexpr std::array<GameEra, 1> range59 = {{{0, 59}}};
constexpr std::array<GameEra, 1> range54 = {{{0, 54}}};
constexpr std::array<GameEra, 1> range53 = {{{0, 53}}};

constexpr auto games = std::to_array<LotteryGame>({
    {"Pick 3", "pick3 daily3 cash3 play3 numbers dc3 pick3plus", {}, Kind::Digits, 3, 0, digitEras},
    {"Pick 4", "pick4 daily4 cash4 play4 win4 dc4", {}, Kind::Digits, 4, 0, digitEras},
    {"Pick 5", "pick5", {}, Kind::Numbers, 5, 1, range99},
    {"Pick 6", "pick6", {}, Kind::Numbers, 6, 1, range99},
    {"Cash 5", "cash5 cashfive", {}, Kind::Numbers, 5, 1, range45},
    {"Take 5", "take5", {}, Kind::Numbers, 5, 1, range39},
    {"Fantasy 5", "fantasy5 superlottoplus5", {}, Kind::Numbers, 5, 1, range42},
    {"Gimme 5", "gimme5 masscash palmettocash5 easy5", {}, Kind::Numbers, 5, 1, range39},
    {"Lotto",
     "lotto nylotto newyorklotto lotto47 classiclotto lotto6",
     {},
     Kind::Numbers,
     6,
     1,
     range59,
     bonusLottoTiers,
     "bonus",
     "bonus",
     true},
    {"Lotto Texas", "lottotexas texaslotto", "Lotto", Kind::Numbers, 6, 1, range54,
     lottoTexasTiers},
    {"Florida Lotto", "floridalotto", "Lotto", Kind::Numbers, 6, 1, range53, floridaLottoTiers},
    {"Powerball", "powerball", {}, Kind::Ball, 5, 1, powerballEras, ballTiers, "powerball", "PB"},
    // Played beside Powerball, and checked as a game of its own against a
    // file of its drawings: a Powerball ticket with Double Play is one of it.
    {"Powerball Double Play", "powerballdoubleplay doubleplay", "Powerball", Kind::Ball, 5, 1,
     doublePlayEras, ballTiers, "powerball", "PB", false, true},
    {"Mega Millions",
     "megamillions",
     {},
     Kind::Ball,
     5,
     1,
     megaMillionsEras,
     ballTiers,
     "megaball",
     "MB"},
    {"Lucky for Life",
     "luckyforlife",
     {},
     Kind::Ball,
     5,
     1,
     luckyForLifeEras,
     luckyTiers,
     "luckyball",
     "LB"},
    {"Cash4Life", "cash4life", {}, Kind::Ball, 5, 1, cash4LifeEras, cashTiers, "cashball", "CB"},
    {"Lotto America",
     "lottoamerica",
     {},
     Kind::Ball,
     5,
     1,
     lottoAmericaEras,
     ballTiers,
     "starball",
     "SB"},
});

} // namespace

std::span<const LotteryGame> LotteryGames()
{
    return games;
}

const GameEra &LotteryGame::eraOn(int date) const
{
    const auto after = std::upper_bound(eras.begin(), eras.end(), date,
                                        [](int day, const GameEra &era) { return day < era.from; });
    return after == eras.begin() ? eras.front() : *(after - 1);
}

bool LotteryGame::fits(int number, int date, bool isExtra) const
{
    const GameEra &era = eraOn(date);
    if (isExtra && hasBall())
        return number >= 1 && number <= era.ballLast;
    return number >= first && number <= era.last;
}

int LotteryGame::tierOf(int whites, bool extra) const
{
    for (std::size_t at = 0; at < tiers.size(); ++at) {
        if (tiers[at].whites == whites && tiers[at].extra == extra)
            return int(at) + 1;
    }
    // A bonus number that no tier pays for counts for nothing.
    return extra && bonus ? tierOf(whites, false) : 0;
}
