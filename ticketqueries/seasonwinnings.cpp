#include "seasonwinnings.h"

#include "checksummary.h"
#include "civildate.h"
#include "drawcheck.h"
#include "gamekey.h"
#include "ticketgame.h"

#include <QDate>

#include <algorithm>

namespace {

QString textOf(std::string_view ascii)
{
    return QString::fromLatin1(ascii.data(), qsizetype(ascii.size()));
}

QString dollarsText(std::int64_t dollars)
{
    return QStringLiteral("$") + QLocale(QLocale::English).toString(qlonglong(dollars));
}

} // namespace

QString Winning::claimText(int today) const
{
    if (claimedOn)
        return QStringLiteral("claimed ") + QString::fromStdString(CivilDate::text(claimedOn));
    if (!rule && state.isEmpty())
        return QStringLiteral("no state chosen: choose Your State..., or see the back of the "
                              "ticket");
    if (!rule)
        return QString::fromStdString(NoClaimRuleText(state.toStdString()));
    return QString::fromStdString(DeadlineText(deadline, today));
}

const UsState *ClaimStateOf(QStringView game, const UsState *player)
{
    const TicketGame named = TicketGame::of(KeyView(GameKey(game)));
    return named.state ? named.state : player;
}

std::vector<Winning> SeasonWinnings(const LogList &log, const HistoryCheck &season,
                                    std::span<const ListedTicket> listed, const UsState *player,
                                    int today, const ClaimedOn &claimedOn, bool texts)
{
    const DrawCheck &game = season.game();
    const DrawList &draws = season.draws();
    const bool bigJackpots = game.rules() && (game.rules()->name == "Powerball" ||
                                              game.rules()->name == "Mega Millions");
    // A log names few games, many times: the state of each asked once.
    struct Named
    {
        QString cell;
        const UsState *state;
    };
    std::vector<Named> named;
    const auto stateOf = [&](const QString &cell) {
        for (const Named &known : named) {
            if (known.cell == cell)
                return known.state;
        }
        const UsState *state = ClaimStateOf(cell, player);
        if (named.size() < 16)
            named.push_back({cell, state});
        return state;
    };
    // Which copy of its cells each winning ticket is: counted among the
    // winners, as a ticket's copies win alike.
    std::vector<std::pair<int, int>> copies; // (row, copy), by row
    if (texts && listed.size() > 1) {
        std::vector<int> rows;
        for (const ListedTicket &ticket : listed) {
            if (ticket.match.kind != DrawMatch::NoDraw && CheckSummary::wins(ticket.match, game))
                rows.push_back(ticket.row);
        }
        copies = TicketCopy::copiesOf(log, std::move(rows));
    }
    std::vector<Winning> winnings;
    for (const ListedTicket &ticket : listed) {
        if (ticket.match.kind == DrawMatch::NoDraw || !CheckSummary::wins(ticket.match, game))
            continue;
        const QString cell = log.text(ticket.row, 0);
        const UsState *state = stateOf(cell);
        const ClaimRule *rule = state ? ClaimRuleOf(state->code) : nullptr;
        const TicketPlay play = game.readPlay(log, ticket.row);
        std::optional<TicketCopy> copy; // counted once a draw of it wins
        season.forEachDay(log, ticket.row, [&](const HistoryCheck::Day &day) {
            if (!CheckSummary::wins(day.best(), game))
                return;
            TicketMoney money;
            CheckSummary::addDay(money, game, play, day, draws);
            Winning winning;
            winning.row = ticket.row;
            winning.drawDate = draws.date(day.draw);
            if (texts) {
                winning.game =
                    !game.rules()
                        ? cell
                        : textOf(game.rules()->name) +
                              (state ? QStringLiteral(" ") + textOf(state->code) : QString());
                winning.numbers = log.text(ticket.row, 2);
                if (!copy) {
                    const auto counted =
                        std::lower_bound(copies.begin(), copies.end(), std::pair(ticket.row, 0));
                    copy = counted == copies.end() || counted->first != ticket.row
                               ? TicketCopy::of(log, ticket.row)
                               : TicketCopy{cell, log.text(ticket.row, 1), winning.numbers,
                                            counted->second};
                }
                winning.ticket = *copy;
                winning.prize = CheckSummary::prizeText(money);
                winning.state = state ? textOf(state->name) : QString();
            }
            winning.dollars = money.won;
            winning.wager = money.spent;
            winning.claimedOn = claimedOn ? claimedOn(log, ticket.row, winning.drawDate) : 0;
            winning.rule = rule;
            winning.named = money.named.empty() ? std::string_view() : money.named.front();
            winning.amountKnown = money.named.empty() && money.unknown == 0;
            const bool jackpot =
                std::find(money.named.begin(), money.named.end(), "jackpot") != money.named.end();
            if (rule)
                winning.deadline = DeadlineOf(*rule, winning.drawDate, money.won,
                                              jackpot && bigJackpots, winning.amountKnown);
            winnings.push_back(std::move(winning));
        });
    }
    if (!texts)
        return winnings;
    std::stable_sort(winnings.begin(), winnings.end(), [today](const Winning &a, const Winning &b) {
        const auto key = [today](const Winning &w) {
            const int kind = w.open(today) && w.rule ? 0 : w.open(today) ? 1 : w.claimedOn ? 2 : 3;
            return std::pair(kind, w.claimedOn ? w.claimedOn : w.deadline.lastDay);
        };
        return key(a) < key(b);
    });
    return winnings;
}

void ClaimsSum::Part::add(const Winning &winning)
{
    ++count;
    dollars += winning.dollars;
    if (winning.amountKnown)
        return;
    if (winning.named.empty()) {
        ++notKnown;
        return;
    }
    for (auto &[name, times] : named) {
        if (name == winning.named) {
            ++times;
            return;
        }
    }
    named.emplace_back(winning.named, 1);
}

// "$50,021 and a jackpot": a prize whose amount is not known is named,
// never summed as $0.
QString ClaimsSum::Part::text() const
{
    QStringList amounts;
    if (dollars > 0 || (named.empty() && notKnown == 0))
        amounts << dollarsText(dollars);
    for (const auto &[name, times] : named) {
        const QString text = QString::fromUtf8(name.data(), qsizetype(name.size()));
        amounts << (name == "jackpot" ? (times == 1 ? QStringLiteral("a jackpot")
                                                    : QStringLiteral("%1 jackpots").arg(times))
                    : times == 1      ? text
                                      : QStringLiteral("%1 × %2").arg(times).arg(text));
    }
    if (notKnown > 0)
        amounts << (notKnown == 1 ? QStringLiteral("1 prize of an amount not known")
                                  : QStringLiteral("%1 prizes of amounts not known").arg(notKnown));
    return amounts.join(QStringLiteral(" and "));
}

void ClaimsSum::add(const Winning &winning, int today)
{
    if (winning.claimedOn)
        return;
    if (winning.expired(today)) {
        expired.add(winning);
        return;
    }
    open.add(winning);
    if (winning.rule && (first == 0 || winning.deadline.lastDay < first))
        first = winning.deadline.lastDay;
}

QString ClaimsSum::text(int today) const
{
    QStringList parts;
    if (open.count > 0) {
        QString part = QStringLiteral("%1 to claim, %2").arg(open.count).arg(open.text());
        if (first != 0) {
            const int days = CivilDate::daysOf(first) - CivilDate::daysOf(today);
            part += QStringLiteral(", the first by %1 %2")
                        .arg(QString::fromStdString(CivilDate::text(first)),
                             days == 0   ? QStringLiteral("today")
                             : days == 1 ? QStringLiteral("in 1 day")
                                         : QStringLiteral("in %1 days").arg(days));
        }
        parts << part;
    }
    if (expired.count > 0)
        parts << QStringLiteral("%1 expired, %2").arg(expired.count).arg(expired.text());
    return parts.join(QStringLiteral("; "));
}

QString WinningsLine(const std::vector<Winning> &winnings, int today)
{
    ClaimsSum sum;
    for (const Winning &winning : winnings)
        sum.add(winning, today);
    return sum.text(today);
}

int Today()
{
    // A day of their own for tests and for checking a season as of a day.
    if (const QByteArray given = qgetenv("TICKETWISE_TODAY"); given.size() == 8)
        return given.toInt();
    const QDate today = QDate::currentDate();
    return today.year() * 10000 + today.month() * 100 + today.day();
}
