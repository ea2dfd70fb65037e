#pragma once

#include "claimrecord.h"
#include "keptcolumns.h"

#include <QList>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

// The columns of claims.csv as the file at hand has them: found by their
// titles, in any order and case, as a spreadsheet may have moved them; the
// titles it does not know kept, to be written back. A day reads as this
// program writes it (06/06/2027), as a spreadsheet may save it (6/6/2027,
// 2027-06-06, 06.06.2027); an amount with or without cents, $ and
// separators.
class ClaimColumns
{
public:
    // Nothing where a title a claim needs is missing: the day claimed, the
    // ticket's three cells and the draw.
    static std::optional<ClaimColumns> of(const QList<QStringView> &titles);

    // Nothing where the line cannot be read as a claim; separator: the
    // file's, which tells how it writes an amount.
    std::optional<ClaimRecord> read(const QList<QStringView> &fields, QChar separator) const;
    const QStringList &extraTitles() const { return m_columns.extraTitles(); }

    // What this program writes: its titles, "Copy" where any claim is of a
    // second copy, then the titles it did not know.
    static QStringList titlesWritten(bool copies, const QStringList &extraTitles);
    static QStringList fieldsWritten(const ClaimRecord &record, bool copies, int extras);

private:
    enum Column
    {
        Claimed,
        Game,
        TicketDate,
        Numbers,
        Draw,
        State,
        Prize,
        Wager,
        Paid,
        Federal,
        StateWithheld,
        Copy,
        Known
    };

    explicit ClaimColumns(KeptColumns columns) : m_columns(std::move(columns)) {}

    KeptColumns m_columns;
};
