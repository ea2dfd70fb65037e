#pragma once

#include "datekey.h"
#include "loglist.h"
#include "lotterygame.h"
#include "numberbits.h"
#include "ticketplay.h"

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
        CountAndExtra, // and the ball, or a lotto's bonus number, too
        Box,           // digit games: the winning digits, in another order
        Straight       // digit games: the winning digits, in their order
    };
    Kind kind : 3 = NoNumbers;
    std::uint8_t tier : 5 = 0; // the prize tier of the game it wins, from 1; 0 none
    std::uint8_t count = 0;    // numbers in common, the ball aside
    std::uint16_t total = 0;   // numbers on the ticket, the ball aside

    DrawMatch() = default;
    DrawMatch(Kind kind, int count = 0, int total = 0, int tier = 0)
        : kind(kind), tier(std::uint8_t(tier)), count(std::uint8_t(count)),
          total(std::uint16_t(total))
    {
    }

    // Higher is better: straight, box; the game's prize tiers, best first;
    // then the rest by their count, the ball or bonus breaking ties; no
    // numbers, then no draw, last.
    int rank() const
    {
        switch (kind) {
        case NoDraw:
            return 0;
        case NoNumbers:
            return 1;
        case Count:
        case CountAndExtra:
            return tier != 0 ? 1000 - tier : 2 + 2 * count + (kind == CountAndExtra ? 1 : 0);
        case Box:
            return 1100;
        case Straight:
            return bestRank;
        }
        return 0;
    }
    static constexpr int bestRank = 1101;
    bool betterThan(DrawMatch other) const { return rank() > other.rank(); }
    // As the list shows it: "straight", "box", "3 of 5", "3 of 5 + PB" or
    // "5 of 6 + bonus" with the extra's short name, "no numbers", "no draw".
    QString text(QStringView extra = {}) const;
};

// The numbers a text holds, with any separators: "07 12 33" is 7, 12, 33.
// Where each digit is a number of its own, as in Pick 3 and Pick 4, "371"
// is 3, 7, 1.
std::vector<int> NumbersIn(QStringView text, bool digitsAlone = false);
std::vector<int> NumbersIn(QByteArrayView bytes, bool digitsAlone = false);
// The same into numbers, which keeps its room: for a pass over many tickets.
void ReadNumbersIn(QByteArrayView bytes, bool digitsAlone, std::vector<int> &numbers);
void ReadNumbersIn(QStringView text, bool digitsAlone, std::vector<int> &numbers);

// A draw made ready to check tickets against: its numbers as drawn, sorted,
// and its ball or bonus number apart.
struct WinningDraw
{
    std::vector<int> drawn;
    std::vector<int> sorted; // distinct but in digit games; empty where bits holds them
    NumberBits bits;         // the numbers of a game that counts each once, where whole
    int extra = -1;          // the ball or bonus number; -1 for none
};

// Check a draw: the player's game, the winning numbers as typed, and a date
// if they gave one. Tickets of a digit game win straight or box, counting a
// repeated digit as often as it stands; those of a ball game count the five
// in common, each once, and the ball, read from the ticket as TicketPlay
// reads it; a lotto's count its bonus number where the draw has one; any
// other game counts the numbers in common, each once. A result is named by
// the prize tier of the game it wins.
class DrawCheck
{
public:
    DrawCheck(QStringView game, QStringView winningNumbers, QStringView date = {});
    // A game whose draws are read elsewhere, each with its day.
    explicit DrawCheck(QStringView game);

    bool hasGame() const { return !m_game.isEmpty(); }
    // The game as GameKey gives it.
    const QString &gameKey() const { return m_game; }
    // The table's rules of the game, where it knows it.
    const LotteryGame *rules() const { return m_rules; }
    // "PB" for Powerball, "bonus" for Lotto, as the results name the ball or
    // bonus; empty for a game without one.
    QString extraName() const;
    bool hasNumbers() const { return !m_winning.drawn.empty(); }
    // A game and at least one winning number: something to check.
    bool isComplete() const { return hasGame() && hasNumbers(); }
    // The day of the draw typed, where a rule reads it.
    std::optional<int> date() const { return m_dateKey; }
    // The ticket is of the draw's game and, where a date was given, of its
    // date: the same day whatever its order and year width, or, where no rule
    // reads a date, the same numbers however separated.
    bool concerns(const LogList &list, int row) const;
    DrawMatch match(QStringView ticketNumbers) const;
    // The same for a ticket of the list, read from the file's own bytes where
    // it can: a check of a long log makes no text.
    DrawMatch match(const LogList &list, int row) const;
    // For one ticket against many draws: read it once, then match each.
    void readTicket(const LogList &list, int row) const;
    DrawMatch matchTicket(const WinningDraw &draw) const;
    // A draw's numbers as drawn, a ball game's ball last, made ready.
    void prepare(const std::vector<int> &drawn, WinningDraw &draw) const;
    // As the DRAW column shows it: "5 12 23 34 45 PB 7", "4 11 25 37 45 53
    // bonus 57".
    QString drawText(const std::vector<int> &drawn) const;
    // The ticket read last.
    const TicketPlay &play() const { return m_play; }
    // Whether the ticket read last names an add-on: Power Play, Double Play,
    // the Megaplier.
    bool readAddsOn() const { return m_play.powerPlay || m_play.doublePlay || m_play.megaplier; }
    // Whether the ticket read last plays Double Play beside Powerball.
    bool playsDoublePlay() const { return m_play.doublePlay && m_rules && m_rules->hasBall(); }
    // A ticket's play alone, for counting its numbers: nothing to match.
    const TicketPlay &readPlay(const LogList &list, int row) const;

private:
    bool isGame(const LogList &list, int row) const;
    bool isNamedGame(QStringView name) const;
    bool isDate(const LogList &list, int row) const;
    void sortTicket() const;
    const std::vector<int> &sortedTicket() const;

    QString m_game;
    const LotteryGame *m_rules;
    bool m_digitGame;
    WinningDraw m_winning;
    std::vector<int> m_date;
    std::optional<int> m_dateKey;
    bool m_anyDate;
    mutable TicketPlay m_play;               // the ticket at hand
    mutable NumberBits m_ticketBits;         // its numbers, but in digit games, where whole
    mutable std::vector<int> m_sortedTicket; // its numbers, distinct but in digit games
    mutable bool m_sortedReady = false;      // m_sortedTicket is the ticket's
    mutable int m_ticketCount = 0;           // its numbers, distinct but in digit games
    mutable std::vector<int> m_numbers;
    mutable std::vector<std::pair<QByteArray, bool>> m_otherGames; // a ticket's game's bytes
};
