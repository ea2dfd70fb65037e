#pragma once

#include "drawlist.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// The draws of one game in a lottery's file of past draws, as lotteries
// publish them, for example
//   Draw Date,Winning Numbers,Mega Ball,Multiplier
//   09/26/2020,11 21 27 36 62,24,3
// A line that holds a date is a draw, or several: the date is read as the
// check bar reads dates, with the English name of its month ("Sat. Nov 28,
// 2026", "28 Nov 2026"), from three fields of month, day and four-digit year,
// or from three columns a header names Month, Day and Year. A header is a
// line of titles that name what its columns hold; columns titled with a draw
// time (Midday, Evening) each hold a draw of the day; columns titled as a
// multiplier, a sum, a booster, a draw number or money, or as another game's
// ball, are never numbers. For a game of the table of games, a draw is its
// count of numbers and its ball after the date, each cell of them fitting the
// game (a cell of four digits is no Pick 3 draw), and in a space-separated
// file, whose titles cannot be told apart, numbers are read by that shape
// alone; for another game, every number after the date. Where a line names a
// game (a header's Game column, or text before the date), lines of other
// games are skipped, as are headers, notes, lines with no numbers and draws
// past the 24th of one day.
struct DrawHistory
{
    DrawList draws;
    int skippedLines = 0;
    int datedLines = 0; // lines that held a date

    // Where the file gave no draw, why: "no line has a date", "no draw of
    // Pick 3"; empty where it gave some.
    QString why(QStringView game) const;
};

DrawHistory ReadDrawHistory(const QByteArray &bytes, QStringView game);
