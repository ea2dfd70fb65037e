#pragma once

#include "historycheck.h"

#include <QByteArray>
#include <QStringView>

#include <vector>

// The draws of one game in a lottery's file of past draws, as lotteries
// publish them: one draw a line, a date and its numbers, for example
//   Draw Date,Winning Numbers,Multiplier
//   09/26/2020,11 21 27 36 62 24,3
// A line that holds a date is a draw; the date is read as the check bar reads
// dates, or from three columns a header names Month, Day and Year. The numbers
// are those after the date, digit by digit for Pick 3 and Pick 4, but for
// columns a header names as a multiplier or a bonus, extra or power ball.
// Where a line names a game (a header's Game column, or text before the date),
// lines of other games are skipped, as are headers, notes, lines with no
// numbers and draws past the 24th of one day.
struct DrawHistory
{
    std::vector<PastDraw> draws;
    int skippedLines = 0;
};

DrawHistory ReadDrawHistory(const QByteArray &bytes, QStringView game);
