#pragma once

#include "listedticket.h"
#include "loglist.h"

#include <cstdint>
#include <vector>

// The order a click on a column header gives the listed tickets: games by
// name, whatever the case and the spaces; dates as dates, those that no rule
// reads last; numbers by their numbers, one by one; results best first.
// Descending reverses that, but for the unread dates and a season's tickets
// with no draw, which stay last. Equal tickets keep log order either way.
class TicketOrder
{
public:
    enum Column
    {
        Game,
        Date,
        Numbers,
        Result
    };

    TicketOrder(const LogList &log, Column column, bool descending);

    Column column() const { return m_column; }
    bool isDescending() const { return m_descending; }

    // Puts the tickets in this order. The whole listing is keyed once, so that
    // a million tickets sort in a fraction of a second; the keys are let go
    // when it is done.
    void sort(std::vector<ListedTicket> &tickets) const;
    // Whether a comes before b: for the place of one ticket among the sorted.
    bool before(const ListedTicket &a, const ListedTicket &b) const;

private:
    // A key whose order is the column's, where a number can hold it: exact
    // but for long or many numbers, which are compared whole where keys tie.
    struct Key
    {
        std::uint64_t value;
        bool last;  // an unread date, or no draw
        bool whole; // the key ties more than the numbers do
    };
    Key key(const ListedTicket &ticket) const;
    int compareWhole(int rowA, int rowB) const;
    bool before(const Key &a, int rowA, const Key &b, int rowB) const;

    const LogList *m_log;
    Column m_column;
    bool m_descending;
};
