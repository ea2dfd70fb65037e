#include "ticketcopies.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace {

// Two rows' cells alike: as the file's bytes where both were read from it,
// as text where either was typed.
bool sameCells(const LogList &log, int row, int other)
{
    for (int column = 0; column < 3; ++column) {
        const std::optional<QByteArrayView> a = log.savedBytes(row, column);
        const std::optional<QByteArrayView> b = log.savedBytes(other, column);
        if (a && b ? *a != *b : log.text(row, column) != log.text(other, column))
            return false;
    }
    return true;
}

} // namespace

TicketCopy TicketCopy::of(const LogList &log, int row)
{
    TicketCopy ticket{log.text(row, 0), log.text(row, 1), log.text(row, 2), 1};
    for (int above = 0; above < row; ++above) {
        if (sameCells(log, row, above))
            ++ticket.copy;
    }
    return ticket;
}

std::vector<std::pair<int, int>> TicketCopy::copiesOf(const LogList &log, std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // Rows grouped by their numbers cell, hashed a character at a time as
    // the file's bytes or the typed text, alike for ASCII: no text is made
    // of a row whose numbers are its own.
    const auto hashOf = [](const auto &units) {
        std::uint64_t hash = 14695981039346656037u;
        for (const auto unit : units)
            hash =
                (hash ^ std::uint64_t(std::make_unsigned_t<decltype(unit)>(unit))) * 1099511628211u;
        return hash;
    };
    std::vector<std::pair<std::uint64_t, int>> keyed;
    keyed.reserve(rows.size());
    for (const int row : rows) {
        // Bytes beyond ASCII are of the log's code page: hashed as text.
        std::optional<QByteArrayView> saved = log.savedBytes(row, 2);
        if (saved && std::any_of(saved->begin(), saved->end(), [](char c) { return c & 0x80; }))
            saved.reset();
        const QString typed = saved ? QString() : log.text(row, 2);
        keyed.emplace_back(
            saved ? hashOf(std::string_view(saved->data(), std::size_t(saved->size())))
                  : hashOf(std::u16string_view(reinterpret_cast<const char16_t *>(typed.utf16()),
                                               std::size_t(typed.size()))),
            row);
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::pair<int, int>> copies;
    copies.reserve(rows.size());
    for (std::size_t first = 0; first < keyed.size();) {
        std::size_t end = first + 1;
        while (end < keyed.size() && keyed[end].first == keyed[first].first)
            ++end;
        for (std::size_t at = first; at < end; ++at) {
            int copy = 1;
            for (std::size_t above = first; above < at; ++above) {
                if (sameCells(log, keyed[at].second, keyed[above].second))
                    ++copy;
            }
            copies.emplace_back(keyed[at].second, copy);
        }
        first = end;
    }
    std::sort(copies.begin(), copies.end());
    return copies;
}

bool TicketCopy::cellsOf(const LogList &log, int row) const
{
    return log.text(row, 2) == numbers && log.text(row, 0) == game && log.text(row, 1) == date;
}

std::optional<int> TicketCopy::rowIn(const LogList &log) const
{
    int seen = 0;
    for (int row = 0; row < log.size(); ++row) {
        if (cellsOf(log, row) && ++seen == copy)
            return row;
    }
    return std::nullopt;
}
