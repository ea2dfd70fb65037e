#include "playmoney.h"

#include <algorithm>

PlayMoney MoneyOf(const LotteryGame &game, int date, int tier, int multiplier)
{
    const GameEra &era = game.eraOn(date);
    if (era.prizes.empty() || date < era.from || tier < 0 || tier > int(era.prizes.size()))
        return {};
    if (tier == 0)
        return {PlayMoney::Amount, era.price, 0};
    const Prize &prize = era.prizes[std::size_t(tier - 1)];
    if (!prize.named.empty())
        return {PlayMoney::Named, era.price, 0, prize.named};
    if (era.multipliers.empty())
        return {PlayMoney::Amount, era.price, prize.dollars};
    if (std::find(era.multipliers.begin(), era.multipliers.end(), multiplier) ==
        era.multipliers.end())
        return {PlayMoney::AtLeast, era.price, prize.dollars * era.multipliers.front()};
    return {PlayMoney::Amount, era.price, prize.dollars * multiplier};
}

bool TakesMultiplier(const LotteryGame &game, int date)
{
    return !game.eraOn(date).multipliers.empty();
}

bool HasMoney(const LotteryGame &game)
{
    return std::any_of(game.eras.begin(), game.eras.end(),
                       [](const GameEra &era) { return !era.prizes.empty(); });
}
