#include "taxyearrecord.h"

#include "amounttext.h"
#include "civildate.h"
#include "ticketcost.h"

#include <algorithm>

namespace {

QString day(int date)
{
    return QString::fromStdString(CivilDate::text(date));
}

} // namespace

QString TaxYearRecord::notAdvice()
{
    return QStringLiteral("This record is kept by Ticketwise from what you marked and logged. It "
                          "is not tax advice: the rules change, and a tax professional or the "
                          "IRS's own forms and instructions have the last word.");
}

TaxYearRecord TaxYearRecord::of(int year, const ClaimBook &claims, const LogList &log,
                                const std::vector<Winning> *notClaimed, int today)
{
    TaxYearRecord record;
    record.year = year;
    const TaxYear *rules = TaxYearOf(year);

    Section claimed{QStringLiteral("Prizes claimed in %1").arg(year),
                    {QStringLiteral("Claimed"), QStringLiteral("Game"), QStringLiteral("Numbers"),
                     QStringLiteral("Draw"), QStringLiteral("Paid"), QStringLiteral("Wager"),
                     QStringLiteral("W-2G"), QStringLiteral("Federal Withheld"),
                     QStringLiteral("State Withheld")},
                    {},
                    {}};
    std::int64_t won = 0;
    std::int64_t federal = 0;
    std::int64_t state = 0;
    std::vector<ClaimRecord> ofYear;
    for (const ClaimRecord &claim : claims.records()) {
        if (claim.claimed / 10000 == year)
            ofYear.push_back(claim);
    }
    std::sort(ofYear.begin(), ofYear.end(),
              [](const ClaimRecord &a, const ClaimRecord &b) { return a.claimed < b.claimed; });
    // What was paid, as the player typed it, is what the year counts.
    for (const ClaimRecord &claim : ofYear) {
        const QString w2g = !rules ? QStringLiteral("not known")
                            : NeedsW2G(*rules, claim.paid, claim.wager) ? QStringLiteral("yes")
                                                                        : QStringLiteral("no");
        const UsState *named = ClaimStateOf(claim.game, nullptr);
        const bool stateNamed =
            claim.state.isEmpty() ||
            (named && claim.state.compare(
                          QLatin1StringView(named->code.data(), qsizetype(named->code.size())),
                          Qt::CaseInsensitive) == 0);
        claimed.rows.push_back(
            {day(claim.claimed), claim.game + (stateNamed ? QString() : u' ' + claim.state),
             claim.numbers, day(claim.drawDate), CentsText(claim.paid), CentsText(claim.wager), w2g,
             CentsText(claim.federal), CentsText(claim.stateWithheld)});
        won += claim.paid;
        federal += claim.federal;
        state += claim.stateWithheld;
    }
    claimed.notes << QStringLiteral("%1 claimed: %2 won, %3 federal and %4 state tax withheld.")
                         .arg(ofYear.size())
                         .arg(CentsText(won), CentsText(federal), CentsText(state));
    if (!rules)
        claimed.notes << QString::fromStdString(NoTaxYearText(year)) +
                             QStringLiteral(": whether a W-2G comes with a prize is not said.");
    record.sections.push_back(std::move(claimed));

    Section open{QStringLiteral("Prizes of %1's draws not claimed yet").arg(year),
                 {QStringLiteral("Game"), QStringLiteral("Draw"), QStringLiteral("Numbers"),
                  QStringLiteral("Prize"), QStringLiteral("Claim")},
                 {},
                 {}};
    if (!notClaimed)
        open.notes << QStringLiteral("No season is checked: get its results for the prizes not "
                                     "claimed yet.");
    else {
        for (const Winning &winning : *notClaimed) {
            if (!winning.claimedOn && winning.drawDate / 10000 == year)
                open.rows.push_back({winning.game, day(winning.drawDate), winning.numbers,
                                     winning.prize, winning.claimText(today)});
        }
    }
    if (notClaimed && open.rows.empty())
        open.notes << QStringLiteral("None in the season checked.");
    record.sections.push_back(std::move(open));

    Section cost{QStringLiteral("What %1's tickets cost").arg(year), {}, {}, {}};
    std::int64_t spent = 0;
    int tickets = 0;
    int unknown = 0;
    for (int row = 0; row < log.size(); ++row) {
        const TicketCost ticket = TicketCost::of(log, row);
        if (ticket.firstDay / 10000 != year)
            continue;
        if (ticket.dollars) {
            spent += *ticket.dollars * 100;
            ++tickets;
        } else {
            ++unknown;
        }
    }
    cost.notes << QStringLiteral("%1 of known price cost %2, add-ons included; a ticket counts "
                                 "in the year of its first draw.")
                      .arg(tickets == 1 ? QStringLiteral("1 ticket")
                                        : QStringLiteral("%1 tickets").arg(tickets),
                           CentsText(spent));
    if (unknown > 0)
        cost.notes << (unknown == 1
                           ? QStringLiteral("1 ticket of a game whose price is not known is not "
                                            "counted.")
                           : QStringLiteral("%1 tickets of games whose price is not known are not "
                                            "counted.")
                                 .arg(unknown));
    record.sections.push_back(std::move(cost));

    Section losses{QStringLiteral("Losses against winnings"), {}, {}, {}};
    if (!rules) {
        losses.notes << QString::fromStdString(NoTaxYearText(year)) + u'.';
    } else {
        const std::int64_t counted = spent * rules->lossPercent / 100;
        losses.notes << QStringLiteral(
                            "For a return that itemizes: %1 of the tickets' cost counts (%2%), up "
                            "to the year's winnings of %3: %4.")
                            .arg(CentsText(spent))
                            .arg(rules->lossPercent)
                            .arg(CentsText(won), CentsText(std::min(counted, won)));
        if (!rules->unconfirmed.empty())
            losses.notes << QStringLiteral("Not settled for %1: %2.")
                                .arg(year)
                                .arg(QString::fromUtf8(rules->unconfirmed.data(),
                                                       qsizetype(rules->unconfirmed.size())));
    }
    losses.notes << notAdvice();
    record.sections.push_back(std::move(losses));
    return record;
}

bool TaxYearRecord::writeCsv(const QString &path, QString *reason) const
{
    return WriteSectionsCsv(heading(), sections, path, reason);
}

QString TaxYearRecord::heading() const
{
    return member.isEmpty() ? QStringLiteral("Ticketwise tax year %1").arg(year)
                            : QStringLiteral("Ticketwise tax year %1 of %2").arg(year).arg(member);
}
