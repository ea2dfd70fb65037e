#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

// Tickets read from a CSV file, as export writes one or a spreadsheet saves
// one: comma, semicolon or tab separated; a header naming GAME, DATE and
// NUMBERS in any case and order, other columns ignored, or no header and the
// first three columns. The ' that export puts before a cell that would run as
// a formula is taken off again, and a line break inside a cell becomes a
// space, as the log holds one line a cell.
struct TicketsRead
{
    enum Reason
    {
        TooFewFields,
        UnclosedQuote
    };
    struct Skipped
    {
        int line;
        Reason reason;
    };

    // Every cell, one after another, and where each lies, three a ticket:
    // one buffer, so that a million tickets take no million allocations.
    QString text;
    std::vector<std::pair<qsizetype, qsizetype>> cells;
    std::vector<Skipped> skipped;
    int changedCells = 0; // a line break made a space, or a character the code page lacks
    bool cancelled = false;

    int count() const { return int(cells.size() / 3); }
    QStringView cell(int ticket, int column) const
    {
        const auto [start, length] = cells[std::size_t(ticket) * 3 + std::size_t(column)];
        return QStringView(text).sliced(start, length);
    }
    // "12 tickets; 2 lines skipped: 4, 9 (too few fields); 1 cell changed".
    QString summary() const;
};

// progress(done, of) is told how far the reading is, now and then; false
// from it stops the reading, and nothing is read.
TicketsRead ReadTicketsCsv(const QByteArray &bytes,
                           const std::function<bool(qsizetype, qsizetype)> &progress = {});
