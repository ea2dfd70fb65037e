#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The draws of a lottery's file of past draws: each one's day, as DateKey
// gives it, and its winning numbers as drawn, a ball game's ball last. Held
// in a few flat arrays, the numbers packed a byte each where they are below
// 128, so that a file's draws take less room than its text.
class DrawList
{
public:
    void add(int date, std::span<const int> numbers);
    // Keeps the first draws of each day, as many as most; returns how many
    // went.
    int keepFirstOfEachDay(int most);

    int size() const { return int(m_dates.size()); }
    bool empty() const { return m_dates.empty(); }
    int date(int draw) const { return m_dates[std::size_t(draw)]; }
    // Into numbers, which keeps its room from one draw to the next.
    void numbers(int draw, std::vector<int> &numbers) const;
    std::vector<int> numbers(int draw) const;

private:
    std::vector<int> m_dates;
    std::vector<std::uint32_t> m_ends;  // where each draw's numbers end in m_packed
    std::vector<std::uint8_t> m_packed; // seven bits a byte, the high bit for more
};
