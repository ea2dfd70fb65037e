#include "poolsheet.h"

#include "amounttext.h"
#include "civildate.h"
#include "gamekey.h"
#include "poolchain.h"
#include "prizesplit.h"
#include "ticketcells.h"
#include "ticketgame.h"

#include <QLocale>

#include <algorithm>
#include <map>

namespace {

QString dayText(int date)
{
    return QString::fromStdString(CivilDate::text(date));
}

// The first day from today on that one of the pool's tickets is drawn, and
// that ticket's game; 0 where none is to come.
std::pair<int, QString> nextDraw(const PoolLedger::Pool &pool, int today)
{
    int next = 0;
    QString game;
    for (const PoolLedger::Ticket &ticket : pool.tickets) {
        if (!ticket.life.now())
            continue;
        const std::optional<TicketDates> dates = TicketDates::of(QStringView(ticket.date));
        if (!dates)
            continue;
        const LotteryGame *lottery = TicketGame::of(KeyView(GameKey(ticket.game))).game;
        int day = 0;
        if (dates->first >= today) {
            day = dates->first;
        } else if (dates->isSeveral()) {
            // A run or a count still playing: its next draw within a week.
            for (int date = today, step = 0; step < 8 && !day; ++step) {
                if (dates->plays(date, lottery))
                    day = date;
                date = CivilDate::addDays(date, 1);
            }
        }
        if (day && (!next || day < next)) {
            next = day;
            game = ticket.game;
        }
    }
    return {next, game};
}

} // namespace

PoolSheet PoolSheet::of(const PoolLedger::Pool &pool, const QDateTime &made,
                        const PoolBook::Mark &record, const QHash<QString, QString> &photos)
{
    PoolSheet sheet;
    sheet.heading = QStringLiteral("Ticketwise pool sheet: %1").arg(pool.name);
    const int today = made.date().year() * 10000 + made.date().month() * 100 + made.date().day();
    const QString madeText =
        QLocale(QLocale::English).toString(made, QStringLiteral("MM/dd/yyyy 'at' h:mm AP"));

    RecordSection about{QStringLiteral("The pool"), {}, {}, {}};
    about.notes << QStringLiteral("%1, begun %2; this sheet made %3.")
                       .arg(pool.name, dayText(pool.began), madeText)
                << QStringLiteral("Manager: %1, who buys the tickets, holds them and claims their "
                                  "prizes.")
                       .arg(pool.manager)
                << (pool.split == PoolEntry::Split::Equal
                        ? QStringLiteral("A prize is split equally among the members in for its "
                                         "draw: those whose payment covers it.")
                        : QStringLiteral("A prize is split among the members in for its draw by "
                                         "what each paid for that draw."))
                << (pool.keepsSmallPrizes
                        ? QStringLiteral("A prize of %1 or less is kept toward the next draws.")
                              .arg(CentsText(pool.keptUpTo))
                        : QStringLiteral("Every prize is split, the small ones too."))
                << QStringLiteral("Cents that do not split evenly go one at a time to the largest "
                                  "remainders, ties in the order members joined.")
                << QStringLiteral("A draw is decided by the record as it stood when it was drawn: "
                                  "a payment, member or ticket recorded after it is said to be "
                                  "late, and what is taken back after it still counts for it.")
                << (record.number
                        ? QStringLiteral("The record as this sheet was made: line No. %1, "
                                         "chain %2. Each line of pools.csv is chained "
                                         "to the one before it: a record changed after "
                                         "this sheet no longer ends its line No. %1 "
                                         "with this chain.")
                              .arg(record.number)
                              .arg(PoolChain::shortened(record.chain))
                        : QStringLiteral("The record holds no chained line yet."));
    sheet.sections.push_back(std::move(about));

    const auto [next, game] = nextDraw(pool, today);
    PrizeSplit share;
    if (next)
        share = PrizeSplit::of(pool, game, next, 10'000, 0, 0);
    RecordSection members{
        next ? QStringLiteral("Members, and their shares of the draw of %1").arg(dayText(next))
             : QStringLiteral("Members"),
        {QStringLiteral("Member"), QStringLiteral("Contact"), QStringLiteral("Paid for"),
         QStringLiteral("Paid"), QStringLiteral("Share"), QStringLiteral("Signature")},
        {},
        {}};
    // The payments that cover a draw to come, by member.
    const LotteryGame *lottery = TicketGame::of(KeyView(GameKey(game))).game;
    std::map<QString, std::vector<const PoolLedger::Payment *>> coming;
    for (const PoolLedger::Payment &payment : pool.payments) {
        if (!payment.life.now())
            continue;
        const int last = payment.dates.lastDay(lottery);
        if (!last || last >= today)
            coming[payment.member.toCaseFolded()].push_back(&payment);
    }
    for (const PoolLedger::Member &member : pool.members) {
        QStringList draws;
        std::int64_t paid = 0;
        for (const PoolLedger::Payment *each : coming[member.name.toCaseFolded()]) {
            const PoolLedger::Payment &payment = *each;
            draws << payment.draws + (payment.late() ? QStringLiteral(" (recorded %1, late)")
                                                           .arg(dayText(payment.recordedDay))
                                                     : QString());
            paid += payment.amount;
        }
        QString percent = QStringLiteral("not in");
        for (const PrizeSplit::Share &each : share.shares) {
            if (each.member == member.name)
                percent = QStringLiteral("%1.%2%")
                              .arg(each.share / 100)
                              .arg(each.share % 100, 2, 10, QLatin1Char('0'));
        }
        members.rows.push_back({member.name, member.contact, draws.join(QStringLiteral("; ")),
                                CentsText(paid), percent, QStringLiteral("____________________")});
    }
    members.notes << QStringLiteral("Each member signs beside their name before the draw, and "
                                    "keeps a copy of this sheet. A member is in for a draw their "
                                    "payment covers, and only then.");
    sheet.sections.push_back(std::move(members));

    RecordSection tickets{
        QStringLiteral("Tickets"),
        {QStringLiteral("Game"), QStringLiteral("Draws"), QStringLiteral("Numbers")},
        {},
        {}};
    // Each photo once, after the first of its plays, captioned with them.
    std::vector<RecordSection::Picture> pictures;
    for (const PoolLedger::Ticket &ticket : pool.tickets) {
        if (!ticket.life.now())
            continue;
        tickets.rows.push_back({ticket.game, ticket.date, ticket.numbers});
        const QString photo =
            photos.value(TicketCells{ticket.game, ticket.date, ticket.numbers}.key());
        if (photo.isEmpty())
            continue;
        const QString play =
            QStringLiteral("%1 %2: %3").arg(ticket.game, ticket.date, ticket.numbers);
        const auto kept =
            std::find_if(pictures.begin(), pictures.end(),
                         [&photo](const auto &picture) { return picture.path == photo; });
        if (kept == pictures.end())
            pictures.push_back({photo, play});
        else
            kept->caption += QStringLiteral("; ") + play;
    }
    tickets.notes << QStringLiteral("%1 ticket(s). The originals are held by %2.")
                         .arg(tickets.rows.size())
                         .arg(pool.manager);
    sheet.sections.push_back(std::move(tickets));
    if (!pictures.empty()) {
        RecordSection photographed{QStringLiteral("The tickets as photographed"), {}, {}, {}};
        photographed.notes << QStringLiteral("The photos %1 kept of the tickets above, as they "
                                             "were taken.")
                                  .arg(pool.manager);
        for (RecordSection::Picture &picture : pictures)
            picture.caption = QStringLiteral("Ticket of ") + picture.caption + u'.';
        photographed.pictures = std::move(pictures);
        sheet.sections.push_back(std::move(photographed));
    }
    return sheet;
}
