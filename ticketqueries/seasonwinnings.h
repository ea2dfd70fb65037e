#pragma once

#include "claimrule.h"
#include "historycheck.h"
#include "listedticket.h"
#include "loglist.h"
#include "ticketcopies.h"
#include "usstate.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// The prizes a season's tickets won, a draw each, and where and by when each
// is claimed: by the rules of the state the ticket names after its game, or
// whose own game it is (Lotto Texas), else of the player's state. Each
// winning draw counts from its own day.
struct Winning
{
    int row = 0;                     // the ticket's, in the log as it was checked
    TicketCopy ticket;               // the ticket, wherever its row is now
    int drawDate = 0;                // yyyymmdd
    QString game;                    // "Powerball TX": the game and its state
    QString numbers;                 // the ticket's numbers cell
    QString prize;                   // "$50,000", "jackpot"
    std::int64_t dollars = 0;        // summed where known
    std::string_view named;          // "jackpot": a top prize, never summed
    bool amountKnown = true;         // false for a named prize, or one of a table not kept
    const ClaimRule *rule = nullptr; // nothing where the state's rule is not known
    QString state;                   // its name, where the rule is not known; empty for none
    ClaimDeadline deadline;
    std::int64_t wager = 0; // what its play cost, add-ons included, dollars
    int claimedOn = 0;      // yyyymmdd, where marked claimed
    QString pool;           // a pool's ticket: its split, "Office: Ann $25,000, Bo $25,000"

    // "by 06/06/2027, 180 days, at a store", "expired 06/06/2026", or what a
    // state the table does not know reads.
    QString claimText(int today) const;
    bool expired(int today) const { return !claimedOn && rule && today > deadline.lastDay; }
    bool open(int today) const { return !claimedOn && !expired(today); }
};

// The state a ticket's prizes are claimed in: the one its game cell names,
// else the one whose own game it is, else the player's; nothing where none.
const UsState *ClaimStateOf(QStringView game, const UsState *player);

// The day a ticket's winning draw was marked claimed: yyyymmdd, 0 for none.
using ClaimedOn = std::function<int(const LogList &log, int row, int drawDate)>;

// The winning draws of the listed tickets of a season, the soonest deadline
// first, then those claimed, then those expired; without texts, in the
// listing's order, with no text made, as the money line sums them.
std::vector<Winning> SeasonWinnings(const LogList &log, const HistoryCheck &season,
                                    std::span<const ListedTicket> listed, const UsState *player,
                                    int today, const ClaimedOn &claimedOn = {}, bool texts = true);

// What is left to claim and what expired, summed a winning draw at a time.
struct ClaimsSum
{
    struct Part
    {
        int count = 0;
        std::int64_t dollars = 0;
        std::vector<std::pair<std::string_view, int>> named; // "jackpot", how many
        int notKnown = 0;                                    // prizes of a table not kept
        void add(const Winning &winning);
        QString text() const;
    };
    Part open;
    int first = 0; // the soonest last day of those to claim, yyyymmdd
    Part expired;

    void add(const Winning &winning, int today);
    // "3 to claim, $50,021 and a jackpot, the first by 01/05/2027 in 28
    // days; 1 expired, $4"; nothing where nothing was won.
    QString text(int today) const;
};

// The same line of the winnings given.
QString WinningsLine(const std::vector<Winning> &winnings, int today);

// Today, as yyyymmdd; TICKETWISE_TODAY=yyyymmdd gives another.
int Today();
