#pragma once

#include "glyphline.h"
#include "lotterygame.h"

#include <string>
#include <vector>

// The draws a ticket plays, as tickets print them: "FOR 1 DRAW - Sat Apr 01
// 17", "SINGLE DRAW Jun 30 2018", "SAT JUN30 18", "2 DRAWS", "THRU ...",
// 06/30/2018; the day it was sold ("SOLD ON", a terminal's time) is no
// draw's. The day is checked against the weekday printed beside it and the
// game's draw days.
struct DrawDates
{
    int first = 0; // yyyymmdd; 0 where none was read
    int last = 0;  // a run's, "THRU" a day
    int count = 1;
    std::vector<std::string> reasons;

    static DrawDates read(const std::vector<GlyphLine> &lines, const LotteryGame *game);
};
