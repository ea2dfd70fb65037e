#include "playmoney.h"

#include <algorithm>

namespace {

bool holds(std::span<const int> multipliers, int multiplier)
{
    return std::find(multipliers.begin(), multipliers.end(), multiplier) != multipliers.end();
}

} // namespace

PlayMoney MoneyOf(const LotteryGame &game, int date, int tier, int printed, bool addOn, int drawn)
{
    const GameEra &era = game.eraOn(date);
    if (era.prizes.empty() || date < era.from || tier < 0 || tier > int(era.prizes.size()))
        return {};
    const AddOn *plays = addOn ? era.addOn : nullptr;
    const int price = era.price + (plays ? plays->price : 0);
    if (tier == 0)
        return {PlayMoney::Amount, price, 0};
    const Prize &prize = era.prizes[std::size_t(tier - 1)];
    if (!prize.named.empty())
        return {PlayMoney::Named, price, 0, prize.named};
    if (plays) {
        const PrizeTier &won = game.tiers[std::size_t(tier - 1)];
        if (plays->five != 0 && won.whites == game.count && !won.extra)
            return {PlayMoney::Amount, price, plays->five};
        if (!plays->fixed.empty())
            return {PlayMoney::Amount, price, plays->fixed[std::size_t(tier - 1)].dollars};
        if (!holds(plays->multipliers, drawn))
            return {PlayMoney::AtLeast, price, prize.dollars * plays->multipliers.front()};
        return {PlayMoney::Amount, price, prize.dollars * drawn};
    }
    if (era.multipliers.empty())
        return {PlayMoney::Amount, price, prize.dollars};
    if (!holds(era.multipliers, printed))
        return {PlayMoney::AtLeast, price, prize.dollars * era.multipliers.front()};
    return {PlayMoney::Amount, price, prize.dollars * printed};
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
