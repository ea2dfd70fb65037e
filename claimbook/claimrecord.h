#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// A prize marked claimed: the ticket's three cells as the log holds them,
// the draw it won, when it was claimed, and what was paid and withheld, in
// cents. It stays when its ticket leaves the log: it is a tax record.
struct ClaimRecord
{
    QString game;
    QString ticketDate;
    QString numbers;
    int drawDate = 0; // yyyymmdd
    int claimed = 0;  // yyyymmdd
    QString state;    // its code, where known
    std::int64_t prize = 0;
    std::int64_t wager = 0;
    std::int64_t paid = 0;
    std::int64_t federal = 0;
    std::int64_t stateWithheld = 0;

    // The same ticket's same draw.
    bool sameDraw(const ClaimRecord &other) const
    {
        return game == other.game && ticketDate == other.ticketDate && numbers == other.numbers &&
               drawDate == other.drawDate;
    }

    // Its fields as claims.csv writes them, and read back; nothing where a
    // line is not one of them.
    static QStringList titles();
    QStringList fields() const;
    static std::optional<ClaimRecord> of(const QStringList &fields);
};

// Cents as a player writes them: "$1,200.24".
QString CentsText(std::int64_t cents);
// An amount as typed, with or without $ and the locale's group separators;
// nothing where it is none.
std::optional<std::int64_t> CentsOf(const QString &typed);
