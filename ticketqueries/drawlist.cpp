#include "drawlist.h"

#include <algorithm>
#include <numeric>

void DrawList::add(int date, std::span<const int> numbers, std::uint32_t origin)
{
    m_dates.push_back(date);
    m_origins.push_back(origin);
    for (const int number : numbers) {
        auto value = std::uint32_t(number);
        while (value >= 0x80) {
            m_packed.push_back(std::uint8_t(value | 0x80));
            value >>= 7;
        }
        m_packed.push_back(std::uint8_t(value));
    }
    m_ends.push_back(std::uint32_t(m_packed.size()));
}

void DrawList::numbers(int draw, std::vector<int> &numbers) const
{
    numbers.clear();
    std::size_t at = draw == 0 ? 0 : m_ends[std::size_t(draw) - 1];
    const std::size_t end = m_ends[std::size_t(draw)];
    while (at < end) {
        std::uint32_t value = 0;
        for (int shift = 0; at < end; shift += 7) {
            const std::uint8_t byte = m_packed[at++];
            value |= std::uint32_t(byte & 0x7F) << shift;
            if (byte < 0x80)
                break;
        }
        numbers.push_back(int(value));
    }
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
    // Moved down in place, each draw's numbers after the last kept.
    std::size_t to = 0;
    std::uint32_t packedTo = 0;
    std::uint32_t start = 0;
    for (std::size_t draw = 0; draw < m_dates.size(); ++draw) {
        const std::uint32_t end = m_ends[draw];
        if (kept[draw]) {
            std::copy(m_packed.begin() + start, m_packed.begin() + end,
                      m_packed.begin() + packedTo);
            packedTo += end - start;
            m_dates[to] = m_dates[draw];
            m_ends[to] = packedTo;
            ++to;
        }
        start = end;
    }
    m_dates.resize(to);
    m_ends.resize(to);
    m_packed.resize(packedTo);
    return dropped;
}
