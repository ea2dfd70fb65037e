#include "ticketgame.h"

#include "gamename.h"
#include "resultsource.h"

namespace {

// States' own games, whose prizes that state pays.
const UsState *ownStateOf(const GameName &name, std::u16string_view key)
{
    if (const std::string_view named = StateNamedBy(key); !named.empty())
        return UsStateOf(named);
    if (!name.game)
        return nullptr;
    if (name.game->name == "Lotto Texas")
        return UsStateOf("TX");
    if (name.game->name == "Florida Lotto")
        return UsStateOf("FL");
    if (name.game->name == "Take 5")
        return UsStateOf("NY");
    return nullptr;
}

} // namespace

TicketGame TicketGame::of(std::u16string_view key)
{
    const GameName name(key);
    return {name.game, name.state ? name.state : ownStateOf(name, key)};
}
