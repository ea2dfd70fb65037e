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
    // origin: what tells a draw from a repeat of it, such as a hash of its
    // line's text and its place on the line; 0 where nothing does. An odd
    // origin marks the first draw of its line. multiplier: the one the
    // lottery drew with it (Power Play's, the Megaplier's), 0 for none;
    // second: the numbers of a drawing of its own beside it (Double Play's).
    void add(int date, std::span<const int> numbers, std::uint32_t origin = 0, int multiplier = 0,
             std::span<const int> second = {});

    struct Dropped
    {
        int repeatedLines = 0; // first draws of lines whose day held one of the same origin and
                               // numbers
        int pastMost = 0;      // draws past the most a day
    };
    // Keeps each draw once, and the first of each day, as many as most; lets
    // the origins go.
    Dropped keepFirstOfEachDay(int most);

    int size() const { return int(m_dates.size()); }
    bool empty() const { return m_dates.empty(); }
    int date(int draw) const { return m_dates[std::size_t(draw)]; }
    // Into numbers, which keeps its room from one draw to the next.
    void numbers(int draw, std::vector<int> &numbers) const;
    std::vector<int> numbers(int draw) const;
    int multiplier(int draw) const { return m_multipliers[std::size_t(draw)]; }
    // The second drawing's numbers, into numbers; false where it has none.
    bool secondNumbers(int draw, std::vector<int> &numbers) const;

private:
    bool sameNumbers(int a, int b) const;

    std::vector<int> m_dates;
    std::vector<std::uint32_t> m_ends;    // where each draw's numbers end in m_packed
    std::vector<std::uint8_t> m_packed;   // seven bits a byte, the high bit for more
    std::vector<std::uint32_t> m_origins; // until the repeats are dropped
    std::vector<std::uint8_t> m_multipliers;
    // The few draws with a second drawing, in draw order, and where its
    // numbers lie in m_secondPacked.
    struct Second
    {
        int draw;
        std::uint32_t start;
        std::uint32_t end;
    };
    std::vector<Second> m_seconds;
    std::vector<std::uint8_t> m_secondPacked;
};
