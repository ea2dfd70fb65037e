#pragma once

#include "poolbook.h"
#include "poolledger.h"
#include "poolprize.h"
#include "recordsection.h"

#include <QDateTime>
#include <QString>

#include <vector>

// A pool's record as a member or a court reads it in a dispute: every line
// of the pool in the order it was written, with its number, its time and
// its chain, what took it back and when; whether the file's chain holds;
// and who was in for each draw with a prize, as the record stood when it
// was drawn.
struct PoolRecord
{
    QString heading;
    std::vector<RecordSection> sections;

    static PoolRecord of(const PoolBook &book, const PoolLedger::Pool &pool,
                         const std::vector<PoolPrize> &prizes, const QDateTime &made);
};
