#pragma once

#include "ticketdates.h"

#include <QString>
#include <QStringView>

// A ticket's three cells as the kept files name it: the same ticket however
// a spreadsheet wrote its day back (5/23/2026 for 05/23/2026, 2026-05-23)
// or its numbers (12 for 012, a number without its leading zero), so that
// a claim and a pool's ticket find their ticket in the log.
struct TicketCells
{
    QString game;
    QString date;
    QString numbers;

    bool operator==(const TicketCells &other) const;
    // What it is known by: alike for the same ticket, for a hash.
    QString key() const;

    // A DATE cell as its draws: "d20260523" for a day, "d20261207-20261219"
    // for a run, "d20261207x6" for a count; the cell trimmed where it names
    // no draw.
    static QString dateKey(QStringView date);
    static QString dateKey(const TicketDates &dates);
    // The same, after what a key holds already.
    static void appendDateKey(QString &key, QStringView date);
    static void appendDateKey(QString &key, const TicketDates &dates);
    static void appendNumbersKey(QString &key, QStringView numbers);
    // Each number as its value, the words beside them in capitals, one
    // space between: "1 2 3 PB 4" for "01 02 03 pb 04" and "1-2-3 PB 4".
    static QString numbersKey(QStringView numbers);
};
