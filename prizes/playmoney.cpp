#include "playmoney.h"

#include <array>
#include <span>

namespace {

// Prizes by whites in common, without and with the ball; -1 the jackpot.
struct PrizeTable
{
    int from; // the first draw, yyyymmdd
    int to;   // the last, or 0 while it lasts
    int price;
    std::array<std::int64_t, 6> withoutBall;
    std::array<std::int64_t, 6> withBall;
    bool multiplied; // by the multiplier printed beside the play
};

constexpr std::array<PrizeTable, 3> tables = {{
    {20151007, 0, 2, {0, 0, 0, 7, 100, 1'000'000}, {4, 4, 7, 100, 50'000, -1}, false},
    {20171031, 20250404, 2, {0, 0, 0, 10, 500, 1'000'000}, {2, 4, 10, 200, 10'000, -1}, false},
    {20250408, 0, 5, {0, 0, 0, 10, 500, 1'000'000}, {5, 7, 10, 200, 10'000, -1}, true},
}};

const PrizeTable *tableOf(const LotteryGame &game, int date)
{
    const bool powerball = game.name == "Powerball";
    if (!powerball && game.name != "Mega Millions")
        return nullptr;
    for (const PrizeTable &table :
         powerball ? std::span(tables).first(1) : std::span(tables).subspan(1)) {
        if (date >= table.from && (table.to == 0 || date <= table.to))
            return &table;
    }
    return nullptr;
}

constexpr std::array<int, 5> multipliers = {2, 3, 4, 5, 10};

bool isLetter(unsigned unit)
{
    return (unit >= 'a' && unit <= 'z') || (unit >= 'A' && unit <= 'Z');
}

// "3X", "3 x", "x3", "X 3": an x standing apart from other letters, with a
// number of one or two digits after it or, where none, before it.
template <typename Unit> int multiplierIn(std::basic_string_view<Unit> text)
{
    const auto unit = [&](std::ptrdiff_t at) {
        return at >= 0 && std::size_t(at) < text.size() ? unsigned(text[std::size_t(at)]) : 0u;
    };
    const auto isDigit = [&](std::ptrdiff_t at) { return unit(at) >= '0' && unit(at) <= '9'; };
    for (std::ptrdiff_t at = 0; std::size_t(at) < text.size(); ++at) {
        if ((unit(at) != 'x' && unit(at) != 'X') || isLetter(unit(at - 1)) ||
            isLetter(unit(at + 1)))
            continue;
        std::ptrdiff_t start = at + 1;
        while (unit(start) == ' ')
            ++start;
        std::ptrdiff_t end = start;
        while (isDigit(end))
            ++end;
        if (end == start) {
            end = at;
            while (unit(end - 1) == ' ')
                --end;
            start = end;
            while (isDigit(start - 1))
                --start;
        }
        if (end == start || end - start > 2 || isDigit(start - 1) || isDigit(end))
            return 0;
        int number = 0;
        for (std::ptrdiff_t digit = start; digit < end; ++digit)
            number = number * 10 + int(unit(digit) - '0');
        for (const int multiplier : multipliers) {
            if (multiplier == number)
                return number;
        }
        return 0;
    }
    return 0;
}

} // namespace

PlayMoney MoneyOf(const LotteryGame &game, int date, int whites, bool ball, int multiplier)
{
    const PrizeTable *table = tableOf(game, date);
    if (!table || whites < 0 || whites > 5)
        return {};
    const std::int64_t base = (ball ? table->withBall : table->withoutBall)[std::size_t(whites)];
    if (base < 0)
        return {PlayMoney::Jackpot, table->price, 0};
    if (!table->multiplied || base == 0)
        return {PlayMoney::Amount, table->price, base};
    if (multiplier == 0)
        return {PlayMoney::AtLeast, table->price, base * 2};
    return {PlayMoney::Amount, table->price, base * multiplier};
}

bool TakesMultiplier(const LotteryGame &game, int date)
{
    const PrizeTable *table = tableOf(game, date);
    return table && table->multiplied;
}

int MultiplierIn(std::u16string_view numbers)
{
    return multiplierIn(numbers);
}

int MultiplierIn(std::string_view numbers)
{
    return multiplierIn(numbers);
}
