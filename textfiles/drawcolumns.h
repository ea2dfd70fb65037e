#pragma once

#include "lotterygame.h"

#include <QList>
#include <QStringView>

#include <optional>
#include <vector>

// What the titles of a header line of a file of past draws say of their
// columns, for the game checked.
namespace DrawColumns {

enum class Role
{
    Unnamed, // a title that says nothing this reader knows: read as numbers
    Numbers,
    Date,
    Month,
    Day,
    Year,
    Game,
    Extra,      // the ball, or the bonus number, of the game checked
    Multiplier, // Power Play's or the Megaplier's, drawn with the numbers
    Second,     // another drawing's numbers beside the game's: Double Play's
    NotWinning
};

struct Column
{
    Role role = Role::Unnamed;
    int drawTime = 0;                  // DrawTimeOf its title's word, where one names a time
    const LotteryGame *game = nullptr; // the game its title names, as in "Win 4 #"
    bool positional = false;           // one number of a draw: "N1", "Ball 3"
    bool wholeDraws = false;           // its cells each hold a draw, leading zeros perhaps left out
};

// What a header's title says of its column, whatever its spaces, case and
// marks, for the game checked.
Column columnOf(QStringView given, const LotteryGame *rules);
// A line of titles: two or more, each with a letter, one at least that this
// reader knows. A title line or a line of dashes above it is none.
std::optional<std::vector<Column>> headerOf(const QList<QStringView> &fields,
                                            const LotteryGame *rules, int drawTime);

} // namespace DrawColumns
