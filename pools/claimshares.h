#pragma once

#include "claimrecord.h"
#include "poolentry.h"
#include "poolledger.h"

#include <vector>

// The lines that keep a pool's prize marked claimed with its split: each
// member's share of what was paid and withheld, as the pool stood when it
// was drawn (a small prize the pool keeps too: it is theirs, kept for
// them), and the taking back of a split kept before for the same draw,
// where the claim is marked again. Nothing where nobody was in for the
// draw.
std::vector<PoolEntry> ClaimShares(const PoolLedger &ledger, const PoolLedger::Pool &pool,
                                   const ClaimRecord &claim);
