#pragma once

#include "lotterygame.h"
#include "usstate.h"

#include <string_view>

// What a ticket's GAME cell names, folded as GameKey folds it: the game of
// the table, if any, and the state whose prizes they are where the cell or
// the game itself says so: the state after the game ("Powerball TX"), or
// the one whose own game it is (Lotto Texas, New York's Numbers). Nothing
// for the state of a game every state plays under one name.
struct TicketGame
{
    const LotteryGame *game = nullptr;
    const UsState *state = nullptr;

    static TicketGame of(std::u16string_view key);
};
