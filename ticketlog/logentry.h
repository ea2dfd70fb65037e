#pragma once

#include <QString>

// One ticket of the log: the game, the date and the numbers, in column order.
struct LogEntry
{
    static constexpr int CellCount = 3;

    QString game;
    QString date;
    QString numbers;

    const QString &cell(int column) const;
    QString &cell(int column);
};
