#pragma once

#include "loglist.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

// A ticket as its three cells, and which of the log's tickets with those
// cells it is: a player's two slips of the same numbers, or a pool's, are
// two tickets, each won and claimed on its own. What a ticket is known by
// where rows move: a ticket deleted or added above it changes its row, not
// its copy.
struct TicketCopy
{
    QString game;
    QString date;
    QString numbers;
    int copy = 1; // from 1, in the order of the log

    static TicketCopy of(const LogList &log, int row);
    // Which copy each of many rows is, in one pass, where every row with the
    // same cells as one of them is among them (a season's winners: the same
    // cells win the same): (row, copy), by row.
    static std::vector<std::pair<int, int>> copiesOf(const LogList &log, std::vector<int> rows);
    // Whether the row holds this ticket's cells, whichever copy.
    bool cellsOf(const LogList &log, int row) const;
    // Its row in the log as it is now; nothing where it is no longer there.
    std::optional<int> rowIn(const LogList &log) const;
};
