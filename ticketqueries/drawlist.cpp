#include "drawlist.h"

#include <algorithm>
#include <numeric>

namespace {

void pack(std::vector<std::uint8_t> &packed, std::span<const int> numbers)
{
    for (const int number : numbers) {
        auto value = std::uint32_t(number);
        while (value >= 0x80) {
            packed.push_back(std::uint8_t(value | 0x80));
            value >>= 7;
        }
        packed.push_back(std::uint8_t(value));
    }
}

void unpack(const std::vector<std::uint8_t> &packed, std::size_t at, std::size_t end,
            std::vector<int> &numbers)
{
    numbers.clear();
    while (at < end) {
        std::uint8_t byte = packed[at++];
        // Most numbers are below 128: a byte each.
        std::uint32_t value = byte & 0x7F;
        for (int shift = 7; byte >= 0x80 && at < end; shift += 7) {
            byte = packed[at++];
            value |= std::uint32_t(byte & 0x7F) << shift;
        }
        numbers.push_back(int(value));
    }
}

} // namespace

void DrawList::add(int date, std::span<const int> numbers, std::uint32_t origin, int multiplier,
                   std::span<const int> second)
{
    m_dates.push_back(date);
    m_origins.push_back(origin);
    m_multipliers.push_back(std::uint8_t(std::clamp(multiplier, 0, 255)));
    pack(m_packed, numbers);
    m_ends.push_back(std::uint32_t(m_packed.size()));
    if (!second.empty()) {
        const auto start = std::uint32_t(m_secondPacked.size());
        pack(m_secondPacked, second);
        m_seconds.push_back({size() - 1, start, std::uint32_t(m_secondPacked.size())});
    }
}

void DrawList::numbers(int draw, std::vector<int> &numbers) const
{
    unpack(m_packed, draw == 0 ? 0 : m_ends[std::size_t(draw) - 1], m_ends[std::size_t(draw)],
           numbers);
}

bool DrawList::secondNumbers(int draw, std::vector<int> &numbers) const
{
    const auto found =
        std::lower_bound(m_seconds.begin(), m_seconds.end(), draw,
                         [](const Second &second, int index) { return second.draw < index; });
    if (found == m_seconds.end() || found->draw != draw)
        return false;
    unpack(m_secondPacked, found->start, found->end, numbers);
    return true;
}

std::vector<int> DrawList::numbers(int draw) const
{
    std::vector<int> result;
    numbers(draw, result);
    return result;
}

bool DrawList::sameNumbers(int a, int b) const
{
    const std::uint32_t startA = a == 0 ? 0 : m_ends[std::size_t(a) - 1];
    const std::uint32_t startB = b == 0 ? 0 : m_ends[std::size_t(b) - 1];
    return m_ends[std::size_t(a)] - startA == m_ends[std::size_t(b)] - startB &&
           std::equal(m_packed.begin() + startA, m_packed.begin() + m_ends[std::size_t(a)],
                      m_packed.begin() + startB);
}

DrawList::Dropped DrawList::keepFirstOfEachDay(int most)
{
    std::vector<int> byDate(m_dates.size());
    std::iota(byDate.begin(), byDate.end(), 0);
    std::stable_sort(byDate.begin(), byDate.end(), [this](int a, int b) {
        return m_dates[std::size_t(a)] < m_dates[std::size_t(b)];
    });
    std::vector<bool> kept(m_dates.size(), true);
    Dropped dropped;
    // Each draw is compared with those kept of its day, never more than most.
    std::vector<int> dayKept;
    for (std::size_t at = 0; at < byDate.size(); ++at) {
        const int draw = byDate[at];
        if (at > 0 && date(draw) != date(byDate[at - 1]))
            dayKept.clear();
        const bool repeat = std::any_of(dayKept.begin(), dayKept.end(), [&](int earlier) {
            return m_origins[std::size_t(earlier)] == m_origins[std::size_t(draw)] &&
                   sameNumbers(earlier, draw);
        });
        if (repeat) {
            kept[std::size_t(draw)] = false;
            dropped.repeatedLines += int(m_origins[std::size_t(draw)] & 1u);
        } else if (int(dayKept.size()) >= most) {
            kept[std::size_t(draw)] = false;
            ++dropped.pastMost;
        } else {
            dayKept.push_back(draw);
        }
    }
    m_origins = std::vector<std::uint32_t>();
    if (std::find(kept.begin(), kept.end(), false) == kept.end())
        return dropped;
    // Moved down in place, each draw's numbers after the last kept; a second
    // drawing's numbers stay where they are, their draws renumbered.
    std::size_t to = 0;
    std::uint32_t packedTo = 0;
    std::uint32_t start = 0;
    std::size_t second = 0;
    std::size_t secondTo = 0;
    for (std::size_t draw = 0; draw < m_dates.size(); ++draw) {
        const std::uint32_t end = m_ends[draw];
        const bool hasSecond = second < m_seconds.size() && m_seconds[second].draw == int(draw);
        if (kept[draw]) {
            std::copy(m_packed.begin() + start, m_packed.begin() + end,
                      m_packed.begin() + packedTo);
            packedTo += end - start;
            m_dates[to] = m_dates[draw];
            m_multipliers[to] = m_multipliers[draw];
            m_ends[to] = packedTo;
            if (hasSecond) {
                m_seconds[secondTo] = m_seconds[second];
                m_seconds[secondTo++].draw = int(to);
            }
            ++to;
        }
        second += hasSecond ? 1 : 0;
        start = end;
    }
    m_dates.resize(to);
    m_multipliers.resize(to);
    m_ends.resize(to);
    m_packed.resize(packedTo);
    m_seconds.resize(secondTo);
    return dropped;
}
