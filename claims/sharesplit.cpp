#include "sharesplit.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {

// The cents left over, fewer than there are weights, each to the next
// largest remainder, the earlier first where they tie; then the sign.
template <typename Remainder, typename Positive>
std::vector<std::int64_t> &giveLeftOver(std::vector<std::int64_t> &shares,
                                        const std::vector<Remainder> &remainders, Positive positive,
                                        __int128 given, __int128 whole, bool negative)
{
    if (given < whole) {
        std::vector<std::size_t> order(shares.size());
        std::iota(order.begin(), order.end(), std::size_t(0));
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return remainders[a] > remainders[b];
        });
        for (std::size_t at = 0; given < whole && at < order.size(); ++at) {
            if (!positive(order[at]))
                continue;
            ++shares[order[at]];
            ++given;
        }
    }
    if (negative) {
        for (std::int64_t &share : shares)
            share = -share;
    }
    return shares;
}

} // namespace

std::vector<std::int64_t> SplitCents(std::int64_t cents, std::span<const std::int64_t> weights)
{
    std::vector<std::int64_t> shares(weights.size(), 0);
    __int128 total = 0;
    for (const std::int64_t weight : weights)
        total += std::max<std::int64_t>(weight, 0);
    if (total == 0 || cents == 0)
        return shares;
    const bool negative = cents < 0;
    const __int128 whole = negative ? -__int128(cents) : __int128(cents);
    std::vector<__int128> remainders(weights.size(), 0);
    __int128 given = 0;
    // In 64 bits where every product fits, as for all but the largest
    // prizes by the largest weights: a 128-bit division is many times slower.
    std::int64_t most = 0;
    for (const std::int64_t weight : weights)
        most = std::max(most, weight);
    std::int64_t product = 0;
    const bool narrow = total <= INT64_MAX && whole <= INT64_MAX &&
                        !__builtin_mul_overflow(std::int64_t(whole), most, &product);
    for (std::size_t each = 0; each < weights.size(); ++each) {
        const std::int64_t weight = std::max<std::int64_t>(weights[each], 0);
        if (narrow) {
            const std::int64_t exact = std::int64_t(whole) * weight;
            shares[each] = exact / std::int64_t(total);
            remainders[each] = exact % std::int64_t(total);
        } else {
            const __int128 exact = whole * weight;
            shares[each] = std::int64_t(exact / total);
            remainders[each] = exact % total;
        }
        given += shares[each];
    }
    return giveLeftOver(
        shares, remainders, [&](std::size_t each) { return weights[each] > 0; }, given, whole,
        negative);
}

std::vector<std::int64_t> SplitCents(std::int64_t cents, std::span<const BigCount> weights)
{
    std::vector<std::int64_t> shares(weights.size(), 0);
    BigCount total;
    for (const BigCount &weight : weights)
        total += weight;
    if (total.isZero() || cents == 0)
        return shares;
    const bool negative = cents < 0;
    const std::uint64_t whole = negative ? 0 - std::uint64_t(cents) : std::uint64_t(cents);
    std::vector<BigCount> remainders(weights.size());
    __int128 given = 0;
    for (std::size_t each = 0; each < weights.size(); ++each) {
        // The exact share is below 2^63 cents: found a bit at a time.
        BigCount rest = weights[each] * whole;
        std::uint64_t share = 0;
        for (int bit = 63; bit-- > 0;) {
            const BigCount part = total.shifted(bit);
            if (part <= rest) {
                rest -= part;
                share |= std::uint64_t(1) << bit;
            }
        }
        shares[each] = std::int64_t(share);
        remainders[each] = std::move(rest);
        given += share;
    }
    return giveLeftOver(
        shares, remainders, [&](std::size_t each) { return !weights[each].isZero(); }, given, whole,
        negative);
}
