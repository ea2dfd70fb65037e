#pragma once

#include "bigcount.h"

#include <cstdint>
#include <span>
#include <vector>

// A sum of cents shared by weights, in whole cents that add up to it: each
// exact share rounded down, then the cents left over given one at a time to
// the largest remainders, ties to the earlier weight (a pool's members in
// the order they joined). Weights of 0 get nothing; where every weight is 0
// nobody does, and the sum is not shared. A negative sum is shared as its
// opposite, then negated.
std::vector<std::int64_t> SplitCents(std::int64_t cents, std::span<const std::int64_t> weights);
// The same by weights of any size, exactly.
std::vector<std::int64_t> SplitCents(std::int64_t cents, std::span<const BigCount> weights);
