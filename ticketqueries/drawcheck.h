#pragma once

#include "loglist.h"
#include "lotterygame.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

// How one ticket fared against a draw.
struct DrawMatch
{
    enum Kind : std::uint8_t
    {
        NoDraw,        // a season's ticket whose day has no draw in the file
        NoNumbers,     // the ticket's numbers cell holds no number
        Count,         // so many of its numbers are among the winning ones
        Whites,        // a ball game: so many of its five, the ball missed
        WhitesAndBall, // a ball game: so many of its five, and the ball
        Box,           // digit games: the winning digits, in another order
        Straight       // digit games: the winning digits, in their order
    };
    Kind kind = NoNumbers;
    std::uint8_t count = 0;  // numbers in common, the ball aside
    std::uint16_t total = 0; // numbers on the ticket, the ball aside

    // Higher is better: straight, box; for a ball game the prize tiers the
    // games share (5 + ball, 5, 4 + ball, 4, 3 + ball, 3, 2 + ball, 1 + ball,
    // the ball alone), then the rest by their count; more numbers in common;
    // no numbers, then no draw, last.
    int rank() const
    {
        switch (kind) {
        case NoDraw:
            return 0;
        case NoNumbers:
            return 1;
        case Count:
            return 2 + count;
        case Whites:
        case WhitesAndBall: {
            const int ball = kind == WhitesAndBall ? 1 : 0;
            return 2 + (count >= 3 ? 2 * count + ball : ball ? count + 3 : count);
        }
        case Box:
            return 300;
        case Straight:
            return 301;
        }
        return 0;
    }
    bool betterThan(DrawMatch other) const { return rank() > other.rank(); }
    // As the list shows it: "straight", "box", "3 of 5", "3 of 5 + PB" with
    // the ball's short name, "no numbers", "no draw".
    QString text(QStringView ball = {}) const;
};

// A game as players write its name, whatever the case and the spaces:
// "pick 3", "PICK3" and "Pick 3" are one game, "pick3".
QString GameKey(QStringView name);

// The rules of a game the table of games knows, by its name as players
// write it; nothing for another game.
const LotteryGame *LotteryGameOf(QStringView name);

// Pick 3 and Pick 4 and the like, whose numbers are single digits, played
// straight or box.
bool IsDigitGame(QStringView name);

// The numbers a text holds, with any separators: "07 12 33" is 7, 12, 33.
// Where each digit is a number of its own, as in Pick 3 and Pick 4, "371"
// is 3, 7, 1.
std::vector<int> NumbersIn(QStringView text, bool digitsAlone = false);
std::vector<int> NumbersIn(QByteArrayView bytes, bool digitsAlone = false);
// The same into numbers, which keeps its room: for a pass over many tickets.
void ReadNumbersIn(QByteArrayView bytes, bool digitsAlone, std::vector<int> &numbers);
void ReadNumbersIn(QStringView text, bool digitsAlone, std::vector<int> &numbers);

// A date as players write it, as one number yyyymmdd: month/day/year, or
// year-month-day where the first number has four digits, with any separators;
// a year of two digits is 20xx. "12/1/26", "12-01-2026" and "2026-12-01" are
// one date. Nothing where no rule reads the text as a day of the calendar.
std::optional<int> DateKey(QStringView text);
std::optional<int> DateKey(QByteArrayView bytes);
// The same of a ticket's date, read from the file's own bytes where it can.
std::optional<int> DateKey(const LogList &list, int row);

// Check a draw: the player's game, the winning numbers as typed, and a date
// if they gave one. Tickets of a digit game win straight or box, counting a
// repeated digit as often as it stands; those of a ball game count the five
// in common, each once, and the ball, the sixth number however it is
// written; any other game counts the numbers in common, each once.
class DrawCheck
{
public:
    DrawCheck(QStringView game, QStringView winningNumbers, QStringView date = {});
    // A draw read elsewhere, whatever its date.
    DrawCheck(QStringView game, std::vector<int> winningNumbers);

    bool hasGame() const { return !m_game.isEmpty(); }
    // The game as GameKey gives it.
    const QString &gameKey() const { return m_game; }
    // The table's rules of the game, where it knows it.
    const LotteryGame *rules() const { return m_rules; }
    // "PB" for Powerball, as the results name the ball; empty for a game
    // without one.
    QString ballName() const;
    bool hasNumbers() const { return !m_winning.empty(); }
    // A game and at least one winning number: something to check.
    bool isComplete() const { return hasGame() && hasNumbers(); }
    // The ticket is of the draw's game and, where a date was given, of its
    // date: the same day whatever its order and year width, or, where no rule
    // reads a date, the same numbers however separated.
    bool concerns(const LogList &list, int row) const;
    DrawMatch match(QStringView ticketNumbers) const;
    // The same for a ticket of the list, read from the file's own bytes where
    // it can: a check of a long log makes no text.
    DrawMatch match(const LogList &list, int row) const;
    // The same against other winning numbers of the game, as drawn and as
    // sortedWinning() sorts them: one check for a file's many draws.
    DrawMatch match(const LogList &list, int row, const std::vector<int> &winning,
                    const std::vector<int> &sortedWinning) const;
    std::vector<int> sortedWinning(const std::vector<int> &winning) const;
    void sortWinning(const std::vector<int> &winning, std::vector<int> &sorted) const;

private:
    bool isGame(const LogList &list, int row) const;
    bool isDate(const LogList &list, int row) const;
    DrawMatch matchNumbers(const std::vector<int> &winning,
                           const std::vector<int> &sortedWinning) const;

    QString m_game;
    const LotteryGame *m_rules;
    bool m_digitGame;
    std::vector<int> m_winning;
    std::vector<int> m_sortedWinning; // distinct but in digit games; a ball game's five alone
    std::vector<int> m_date;
    std::optional<int> m_dateKey;
    bool m_anyDate;
    mutable std::vector<int> m_ticket; // the numbers of the ticket at hand
    mutable std::vector<int> m_sortedTicket;
};
