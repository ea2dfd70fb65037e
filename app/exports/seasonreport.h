#pragma once

#include "numbercounts.h"

#include <QDate>
#include <QPdfWriter>
#include <QString>
#include <QStringList>

#include <vector>

// What a report of a check or a season holds: the game and the file of draws
// it was checked against, the lines that sum it up, the chart, and each
// ticket listed with a result better than nothing, as the list shows it, in
// columns fitted to the page, a ticket of several draws with the draws it
// won under it; then how many won nothing, and how many had no draw.
struct SeasonReport
{
    struct Winner
    {
        QStringList cells;
        QString days; // "3 draws in the file; won 12/05/2026: ...", or empty
    };

    QString game;
    QString drawsFile; // empty for a single draw
    QDate made;
    QStringList summary;
    NumberCounts counts;
    QStringList titles;
    std::vector<Winner> winners;
    int others = 0; // listed tickets with nothing won
    int noDraw = 0; // a season's tickets whose day has no draw in the file

    // The lines after the winners: how many won nothing, how many had no draw.
    QStringList closing() const;
    // On A4 or Letter paper, as the system's locale measures; false, with
    // the reason, where the file could not be written.
    bool write(const QString &path, QString *errorString) const;
};
