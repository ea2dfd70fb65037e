#include "claimwithholding.h"

#include "taxyear.h"

void FillWithholding(ClaimRecord &claim)
{
    const int year = claim.claimed / 10000;
    const TaxYear *tax = TaxYearOf(year);
    claim.federal = tax ? FederalWithholding(*tax, claim.paid, claim.wager) : 0;
    const StateWithholding *state = StateWithholdingOf(claim.state.toStdString(), year);
    claim.stateWithheld = state ? StateWithheld(*state, claim.paid, claim.wager) : 0;
}

QString WithholdingNote(const ClaimRecord &claim)
{
    const int year = claim.claimed / 10000;
    QStringList unknown;
    if (!TaxYearOf(year))
        unknown << QStringLiteral("the federal tax rule of %1").arg(year);
    if (!StateWithholdingOf(claim.state.toStdString(), year))
        unknown << (claim.state.isEmpty()
                        ? QStringLiteral("the state's withholding")
                        : QStringLiteral("%1's withholding in %2").arg(claim.state).arg(year));
    if (unknown.isEmpty())
        return {};
    return QStringLiteral("Not known: %1. Type what was withheld, as the lottery's statement "
                          "says.")
        .arg(unknown.join(QStringLiteral(" and ")));
}
