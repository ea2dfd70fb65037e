#pragma once

#include "poolledger.h"
#include "seasonwinnings.h"

#include <QString>
#include <QStringList>

#include <vector>

// A winning ticket stays with the pool that held it when it won: moving it
// into another pool after that draw is refused when asked, and named where
// a hand or another copy wrote it into the file.
namespace PoolMoves {

// Why the ticket cannot go into the pool named; empty where it may.
QString refused(const PoolLedger &ledger, const std::vector<Winning> &winnings,
                const TicketCopy &ticket, const QString &pool);
// The lines that put a ticket of the pool into another after a draw it won
// while the pool held it: "Line No. 8 puts the ticket ... the prize stays
// Office's."
QStringList afterWins(const PoolLedger &ledger, const PoolLedger::Pool &pool,
                      const std::vector<Winning> &winnings);

} // namespace PoolMoves
