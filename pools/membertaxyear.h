#pragma once

#include "poolledger.h"
#include "taxyearrecord.h"

#include <QString>

// A pool member's record of a tax year: their shares of the prizes claimed
// in it, in every pool they are in, with what was withheld of each, and
// what they paid into the pools that year.
TaxYearRecord MemberTaxYear(int year, const PoolLedger &ledger, const QString &member);
