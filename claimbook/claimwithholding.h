#pragma once

#include "claimrecord.h"

#include <QString>

// What the lottery withholds of a claim, by the rules of the year it is
// claimed in and of its state, from what was paid less the wager: filled in
// where the rules are known, 0 where they are not.
void FillWithholding(ClaimRecord &claim);

// What a player is told where the rules of the claim's year or state are
// not known, so that a $0 is never taken for a figure; empty where known.
QString WithholdingNote(const ClaimRecord &claim);
