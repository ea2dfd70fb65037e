#include "poolrecord.h"

#include "amounttext.h"
#include "civildate.h"
#include "drawnat.h"
#include "poolchain.h"

#include <QDir>
#include <QLocale>

#include <map>

namespace {

QString dayText(int date)
{
    return QString::fromStdString(CivilDate::text(date));
}

// What a line says, in words.
QString said(const PoolEntry &entry)
{
    switch (entry.kind) {
    case PoolEntry::Kind::Pool:
        return QStringLiteral("the pool's rules: manager %1, a prize split %2, small prizes %3, "
                              "begun %4")
            .arg(entry.member,
                 entry.split == PoolEntry::Split::Equal ? QStringLiteral("equally")
                                                        : QStringLiteral("by what each paid"),
                 entry.keepsSmallPrizes
                     ? QStringLiteral("up to %1 kept").arg(CentsText(entry.amount))
                     : QStringLiteral("split"),
                 entry.draws);
    case PoolEntry::Kind::Member:
        return entry.contact.isEmpty()
                   ? QStringLiteral("%1 joins").arg(entry.member)
                   : QStringLiteral("%1 joins (%2)").arg(entry.member, entry.contact);
    case PoolEntry::Kind::Payment:
        return QStringLiteral("%1 pays %2 for %3")
            .arg(entry.member, CentsText(entry.amount), entry.draws);
    case PoolEntry::Kind::Ticket:
        return QStringLiteral("the ticket %1, %2, %3%4")
            .arg(entry.game, entry.ticketDate, entry.numbers,
                 entry.copy > 1 ? QStringLiteral(" (copy %1)").arg(entry.copy) : QString());
    case PoolEntry::Kind::Share:
        return QStringLiteral("%1's share of the draw of %2 of %3, %4: %5, %6 federal and %7 "
                              "state withheld, claimed %8")
            .arg(entry.member, dayText(entry.drawDate), entry.game, entry.numbers,
                 CentsText(entry.amount), CentsText(entry.federal), CentsText(entry.stateWithheld),
                 dayText(entry.claimed));
    case PoolEntry::Kind::TakenBack:
        break;
    }
    return QStringLiteral("takes back No. %1").arg(entry.takesBack);
}

} // namespace

PoolRecord PoolRecord::of(const PoolBook &book, const PoolLedger::Pool &pool,
                          const std::vector<PoolPrize> &prizes, const QDateTime &made)
{
    PoolRecord record;
    record.heading = QStringLiteral("Ticketwise record of a pool: %1").arg(pool.name);
    const QString key = pool.name.toCaseFolded();
    std::map<int, std::vector<const PoolEntry *>> takenBy;
    for (const PoolEntry &entry : book.entries()) {
        if (entry.kind == PoolEntry::Kind::TakenBack)
            takenBy[entry.takesBack].push_back(&entry);
    }

    RecordSection about{QStringLiteral("The record"), {}, {}, {}};
    const PoolBook::Mark last = book.markAt(made.toSecsSinceEpoch());
    about.notes << QStringLiteral("%1, as kept in %2, made %3.")
                       .arg(pool.name, QDir::toNativeSeparators(book.path()),
                            QLocale(QLocale::English)
                                .toString(made, QStringLiteral("MM/dd/yyyy 'at' h:mm AP")))
                << QStringLiteral("Each line of the file is chained to the one before it: its "
                                  "chain is the SHA-256 of the chain before it and its own "
                                  "values, shown here by its first 16 hex digits. A line "
                                  "changed after it was written, or one taken out, breaks the "
                                  "chain from there; a sheet or statement a member holds shows "
                                  "the chain as it stood then.")
                << (book.brokenChain()
                        ? QStringLiteral("The chain does not hold from line %1 of the file on: "
                                         "that line was changed after it was written, or a line "
                                         "before it taken out.")
                              .arg(book.brokenChain())
                        : QStringLiteral("Every chain of the file holds."));
    if (last.number)
        about.notes << QStringLiteral("The record ends with line No. %1, chain %2.")
                           .arg(last.number)
                           .arg(PoolChain::shortened(last.chain));
    if (!book.unreadableLines().empty())
        about.notes << QStringLiteral("%1 line(s) of the file could not be read and are not "
                                      "counted: a hand must mend them.")
                           .arg(book.unreadableLines().size());
    record.sections.push_back(std::move(about));

    RecordSection lines{
        QStringLiteral("Every line of %1, in the order written").arg(pool.name), {}, {}, {}};
    for (const PoolEntry &entry : book.entries()) {
        if (entry.pool.toCaseFolded() != key)
            continue;
        QString text =
            QStringLiteral("No. %1 (line %2 of the file), recorded %3: %4. %5")
                .arg(entry.number)
                .arg(entry.line)
                .arg(entry.recorded, said(entry),
                     entry.chain.isEmpty()
                         ? QStringLiteral("No chain: written before lines were "
                                          "chained, or by a hand.")
                         : QStringLiteral("Chain %1.").arg(PoolChain::shortened(entry.chain)));
        for (const PoolEntry *taking : takenBy[entry.number])
            text += QStringLiteral(" Taken back by No. %1, recorded %2.")
                        .arg(taking->number)
                        .arg(taking->recorded);
        lines.notes << text;
    }
    record.sections.push_back(std::move(lines));

    RecordSection draws{QStringLiteral("Who was in for each draw with a prize"),
                        {QStringLiteral("Game"), QStringLiteral("Draw"), QStringLiteral("Numbers"),
                         QStringLiteral("Prize"), QStringLiteral("Members in, and their shares")},
                        {},
                        {}};
    for (const PoolPrize &prize : prizes) {
        draws.rows.push_back({prize.claim.game, dayText(prize.claim.drawDate), prize.claim.numbers,
                              CentsText(prize.claim.paid), prize.split.text()});
        QStringList late;
        for (const PrizeSplit::Share &share : prize.split.shares) {
            if (share.late)
                late << share.member;
        }
        QString note = QStringLiteral("%1, the draw of %2: drawn %3.")
                           .arg(prize.claim.game, dayText(prize.claim.drawDate),
                                DrawnText(prize.claim.game, prize.claim.drawDate));
        if (!late.isEmpty())
            note += QStringLiteral(" Recorded after it: a payment or the joining of %1.")
                        .arg(late.join(QStringLiteral(", ")));
        if (prize.ticketLate)
            note += QStringLiteral(" The ticket was put into the pool after it, by No. %1.")
                        .arg(prize.ticketLine);
        draws.notes << note;
    }
    if (prizes.empty())
        draws.notes << QStringLiteral("No prize of the pool in the season checked: Get Results "
                                      "checks one.");
    record.sections.push_back(std::move(draws));
    return record;
}
