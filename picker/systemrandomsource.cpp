#include "systemrandomsource.h"

#include <QRandomGenerator>

#include <bit>
#include <chrono>

namespace {

std::uint64_t splitMix(std::uint64_t value)
{
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

std::uint64_t highResolutionNanoseconds()
{
    using namespace std::chrono;
    return std::uint64_t(
        duration_cast<nanoseconds>(high_resolution_clock::now().time_since_epoch()).count());
}

} // namespace

SystemRandomSource::SystemRandomSource(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(highResolutionNanoseconds))
{
    QRandomGenerator::system()->generate(m_state.begin(), m_state.end());
    // The clock as well, should the entropy source be weak.
    const std::uint64_t now = m_clock();
    for (std::size_t word = 0; word < m_state.size(); ++word)
        m_state[word] ^= splitMix(now + word);
    if (m_state == std::array<std::uint64_t, 4>{})
        m_state[0] = 1;
}

void SystemRandomSource::Reseed()
{
    // A counter beside the clock keeps two re-seeds at one reading apart, and
    // the state is advanced rather than replaced.
    m_state[0] ^= splitMix(m_clock() ^ splitMix(++m_reseeds));
    if (m_state == std::array<std::uint64_t, 4>{})
        m_state[0] = 1;
    next();
}

float SystemRandomSource::NextFraction()
{
    // 24 random bits over 2^24: exact in single precision, so never 1.0.
    return float(next() >> 40) * (1.0f / 16777216.0f);
}

std::uint64_t SystemRandomSource::next()
{
    const std::uint64_t result = std::rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t shifted = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= shifted;
    m_state[3] = std::rotl(m_state[3], 45);
    return result;
}
