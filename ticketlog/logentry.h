#pragma once

#include <QString>

// One ticket of the log: the game, the date and the numbers, in column order.
struct LogEntry
{
    QString game;
    QString date;
    QString numbers;
};
