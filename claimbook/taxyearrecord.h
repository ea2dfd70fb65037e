#pragma once

#include "claimbook.h"
#include "recordsection.h"
#include "seasonwinnings.h"
#include "taxyear.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The year's record for taxes: each prize claimed in it, with whether a
// Form W-2G comes with it and what was withheld; the prizes of its draws not
// claimed yet, with their deadlines; what its tickets cost (a ticket counts
// in the year of its first draw, add-ons included; games of unknown price
// counted apart); and the losses that count against its winnings under the
// year's rule, for a return that itemizes. Amounts in cents.
struct TaxYearRecord
{
    using Section = RecordSection;

    int year = 0;
    QString member; // a pool's member whose record it is; empty for the player's own
    std::vector<Section> sections;

    // notClaimed: the season's winnings, where one is checked; null where
    // none is, and the record says so.
    static TaxYearRecord of(int year, const ClaimBook &claims, const LogList &log,
                            const std::vector<Winning> *notClaimed, int today);

    static QString notAdvice();

    // "Ticketwise tax year 2026", "... of Ann Lee"
    QString heading() const;
    // A CSV as Excel opens it, a section after another; false, with the
    // reason, where it could not be written.
    bool writeCsv(const QString &path, QString *reason) const;
};
