#pragma once

#include <compare>
#include <cstdint>
#include <vector>

// A whole number from 0 as large as it needs to be: the weights of a split
// by what each paid, exact over the common multiple of every payment's
// count of draws, which no 64 or 128 bits bound once the counts share no
// small multiple.
class BigCount
{
public:
    BigCount(std::uint64_t value = 0);

    BigCount &operator+=(const BigCount &other);
    // Only of one no larger.
    BigCount &operator-=(const BigCount &other);
    BigCount &operator*=(std::uint64_t factor);
    BigCount operator*(std::uint64_t factor) const { return BigCount(*this) *= factor; }
    // Divided by a divisor from 1 to 2^32 - 1 in place; the remainder.
    std::uint32_t divideBy(std::uint32_t divisor);
    std::uint32_t remainder(std::uint32_t divisor) const;
    BigCount shifted(int bits) const; // times 2^bits
    bool isZero() const { return m_limbs.empty(); }

    friend std::strong_ordering operator<=>(const BigCount &a, const BigCount &b);
    friend bool operator==(const BigCount &a, const BigCount &b) = default;

private:
    void trim();

    std::vector<std::uint32_t> m_limbs; // the least first, no zero last
};
