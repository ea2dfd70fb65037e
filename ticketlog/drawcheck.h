#pragma once

#include "loglist.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// How one ticket fared against a draw.
struct DrawMatch
{
    enum Kind : std::uint8_t
    {
        NoNumbers, // the ticket's numbers cell holds no number
        Count,     // so many of its numbers are among the winning ones
        Box,       // Pick 3 and Pick 4: the winning digits, in another order
        Straight   // Pick 3 and Pick 4: the winning digits, in their order
    };
    Kind kind = NoNumbers;
    std::uint8_t count = 0;  // numbers in common
    std::uint16_t total = 0; // numbers on the ticket

    // Straight before box, box before more numbers in common, a ticket with
    // no numbers last.
    bool betterThan(DrawMatch other) const
    {
        return kind != other.kind ? kind > other.kind : count > other.count;
    }
    // As the list shows it: "straight", "box", "3 of 5", "no numbers".
    QString text() const;
};

// A game as players write its name, whatever the case and the spaces:
// "pick 3", "PICK3" and "Pick 3" are one game, "pick3".
QString GameKey(QStringView name);

// The numbers a text holds, with any separators: "07 12 33" is 7, 12, 33.
// Where each digit is a number of its own, as in Pick 3 and Pick 4, "371"
// is 3, 7, 1.
std::vector<int> NumbersIn(QStringView text, bool digitsAlone = false);

// Check a draw: the player's game, the winning numbers as typed, and a date
// if they gave one. Pick 3 and Pick 4 tickets win straight or box, counting a
// repeated digit as often as it stands; any other game counts the numbers in
// common, each once.
class DrawCheck
{
public:
    DrawCheck(QStringView game, QStringView winningNumbers, QStringView date = {});

    // A game and at least one winning number: something to check.
    bool isComplete() const { return !m_game.isEmpty() && !m_winning.empty(); }
    // The ticket is of the draw's game and, where a date was given, of its
    // date (the same numbers of day, month and year, however separated).
    bool concerns(const LogList &list, int row) const;
    DrawMatch match(QStringView ticketNumbers) const;
    // The same for a ticket of the list, read from the file's own bytes where
    // it can: a check of a long log makes no text.
    DrawMatch match(const LogList &list, int row) const;

private:
    bool isGame(const LogList &list, int row) const;
    DrawMatch matchNumbers() const;

    QString m_game;
    bool m_digitGame;
    std::vector<int> m_winning;
    std::vector<int> m_sortedWinning; // distinct but in digit games
    std::vector<int> m_date;
    bool m_anyDate;
    mutable std::vector<int> m_ticket; // the numbers of the ticket at hand
    mutable std::vector<int> m_sortedTicket;
};
