#pragma once

#include "randomsource.h"

#include <array>
#include <cstdint>
#include <functional>

// xoshiro256** seeded once from the operating system's entropy and the clock.
class SystemRandomSource : public RandomSource
{
public:
    using Clock = std::function<std::uint64_t()>;

    // The clock defaults to a high-resolution reading in nanoseconds.
    explicit SystemRandomSource(Clock clock = {});

    void Reseed() override;
    float NextFraction() override;

private:
    std::uint64_t next();

    Clock m_clock;
    std::array<std::uint64_t, 4> m_state{};
    std::uint64_t m_reseeds = 0;
};
