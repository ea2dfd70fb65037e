#pragma once

#include "poolentry.h"
#include "ticketdates.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class LotteryGame;

// The pools as pools.csv's lines leave them: each line taken back set
// aside (and one taken back of a taking back restored), the rest gathered
// by pool, in the order they were written.
class PoolLedger
{
public:
    struct Member
    {
        int number = 0; // the line that made them a member; joining order
        QString name;
        QString contact;
    };
    struct Payment
    {
        int number = 0;
        QString member;
        std::int64_t amount = 0; // cents
        QString draws;
        TicketDates dates;
        int recordedDay = 0;
        QString recorded;
        int payer = -1; // the member's place among the pool's members
        // Whether it was recorded after the first of its draws was drawn.
        bool late() const { return recordedDay > dates.first; }
        // The draws of a game it covers, kept for the game last asked of.
        mutable const LotteryGame *coveredOf = nullptr;
        mutable int covered = 0;
    };
    struct Ticket
    {
        int number = 0;
        QString game;
        QString date;
        QString numbers;
        int copy = 1;
    };
    struct Pool
    {
        int number = 0;
        QString name;
        QString manager;
        PoolEntry::Split split = PoolEntry::Split::Equal;
        bool keepsSmallPrizes = false;
        std::int64_t keptUpTo = 0; // cents
        int began = 0;             // yyyymmdd
        std::vector<Member> members;
        std::vector<Payment> payments;
        std::vector<Ticket> tickets;
        std::vector<PoolEntry> shares; // of prizes marked claimed
        // The payments by their first draw, and the most days one spans,
        // so that those covering a draw are found without reading them all.
        std::vector<int> byFirst;
        int longestSpan = 0;

        const Member *member(const QString &name) const;
        // The draws of a game a payment covers, for a share by what was paid;
        // at least 1.
        static int drawsCovered(const Payment &payment, const LotteryGame *game);
        // The payments covering a game's draw of a day, in no set order.
        std::vector<const Payment *> covering(int drawDate, const LotteryGame *game) const;
    };

    explicit PoolLedger(const std::vector<PoolEntry> &entries);

    const std::vector<Pool> &pools() const { return m_pools; }
    const Pool *pool(const QString &name) const;
    // The pool a ticket of the log is in; nothing where none is.
    const Pool *poolOf(const QString &game, const QString &date, const QString &numbers,
                       int copy) const;
    // The lines in force, by number: what a taking back names.
    bool inForce(int number) const;
    // What could not be placed: a member, payment or ticket of no pool kept,
    // a taking back of no line.
    const QStringList &problems() const { return m_problems; }

    // What is wrong with a line about to be added; empty where nothing is.
    QString problemOf(const PoolEntry &entry) const;

private:
    std::vector<Pool> m_pools;
    std::vector<int> m_forceOf; // by line number: 1 in force, 0 taken back
    QStringList m_problems;
};
