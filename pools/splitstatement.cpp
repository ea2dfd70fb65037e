#include "splitstatement.h"

#include "amounttext.h"
#include "civildate.h"
#include "groupclaim.h"
#include "poolchain.h"
#include "taxyear.h"

namespace {

QString dayText(int date)
{
    return QString::fromStdString(CivilDate::text(date));
}

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

} // namespace

SplitStatement SplitStatement::of(const PoolLedger::Pool &pool, const PoolPrize &prize,
                                  const PoolBook::Mark &atDraw, const PoolBook::Mark &now)
{
    const ClaimRecord &claim = prize.claim;
    const PrizeSplit &split = prize.split;
    SplitStatement statement;
    statement.heading = QStringLiteral("Ticketwise split of a prize: %1, %2, the draw of %3")
                            .arg(pool.name, claim.game, dayText(claim.drawDate));

    RecordSection about{QStringLiteral("The prize"), {}, {}, {}};
    about.notes << QStringLiteral("%1, the draw of %2: %3 won %4%5.")
                       .arg(claim.game, dayText(claim.drawDate), claim.numbers,
                            CentsText(claim.paid),
                            prize.claimed
                                ? QStringLiteral(", claimed %1").arg(dayText(claim.claimed))
                                : QStringLiteral(", not claimed yet"));
    about.notes << QStringLiteral("Withheld: %1 federal, %2 state%3.")
                       .arg(CentsText(claim.federal), CentsText(claim.stateWithheld),
                            prize.claimed ? QString()
                                          : QStringLiteral(", as the rules would withhold it"));
    about.notes << QStringLiteral("The draw was drawn %1: a payment, member or ticket recorded "
                                  "after it is late.")
                       .arg(DrawnText(claim.game, claim.drawDate));
    if (prize.ticketLate)
        about.notes << QStringLiteral("The ticket was put into %1 after this draw was drawn (line "
                                      "No. %2, recorded %3): no pool held it then.")
                           .arg(pool.name)
                           .arg(prize.ticketLine)
                           .arg(prize.ticketRecorded);
    if (split.kept)
        about.notes << QStringLiteral("%1 keeps prizes of %2 or less toward its next draws: this "
                                      "one is kept, and each member's part of it below is their "
                                      "own, and their income.")
                           .arg(pool.name, CentsText(pool.rulesAt(split.drawnAt).keptUpTo));
    if (split.shares.empty())
        about.notes << QStringLiteral(
            "No member's payment covers this draw: nobody was in for it.");
    else
        about.notes << QStringLiteral("Split %1 among the %2 member(s) in for the draw, in whole "
                                      "cents: each exact share rounded down, the cents left over "
                                      "given to the largest remainders, ties in the order members "
                                      "joined. Withholding is split the same way.%3")
                           .arg(split.split == PoolEntry::Split::Equal
                                    ? QStringLiteral("equally")
                                    : QStringLiteral("by what each paid for the draw"))
                           .arg(split.shares.size())
                           .arg(split.claimed ? QStringLiteral(" As kept with the claim.")
                                              : QString());
    const int year = claim.claimed / 10000;
    if (const TaxYear *rules = TaxYearOf(year)) {
        if (NeedsW2G(*rules, claim.paid, claim.wager))
            about.notes
                << QStringLiteral(
                       "This prize comes with a Form W-2G, judged on the whole prize of the "
                       "ticket. "
                       "%1 fills in Form 5754 below and gives it to the payer, who makes each "
                       "member's own Form W-2G for their share; it is not sent to the IRS.")
                       .arg(pool.manager);
        else
            about.notes << QStringLiteral("No Form W-2G comes with this prize by the rules of "
                                          "%1, judged on the whole prize of the ticket.")
                               .arg(year);
    } else {
        about.notes << QString::fromStdString(NoTaxYearText(year)) + u'.';
    }
    about.notes << (atDraw.number
                        ? QStringLiteral("The record as it stood when the draw was drawn: line "
                                         "No. %1, chain %2.")
                              .arg(atDraw.number)
                              .arg(PoolChain::shortened(atDraw.chain))
                        : QStringLiteral("No chained line of the record was written before the "
                                         "draw was drawn."))
                << (now.number ? QStringLiteral("As it stands: line No. %1, chain %2.")
                                     .arg(now.number)
                                     .arg(PoolChain::shortened(now.chain))
                               : QString());
    const GroupClaim &way = GroupClaimOf(claim.state.toStdString());
    if (way.code.empty())
        about.notes << QStringLiteral("How a group claims: %1 (%2).")
                           .arg(text(way.says),
                                claim.state.isEmpty()
                                    ? QStringLiteral("Ticketwise does not know the ticket's "
                                                     "state: Your State... tells it")
                                    : QStringLiteral("Ticketwise knows no rule of %1's for it")
                                          .arg(claim.state));
    else
        about.notes << QStringLiteral("How %1 pays a group: %2 (%3, checked %4).")
                           .arg(claim.state, text(way.says), text(way.source),
                                dayText(way.checked));
    statement.sections.push_back(std::move(about));

    if (split.shares.empty())
        return statement;
    RecordSection shares{QStringLiteral("Each member's share"),
                         {QStringLiteral("Member"), QStringLiteral("Contact"),
                          QStringLiteral("Paid for the draw"), QStringLiteral("Share"),
                          QStringLiteral("Federal withheld"), QStringLiteral("State withheld"),
                          QStringLiteral("Note")},
                         {},
                         {}};
    const auto contactOf = [&pool](const QString &name) {
        const PoolLedger::Member *member = pool.member(name);
        return member ? member->contact : QString();
    };
    for (const PrizeSplit::Share &share : split.shares)
        shares.rows.push_back(
            {share.member, contactOf(share.member),
             split.claimed ? QString() : CentsText(share.paid), CentsText(share.share),
             CentsText(share.federal), CentsText(share.stateWithheld),
             share.late ? QStringLiteral("paid for this draw after it was drawn") : QString()});
    shares.rows.push_back({QStringLiteral("Total"), QString(), QString(), CentsText(split.prize),
                           CentsText(split.federal), CentsText(split.stateWithheld), QString()});
    statement.sections.push_back(std::move(shares));

    RecordSection form{QStringLiteral("Form 5754, Part II: persons to whom winnings are taxable"),
                       {QStringLiteral("(a) Name"), QStringLiteral("(b) Taxpayer number"),
                        QStringLiteral("(c) Address"), QStringLiteral("(d) Amount won"),
                        QStringLiteral("(e) Identical wagers")},
                       {},
                       {}};
    for (const PrizeSplit::Share &share : split.shares)
        form.rows.push_back(
            {share.member, QString(), contactOf(share.member), CentsText(share.share), QString()});
    form.notes << QStringLiteral("Part I, the person to whom the winnings are paid: %1, who "
                                 "received %2, %3 federal income tax withheld.")
                      .arg(pool.manager, CentsText(split.prize), CentsText(split.federal))
               << QStringLiteral("Each member writes their own taxpayer number: Ticketwise never "
                                 "asks for one nor keeps it.");
    statement.sections.push_back(std::move(form));
    return statement;
}
