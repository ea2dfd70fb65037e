#pragma once

#include <bit>
#include <cstdint>

// Distinct numbers from 0 to 127 as bits, so that two draws' numbers in
// common are counted at once. A number out of that range leaves the set not
// whole, and its numbers are then counted another way.
class NumberBits
{
public:
    void clear()
    {
        m_low = m_high = 0;
        m_whole = true;
    }
    void add(int number)
    {
        if (number < 0 || number > 127)
            m_whole = false;
        else
            (number < 64 ? m_low : m_high) |= std::uint64_t(1) << (number & 63);
    }
    bool isWhole() const { return m_whole; }
    bool has(int number) const
    {
        return number >= 0 && number <= 127 &&
               ((number < 64 ? m_low : m_high) >> (number & 63) & 1) != 0;
    }
    int count() const { return ones(m_low) + ones(m_high); }
    int common(const NumberBits &other) const
    {
        return ones(m_low & other.m_low) + ones(m_high & other.m_high);
    }

private:
    // Without a processor's own count of ones, std::popcount calls a
    // function; this is the same, counted in place.
    static int ones(std::uint64_t bits)
    {
#ifdef __POPCNT__
        return std::popcount(bits);
#else
        bits -= (bits >> 1) & 0x5555555555555555u;
        bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
        bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
        return int((bits * 0x0101010101010101u) >> 56);
#endif
    }

    std::uint64_t m_low = 0;
    std::uint64_t m_high = 0;
    bool m_whole = true;
};
