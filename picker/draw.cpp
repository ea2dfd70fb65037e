#include "draw.h"

#include <cmath>
#include <limits>

namespace {

std::int16_t checked16(int value)
{
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("Overflow");
    return std::int16_t(value);
}

} // namespace

int DrawNumber(RandomSource &source, int first, int count)
{
    source.Reseed();
    const double fraction = source.NextFraction();
    return int(std::floor(fraction * count + first));
}

std::int16_t GenRndNumber(RandomSource &source, std::int16_t upper, std::int16_t lower)
{
    source.Reseed();
    const double fraction = source.NextFraction();
    const std::int16_t span = checked16(int(upper) - int(lower));
    const std::int16_t count = checked16(int(span) + 1);
    const double x = double(float(count)) * fraction + double(float(lower));
    return std::int16_t(std::floor(x));
}
