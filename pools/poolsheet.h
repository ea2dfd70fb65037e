#pragma once

#include "poolbook.h"
#include "poolledger.h"
#include "recordsection.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <vector>

// The sheet every member of a pool should hold before its next draw: the
// pool, its manager and rules, each member with what they paid for the
// coming draws and their share of the next, every ticket with its numbers
// and draws, when it was made and the record's chain as it stood then, and
// a line for each member to sign; then the photo kept of each ticket, the
// copy of the tickets a member holds.
struct PoolSheet
{
    QString heading;
    std::vector<RecordSection> sections;

    // photos: the path of the photo kept of a play, by TicketCells::key.
    static PoolSheet of(const PoolLedger::Pool &pool, const QDateTime &made,
                        const PoolBook::Mark &record, const QHash<QString, QString> &photos = {});
};
