#pragma once

#include "lotterygame.h"

#include <QString>

// A game as players write its name, whatever the case, the spaces and the
// dashes: "pick 3", "PICK3" and "Pick-3" are one game, "pick3".
QString GameKey(QStringView name);

// The rules of a game the table of games knows, by its name as players
// write it; nothing for another game.
const LotteryGame *LotteryGameOf(QStringView name);

// A key as the games' tables take it.
inline std::u16string_view KeyView(const QString &key)
{
    return {reinterpret_cast<const char16_t *>(key.utf16()), std::size_t(key.size())};
}
