#pragma once

#include "randomsource.h"

#include <cstdint>
#include <stdexcept>

// The draw: re-seed, take a fraction f, and round f * count + first down. With
// f below 1 the result stays within first .. first + count - 1.
int DrawNumber(RandomSource &source, int first, int count);

// The draw from lower to upper in 16-bit arithmetic. Throws std::overflow_error
// when upper - lower or its count does not fit in 16 bits; the source has then
// been re-seeded and one fraction taken.
std::int16_t GenRndNumber(RandomSource &source, std::int16_t upper, std::int16_t lower);
