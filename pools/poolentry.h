#pragma once

#include "ticketdates.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// A line of pools.csv. The file only grows: a pool, a member, a payment, a
// ticket or a claimed share is a line, and one taken back is a later line
// that names it by its number, so that the earlier line stays as it was
// written, with the time it was, and the chain that proves it was not
// changed since.
struct PoolEntry
{
    enum class Kind
    {
        Pool,     // its name, manager, rules and the day it began
        Member,   // a name and a way to reach them
        Payment,  // a member's money for the draws it covers
        Ticket,   // a ticket of the log, by its three cells and copy
        Share,    // a member's part of a prize marked claimed, and of its tax
        TakenBack // the line numbered takesBack no longer holds
    };
    enum class Split
    {
        Equal,       // among the members in for the draw
        ByAmountPaid // by what each paid for it
    };

    int number = 0;              // the line's own, from 1
    QString recorded;            // when it was written, "12/09/2026 11:30:05", the computer's time
    std::int64_t recordedAt = 0; // the same, seconds since 1970 UTC
    int line = 0;                // the file's line it stands on, from 1
    QString chain; // SHA-256 of the line before's chain and this line's values, in hex;
                   // empty on a line written before lines were chained
    QString pool;
    Kind kind = Kind::Member;
    QString member; // a pool's line: its manager
    QString contact;
    std::int64_t amount = 0; // cents: paid, a share, or a pool's small prizes kept up to
    QString draws;           // a payment's, as a ticket's DATE; a pool's day it began
    TicketDates dates;       // a payment's draws, as read
    QString game;            // a ticket's cells, and a share's
    QString ticketDate;
    QString numbers;
    int copy = 1;
    int drawDate = 0; // a share's, yyyymmdd
    int claimed = 0;  // yyyymmdd
    std::int64_t federal = 0;
    std::int64_t stateWithheld = 0;
    Split split = Split::Equal; // a pool's rules
    bool keepsSmallPrizes = false;
    int takesBack = 0;
    QStringList extra; // cells of columns a spreadsheet added

    static QStringList titles();
    static QString kindText(Kind kind);
    static QString splitText(Split split);
    // Its cells as this program writes them, in the order of titles(), the
    // chain last.
    QStringList fields() const;
    // What the chain proves: the line's values, as they read however a
    // spreadsheet wrote its days, times and amounts (a time to the minute,
    // as a spreadsheet keeps it).
    QByteArray values() const;
    // The recorded time's day, yyyymmdd; 0 where it is none.
    int recordedDay() const;
};
