#include "ticketorder.h"

#include "gamekey.h"
#include "ticketdates.h"

#include <QHash>
#include <QString>

#include <algorithm>
#include <optional>

namespace {

constexpr int gameColumn = 0;
constexpr int numbersColumn = 2;

std::vector<int> numbersOf(const LogList &log, int row)
{
    if (const std::optional<QByteArrayView> bytes = log.savedBytes(row, numbersColumn))
        return NumbersIn(*bytes);
    return NumbersIn(log.text(row, numbersColumn));
}

// The first six numbers in ten bits each, each one more than the number, so
// that a ticket with fewer numbers comes first, as a shorter word does.
// Exact where there are at most six, and none above 1021; from a larger
// number on, the key holds only that it is large, and tickets whose keys tie
// are compared whole.
std::pair<std::uint64_t, bool> packed(const std::vector<int> &numbers)
{
    constexpr int fields = 6;
    constexpr int largest = 1021;
    std::uint64_t value = 0;
    bool exact = numbers.size() <= fields;
    bool cut = false;
    for (std::size_t at = 0; at < fields; ++at) {
        std::uint64_t field = 0;
        if (at < numbers.size() && !cut) {
            cut = numbers[at] > largest;
            field = std::uint64_t(std::min(numbers[at], largest + 1)) + 1;
            exact = exact && !cut;
        }
        value = value << 10 | field;
    }
    return {value, exact};
}

// Best first.
std::uint64_t resultOrder(DrawMatch match)
{
    return std::uint64_t(DrawMatch{DrawMatch::Straight}.rank() - match.rank());
}

} // namespace

TicketOrder::TicketOrder(const LogList &log, Column column, bool descending)
    : m_log(&log), m_column(column), m_descending(descending)
{
}

TicketOrder::Key TicketOrder::key(const ListedTicket &ticket) const
{
    switch (m_column) {
    case Game:
        return {0, false, true};
    case Date: {
        // A ticket of several draws sorts by its first.
        const std::optional<TicketDates> dates = TicketDates::of(*m_log, ticket.row);
        return {std::uint64_t(dates ? dates->first : 0), !dates, false};
    }
    case Numbers: {
        const auto [value, exact] = packed(numbersOf(*m_log, ticket.row));
        return {value, false, !exact};
    }
    case Result:
        return {resultOrder(ticket.match), ticket.match.kind == DrawMatch::NoDraw, false};
    }
    return {};
}

int TicketOrder::compareWhole(int rowA, int rowB) const
{
    if (m_column == Game)
        return GameKey(m_log->text(rowA, gameColumn))
            .compare(GameKey(m_log->text(rowB, gameColumn)));
    const std::vector<int> a = numbersOf(*m_log, rowA);
    const std::vector<int> b = numbersOf(*m_log, rowB);
    return a < b ? -1 : b < a ? 1 : 0;
}

bool TicketOrder::before(const Key &a, int rowA, const Key &b, int rowB) const
{
    if (a.last != b.last)
        return b.last;
    int order = a.value < b.value ? -1 : b.value < a.value ? 1 : 0;
    if (order == 0 && (a.whole || b.whole))
        order = compareWhole(rowA, rowB);
    if (m_descending)
        order = -order;
    return order != 0 ? order < 0 : rowA < rowB;
}

bool TicketOrder::before(const ListedTicket &a, const ListedTicket &b) const
{
    return before(key(a), a.row, key(b), b.row);
}

void TicketOrder::sort(std::vector<ListedTicket> &tickets) const
{
    struct Keyed
    {
        Key key;
        ListedTicket ticket;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(tickets.size());
    if (m_column == Game) {
        // Few games, many tickets: each game is ranked once among the others.
        QHash<QString, int> games;
        std::vector<int> gameOf;
        gameOf.reserve(tickets.size());
        for (const ListedTicket &ticket : tickets) {
            const QString game = GameKey(m_log->text(ticket.row, gameColumn));
            auto known = games.constFind(game);
            if (known == games.cend())
                known = games.insert(game, int(games.size()));
            gameOf.push_back(*known);
        }
        QStringList names = games.keys();
        std::sort(names.begin(), names.end());
        std::vector<int> rank(std::size_t(names.size()));
        for (int at = 0; at < names.size(); ++at)
            rank[std::size_t(games.value(names[at]))] = at;
        for (std::size_t at = 0; at < tickets.size(); ++at)
            keyed.push_back(
                {{std::uint64_t(rank[std::size_t(gameOf[at])]), false, false}, tickets[at]});
    } else {
        for (const ListedTicket &ticket : tickets)
            keyed.push_back({key(ticket), ticket});
    }
    std::sort(keyed.begin(), keyed.end(), [this](const Keyed &a, const Keyed &b) {
        return before(a.key, a.ticket.row, b.key, b.ticket.row);
    });
    for (std::size_t at = 0; at < tickets.size(); ++at)
        tickets[at] = keyed[at].ticket;
}
