#include "sharesplit.h"

#include <algorithm>
#include <numeric>

std::vector<std::int64_t> SplitCents(std::int64_t cents, std::span<const std::int64_t> weights)
{
    std::vector<std::int64_t> shares(weights.size(), 0);
    __int128 total = 0;
    for (const std::int64_t weight : weights)
        total += std::max<std::int64_t>(weight, 0);
    if (total == 0)
        return shares;
    const bool negative = cents < 0;
    const __int128 whole = negative ? -__int128(cents) : __int128(cents);
    std::vector<__int128> remainders(weights.size(), 0);
    __int128 given = 0;
    for (std::size_t each = 0; each < weights.size(); ++each) {
        const __int128 exact = whole * std::max<std::int64_t>(weights[each], 0);
        shares[each] = std::int64_t(exact / total);
        remainders[each] = exact % total;
        given += shares[each];
    }
    // Fewer cents are left than there are weights: each goes to the next
    // largest remainder, the earlier first where they tie.
    std::vector<std::size_t> order(weights.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return remainders[a] > remainders[b];
    });
    for (std::size_t at = 0; given < whole && at < order.size(); ++at) {
        if (weights[order[at]] <= 0)
            continue;
        ++shares[order[at]];
        ++given;
    }
    if (negative) {
        for (std::int64_t &share : shares)
            share = -share;
    }
    return shares;
}
