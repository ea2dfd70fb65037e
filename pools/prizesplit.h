#pragma once

#include "poolledger.h"

#include <QString>

#include <cstdint>
#include <vector>

// A pool's prize of one draw shared among the members who were in for it,
// by the pool's rule, in whole cents that add up to it, and the tax
// withheld the same way: all as the record stood when the draw was drawn,
// with what was recorded after it said to be late. A small prize the pool
// keeps is shared the same way: it is its members' income, kept for them.
// Once the prize is marked claimed, the split kept with the claim.
struct PrizeSplit
{
    struct Share
    {
        QString member;
        std::int64_t paid = 0; // for this draw, cents
        std::int64_t share = 0;
        std::int64_t federal = 0;
        std::int64_t stateWithheld = 0;
        bool late = false; // a payment for the draw recorded after it
    };

    QString pool;
    std::int64_t prize = 0; // cents
    std::int64_t federal = 0;
    std::int64_t stateWithheld = 0;
    bool kept = false;        // a small prize the pool keeps toward its next draws
    bool claimed = false;     // as kept with the claim
    std::int64_t drawnAt = 0; // seconds since 1970 UTC
    PoolEntry::Split split = PoolEntry::Split::Equal; // the rule it was split by
    std::vector<Share> shares;

    static PrizeSplit of(const PoolLedger::Pool &pool, const QString &game, int drawDate,
                         std::int64_t prize, std::int64_t federal, std::int64_t stateWithheld);
    // The split kept with the claim of a ticket's draw; nothing where none is.
    static std::optional<PrizeSplit> claimedOf(const PoolLedger::Pool &pool, const QString &game,
                                               const QString &date, const QString &numbers,
                                               int copy, int drawDate);

    // "Office: Ann Lee $33.34, Bo Diaz $33.33", "Office keeps it toward
    // its next draws: Ann Lee $3.34, ...", "Office: nobody was in for
    // this draw".
    QString text() const;
};
