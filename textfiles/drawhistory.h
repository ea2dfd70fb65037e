#pragma once

#include "drawlist.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>

// The draws of one game in a lottery's file of past draws, as lotteries
// publish them, for example
//   Draw Date,Winning Numbers,Mega Ball,Multiplier
//   09/26/2020,11 21 27 36 62,24,3
// A line that holds a date is a draw, or several: the date is read as the
// check bar reads dates, with the English name of its month ("Sat. Nov 28,
// 2026", "28 Nov 2026", "7-Oct-2015"), from three fields of month, day and
// four-digit year, or from three columns a header names Month, Day and Year.
// A header is a line of titles that name what its columns hold; columns
// titled with a draw time (Midday, Evening) each hold a draw of the day;
// columns titled as a multiplier, a sum, a booster, a draw number or money,
// as another game's ball or as another drawing, are never numbers; where
// titles name games (Win 4), only the game's own columns are read, and a
// draw whose leading zeros were left out ("84" for 0-8-4) is read whole. For
// a game of the table of games, a draw is its count of numbers and its ball
// after the date, each fitting the game's ranges on the draw's day, and in
// a space-separated file, whose titles cannot be told apart, numbers are
// read by that shape alone; for another game, every number after the date.
// Where a line names a game (a header's Game column, or text before or after
// the date), lines of other games are skipped, as are headers, notes, lines
// with no numbers, lines that repeat another, and draws past the 24th of one
// day.
struct DrawHistory
{
    DrawList draws;
    int skippedLines = 0;
    int datedLines = 0; // lines that held a date
    QString otherGame;  // a game of the table the first skipped line named, as written
    bool cancelled = false;

    // Where the file gave no draw, why: "no line has a date", "lines name
    // Lotto Texas", "no draw of Pick 3"; empty where it gave some.
    QString why(QStringView game) const;
};

// progress(done, of) is told how far the reading is, now and then; false
// from it stops the reading, and the history is marked cancelled.
DrawHistory ReadDrawHistory(const QByteArray &bytes, QStringView game,
                            const std::function<bool(qsizetype, qsizetype)> &progress = {});
