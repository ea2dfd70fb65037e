#pragma once

#include "claimrecord.h"
#include "historycheck.h"
#include "listedticket.h"
#include "loglist.h"
#include "seasonwinnings.h"
#include "usstate.h"

#include <QString>

#include <span>
#include <vector>

// What a log won and what is still due: each winning draw of its tickets in
// the files of past draws that Get Results keeps in drawsFolder, with its
// prize, its deadline and where it is claimed, and the day it was marked
// claimed where it was. A game's file is the one that answers it without
// asking: its own, or the player's state's. No network and no widgets, so
// that it runs on a thread of its own.
std::vector<Winning> WinningsDue(const LogList &log, const QString &drawsFolder,
                                 const std::vector<ClaimRecord> &claims, const UsState *player,
                                 int today);

// The same of a season listed: the winning draws of its listed tickets,
// where deadlines tie in the listing's order.
std::vector<Winning> WinningsDue(const LogList &log, const HistoryCheck &season,
                                 std::span<const ListedTicket> listed,
                                 const std::vector<ClaimRecord> &claims, const UsState *player,
                                 int today);

// Whether a winning draw is one to remind of: not claimed, and its last day
// 30 days off or less, or passed in the last 30.
bool IsNearItsDeadline(const Winning &winning, int today);
