#pragma once

#include "usstate.h"

#include <span>
#include <string_view>
#include <vector>

// Where a game's past draws are published as one file, by a lottery or a
// state's open data: what "Get Results" fetches. Powerball, Mega Millions and
// Cash4Life draw the same numbers in every state, so one file serves every
// player of them; a game that states draw apart under one name (Pick 3) has a
// file for each state that publishes one.
struct ResultSource
{
    std::string_view game;  // folded as GameKey folds it: the table's name, or the typed one
    std::string_view state; // whose draws, where states draw the game apart; empty for all
    std::string_view url;   // https only
    std::string_view host;  // as the check bar names it: "data.ny.gov"
    std::string_view file;  // kept as, in the user's draws folder
};

std::span<const ResultSource> ResultSources();

// The sources of a game, by its folded name: the game of the table it names,
// or, for another game, the name as typed. Several where states draw it apart;
// only the state's own where the name is one state's (New York's Numbers).
std::vector<const ResultSource *> ResultSourcesOf(std::u16string_view key);

// The state whose own name for its game the folded name is ("numbers" and
// "win4" are New York's); empty for a name several states give.
std::string_view StateNamedBy(std::u16string_view key);

// The one source that answers a game's tickets without asking: the game's
// own, or the player's state's where states draw it apart; nothing where
// neither is known.
const ResultSource *ResultSourceOf(std::u16string_view key, const UsState *player);
