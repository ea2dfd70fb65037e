#pragma once

#include <QString>

#include <cstdint>

// When the game a ticket's GAME cell names was drawn on a day, yyyymmdd:
// seconds since 1970 UTC; and as a member reads it, "on 12/09/2026 at
// 10:59 PM Eastern, as Powerball, How to Play (powerball.com) says".
std::int64_t DrawnAt(const QString &game, int date);
QString DrawnText(const QString &game, int date);
