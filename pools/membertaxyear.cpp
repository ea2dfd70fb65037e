#include "membertaxyear.h"

#include "amounttext.h"
#include "civildate.h"

namespace {

QString dayText(int date)
{
    return QString::fromStdString(CivilDate::text(date));
}

} // namespace

TaxYearRecord MemberTaxYear(int year, const PoolLedger &ledger, const QString &member)
{
    TaxYearRecord record;
    record.year = year;
    record.member = member;
    const auto theirs = [&](const QString &name) {
        return name.compare(member, Qt::CaseInsensitive) == 0;
    };
    TaxYearRecord::Section shares{
        QStringLiteral("Shares of prizes claimed in %1").arg(year),
        {QStringLiteral("Pool"), QStringLiteral("Game"), QStringLiteral("Numbers"),
         QStringLiteral("Draw"), QStringLiteral("Claimed"), QStringLiteral("Share"),
         QStringLiteral("Federal withheld"), QStringLiteral("State withheld")},
        {},
        {}};
    std::int64_t won = 0;
    std::int64_t federal = 0;
    std::int64_t state = 0;
    TaxYearRecord::Section paid{QStringLiteral("Paid into pools in %1").arg(year),
                                {QStringLiteral("Pool"), QStringLiteral("Recorded"),
                                 QStringLiteral("Draws"), QStringLiteral("Amount")},
                                {},
                                {}};
    std::int64_t spent = 0;
    for (const PoolLedger::Pool &pool : ledger.pools()) {
        for (const PoolEntry &share : pool.shares) {
            if (share.claimed / 10000 != year || !theirs(share.member))
                continue;
            shares.rows.push_back({pool.name, share.game, share.numbers, dayText(share.drawDate),
                                   dayText(share.claimed), CentsText(share.amount),
                                   CentsText(share.federal), CentsText(share.stateWithheld)});
            won += share.amount;
            federal += share.federal;
            state += share.stateWithheld;
        }
        for (const PoolLedger::Payment &payment : pool.payments) {
            // A member taken back paid what they paid.
            if (!payment.life.now() || payment.recordedDay / 10000 != year ||
                !theirs(payment.member))
                continue;
            paid.rows.push_back(
                {pool.name, payment.recorded, payment.draws, CentsText(payment.amount)});
            spent += payment.amount;
        }
    }
    shares.notes << QStringLiteral("%1 won, %2 federal and %3 state withheld.")
                        .arg(CentsText(won), CentsText(federal), CentsText(state))
                 << QStringLiteral("Where a prize came with a Form W-2G, the payer makes one for "
                                   "each member from the pool's Form 5754, with their own share "
                                   "and withholding.");
    paid.notes << QStringLiteral("%1 paid in.").arg(CentsText(spent));
    record.sections.push_back(std::move(shares));
    record.sections.push_back(std::move(paid));
    record.sections.push_back(
        {QStringLiteral("About this record"), {}, {}, {TaxYearRecord::notAdvice()}});
    return record;
}
