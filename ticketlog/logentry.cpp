#include "logentry.h"

const QString &LogEntry::cell(int column) const
{
    switch (column) {
    case 0:
        return game;
    case 1:
        return date;
    default:
        return numbers;
    }
}

QString &LogEntry::cell(int column)
{
    return const_cast<QString &>(static_cast<const LogEntry *>(this)->cell(column));
}
