#pragma once

#include "drawnat.h"
#include "linelife.h"
#include "poolentry.h"
#include "ticketcells.h"
#include "ticketdates.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <unordered_map>
#include <vector>

class LotteryGame;

// The pools as pools.csv's lines leave them, and as they stood at any
// moment: each line with the times it held (taken back, and given back
// by a taking back of that), gathered by pool in the order they were
// written. A draw asks what held when it was drawn.
class PoolLedger
{
public:
    struct Member
    {
        int number = 0; // the line that made them a member; joining order
        QString name;
        QString contact;
        LineLife life;
        int id = 0; // the name's, among the pool's names
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
        LineLife life;
        int payer = 0; // the member's name, among the pool's names
        // When the first of its draws was drawn, for the pool's games.
        std::int64_t firstDrawn = 0;
        // Whether it was recorded after the first of its draws was drawn.
        bool late() const { return life.late(firstDrawn); }
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
        LineLife life;
        QString recorded;
    };
    // A pool's rules from a Pool line on.
    struct Rules
    {
        int number = 0;
        QString manager;
        PoolEntry::Split split = PoolEntry::Split::Equal;
        bool keepsSmallPrizes = false;
        std::int64_t keptUpTo = 0; // cents
        int began = 0;             // yyyymmdd
        LineLife life;
    };
    struct Pool
    {
        int number = 0;
        QString name;
        // Its rules as they stand.
        QString manager;
        PoolEntry::Split split = PoolEntry::Split::Equal;
        bool keepsSmallPrizes = false;
        std::int64_t keptUpTo = 0;
        int began = 0;
        std::vector<Rules> rules; // every Pool line that ever held, in order
        // The members as they stand, in the order they joined.
        std::vector<Member> members;
        // Every member, payment and ticket line that ever held, in order:
        // what the draws before a taking back are decided by.
        std::vector<Member> memberLines;
        std::vector<Payment> payments;
        std::vector<Ticket> tickets;
        std::vector<PoolEntry> shares;        // of prizes marked claimed, as they stand
        int names = 0;                        // members' names, each once
        std::vector<std::int64_t> firstNamed; // by name: when a line first named them
        // The payments by their first draw, and the most days one spans,
        // so that those covering a draw are found without reading them all.
        std::vector<int> byFirst;
        int longestSpan = 0;
        mutable std::int64_t inAt = 0;
        mutable bool inKept = false;
        mutable std::vector<std::size_t> in;

        // A member as they stand.
        const Member *member(const QString &name) const;
        // The rules a draw drawn at the instant was played by.
        const Rules &rulesAt(std::int64_t instant) const;
        // The members in for a draw drawn at the instant, in the order they
        // joined: each as they stood then, or who joined after it, late; one
        // the record named then and had taken back is out, whenever they
        // joined again: their places among memberLines, kept for the
        // instant last asked of.
        const std::vector<std::size_t> &membersAt(std::int64_t instant) const;
        // The draws of a game a payment covers, for a share by what was paid;
        // at least 1.
        static int drawsCovered(const Payment &payment, const LotteryGame *game);
        // The payments covering a game's draw of a day, in no set order.
        std::vector<const Payment *> covering(int drawDate, const LotteryGame *game) const;
    };
    // Which pool held a ticket when a draw was drawn: the one whose line held
    // then; or, where none did, the one it was added to after and is in
    // still, said to be late.
    struct Holding
    {
        const Pool *pool = nullptr;
        const Ticket *ticket = nullptr;
        bool late = false;
    };
    // A ticket put into a pool after another pool held it.
    struct Move
    {
        int number = 0; // the line that put it into the second pool
        const Pool *from = nullptr;
        const Pool *to = nullptr;
        std::int64_t at = 0;
        TicketCells cells;
        int copy = 1;
    };

    explicit PoolLedger(const std::vector<PoolEntry> &entries);

    const std::vector<Pool> &pools() const { return m_pools; }
    const Pool *pool(const QString &name) const;
    // The pool a ticket of the log is in now; nothing where none is.
    const Pool *poolOf(const QString &game, const QString &date, const QString &numbers,
                       int copy) const;
    Holding holderAt(const TicketCells &cells, int copy, std::int64_t instant) const;
    const std::vector<Move> &moves() const { return m_moves; }
    // Whether the line numbered holds now: what a taking back names.
    bool inForce(int number) const;
    // What could not be placed: a member, payment or ticket of no pool kept,
    // a taking back of no line, a payment for a draw before its pool began.
    const QStringList &problems() const { return m_problems; }

    // What is wrong with a line about to be added; empty where nothing is.
    QString problemOf(const PoolEntry &entry) const;

private:
    std::vector<Pool> m_pools;
    std::unordered_map<int, bool> m_now; // by line number: whether it holds now
    // The lines of each ticket, by TicketCells::key and copy.
    QHash<QString, std::vector<std::pair<std::size_t, std::size_t>>> m_tickets;
    std::vector<Move> m_moves;
    QStringList m_problems;
};
