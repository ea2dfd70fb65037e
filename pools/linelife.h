#pragma once

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

// When a line of pools.csv held: from the time it was recorded on, but
// while a line taking it back held (and a taking back of that taking back
// gives it back). A draw is decided by the record as it stood when it was
// drawn: what held then counts, whatever was taken back after; what was
// recorded after it and still holds counts too, said to be late.
class LineLife
{
public:
    static constexpr std::int64_t always = std::numeric_limits<std::int64_t>::max();

    explicit LineLife(std::int64_t recorded = 0) : m_recorded(recorded) {}

    std::int64_t recorded() const { return m_recorded; }
    // It does not hold while the line taking it back holds.
    void takenBackWhile(const LineLife &taking);

    bool at(std::int64_t instant) const;
    bool now() const { return m_gaps.empty() || m_gaps.back().second != always; }
    bool ever() const;
    bool late(std::int64_t instant) const { return m_recorded > instant; }
    // Whether it counts for what was drawn at the instant.
    bool countsFor(std::int64_t instant) const { return at(instant) || (late(instant) && now()); }
    // When it stopped holding last; always where it holds.
    std::int64_t until() const { return now() ? always : m_gaps.back().first; }

private:
    // The spans it holds over: from recorded, between and after the gaps.
    std::vector<std::pair<std::int64_t, std::int64_t>> spans() const;

    std::int64_t m_recorded;
    std::vector<std::pair<std::int64_t, std::int64_t>> m_gaps; // [from, to), in order, apart
};
