#include "bigcount.h"

#include <algorithm>

BigCount::BigCount(std::uint64_t value)
{
    for (; value; value >>= 32)
        m_limbs.push_back(std::uint32_t(value));
}

void BigCount::trim()
{
    while (!m_limbs.empty() && m_limbs.back() == 0)
        m_limbs.pop_back();
}

BigCount &BigCount::operator+=(const BigCount &other)
{
    m_limbs.resize(std::max(m_limbs.size(), other.m_limbs.size()) + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t at = 0; at < m_limbs.size(); ++at) {
        carry += std::uint64_t(m_limbs[at]) + (at < other.m_limbs.size() ? other.m_limbs[at] : 0);
        m_limbs[at] = std::uint32_t(carry);
        carry >>= 32;
    }
    trim();
    return *this;
}

BigCount &BigCount::operator-=(const BigCount &other)
{
    std::int64_t borrow = 0;
    for (std::size_t at = 0; at < m_limbs.size(); ++at) {
        std::int64_t limb = std::int64_t(m_limbs[at]) - borrow -
                            std::int64_t(at < other.m_limbs.size() ? other.m_limbs[at] : 0);
        borrow = limb < 0 ? 1 : 0;
        m_limbs[at] = std::uint32_t(limb + (borrow << 32));
    }
    trim();
    return *this;
}

BigCount &BigCount::operator*=(std::uint64_t factor)
{
    // By its two halves, each a 32-bit limb.
    const BigCount low = [&] {
        BigCount product;
        product.m_limbs.resize(m_limbs.size() + 1, 0);
        const std::uint64_t half = std::uint32_t(factor);
        std::uint64_t carry = 0;
        for (std::size_t at = 0; at < m_limbs.size(); ++at) {
            carry += m_limbs[at] * half;
            product.m_limbs[at] = std::uint32_t(carry);
            carry >>= 32;
        }
        product.m_limbs.back() = std::uint32_t(carry);
        product.trim();
        return product;
    }();
    const std::uint64_t high = factor >> 32;
    if (high) {
        BigCount upper = *this;
        upper *= high;
        upper = upper.shifted(32);
        *this = low;
        *this += upper;
    } else {
        *this = low;
    }
    return *this;
}

std::uint32_t BigCount::divideBy(std::uint32_t divisor)
{
    std::uint64_t rest = 0;
    for (std::size_t at = m_limbs.size(); at-- > 0;) {
        rest = (rest << 32) | m_limbs[at];
        m_limbs[at] = std::uint32_t(rest / divisor);
        rest %= divisor;
    }
    trim();
    return std::uint32_t(rest);
}

std::uint32_t BigCount::remainder(std::uint32_t divisor) const
{
    return BigCount(*this).divideBy(divisor);
}

BigCount BigCount::shifted(int bits) const
{
    if (isZero())
        return *this;
    BigCount shifted;
    shifted.m_limbs.assign(std::size_t(bits / 32), 0);
    const int within = bits % 32;
    std::uint32_t carry = 0;
    for (const std::uint32_t limb : m_limbs) {
        shifted.m_limbs.push_back(within ? (limb << within) | carry : limb);
        carry = within ? limb >> (32 - within) : 0;
    }
    shifted.m_limbs.push_back(carry);
    shifted.trim();
    return shifted;
}

std::strong_ordering operator<=>(const BigCount &a, const BigCount &b)
{
    if (a.m_limbs.size() != b.m_limbs.size())
        return a.m_limbs.size() <=> b.m_limbs.size();
    for (std::size_t at = a.m_limbs.size(); at-- > 0;) {
        if (a.m_limbs[at] != b.m_limbs[at])
            return a.m_limbs[at] <=> b.m_limbs[at];
    }
    return std::strong_ordering::equal;
}
