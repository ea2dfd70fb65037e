#pragma once

#include "ticketcells.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// A prize marked claimed: the ticket's three cells as the log holds them,
// which copy of those cells it is where the log holds the same ticket more
// than once, the draw it won, when it was claimed, and what was paid and
// withheld, in cents. It stays when its ticket leaves the log: it is a tax
// record.
struct ClaimRecord
{
    QString game;
    QString ticketDate;
    QString numbers;
    int copy = 1;           // the first, second ... ticket of these cells in the log
    int drawDate = 0;       // yyyymmdd
    int claimed = 0;        // yyyymmdd
    QString state;          // its code, where known
    std::int64_t prize = 0; // as worked out from the rules, 0 where not known
    std::int64_t wager = 0;
    std::int64_t paid = 0; // as the player typed it: what the tax year counts
    std::int64_t federal = 0;
    std::int64_t stateWithheld = 0;
    QStringList extra; // cells of columns a spreadsheet added, kept as they were

    // The same ticket's same draw, however a spreadsheet wrote its cells.
    bool sameDraw(const ClaimRecord &other) const;
    TicketCells cells() const { return {game, ticketDate, numbers}; }

    // The titles and fields claims.csv has always written; the copy and any
    // extra cells follow them where there are any.
    static QStringList titles();
    QStringList fields() const;
};
