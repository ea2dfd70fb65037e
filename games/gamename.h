#pragma once

#include "lotterygame.h"
#include "usstate.h"

#include <string_view>

// A game's name as a ticket or a line of a file writes it, folded as GameKey
// folds it ("pick3midday"): the game of the table it names, if any, and the
// draw time after it, if any. The one rule by which names are compared.
struct GameName
{
    const LotteryGame *game = nullptr;
    std::u16string_view base;       // the name without its draw time
    int drawTime = 0;               // as DrawTimeOf gives it; 0 for none
    const UsState *state = nullptr; // where a ticket names the state it was bought in
                                    // after the game: "Powerball TX"

    explicit GameName(std::u16string_view key);

    bool isEmpty() const { return base.empty(); }
    // Whether a line of a file that names this holds draws of the game
    // wanted: the same game, or a more precise name of it (Lotto Texas of
    // Lotto) or a more general one, at the same draw time where both name one.
    bool holdsDrawsOf(const GameName &wanted) const;
    // Whether a ticket of this name is of the game checked: as a line is,
    // but at the same draw time or none on both, since a ticket of the
    // evening draw did not play the midday one; a ticket of Powerball is
    // one of Double Play, where its cell marks it so.
    bool isTicketOf(const GameName &checked) const;
};

// The draw time a word names (midday, evening, night and the like), folded,
// from 1; 0 where it names none.
int DrawTimeOf(std::u16string_view word);

// The game of the table a folded name is of; nothing for another game.
const LotteryGame *FindLotteryGame(std::u16string_view key);
