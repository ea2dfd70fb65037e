#include "linelife.h"

#include <algorithm>

std::vector<std::pair<std::int64_t, std::int64_t>> LineLife::spans() const
{
    std::vector<std::pair<std::int64_t, std::int64_t>> spans;
    std::int64_t from = m_recorded;
    for (const auto &[gapFrom, gapTo] : m_gaps) {
        if (gapFrom > from)
            spans.emplace_back(from, gapFrom);
        from = std::max(from, gapTo);
    }
    if (from != always)
        spans.emplace_back(from, always);
    return spans;
}

void LineLife::takenBackWhile(const LineLife &taking)
{
    for (const auto &span : taking.spans())
        m_gaps.push_back(span);
    std::sort(m_gaps.begin(), m_gaps.end());
    std::vector<std::pair<std::int64_t, std::int64_t>> merged;
    for (const auto &gap : m_gaps) {
        if (!merged.empty() && gap.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, gap.second);
        else
            merged.push_back(gap);
    }
    m_gaps = std::move(merged);
}

bool LineLife::at(std::int64_t instant) const
{
    if (instant < m_recorded)
        return false;
    for (const auto &[from, to] : m_gaps) {
        if (instant >= from && instant < to)
            return false;
    }
    return true;
}

bool LineLife::ever() const
{
    return !spans().empty();
}
