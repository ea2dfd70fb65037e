#include "checksummary.h"

#include "gamename.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

QString dollars(std::int64_t amount)
{
    return u'$' + QLocale(QLocale::English, QLocale::UnitedStates).toString(qint64(amount));
}

// The games whose prizes are fixed, by name, as the money line names them
// for another game.
QString gamesWithMoney()
{
    QStringList names;
    for (const LotteryGame &game : LotteryGames()) {
        if (HasMoney(game) && !game.secondDrawing)
            names << QString::fromLatin1(game.name.data(), qsizetype(game.name.size()));
    }
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace

bool CheckSummary::wins(DrawMatch match, const DrawCheck &game)
{
    switch (match.kind) {
    case DrawMatch::Straight:
    case DrawMatch::Box:
        return true;
    case DrawMatch::Count:
    case DrawMatch::CountAndExtra:
        if (match.tier != 0)
            return true;
        // Where the tiers are not known, two numbers or more may win.
        return !(game.rules() && (game.rules()->kind == LotteryGame::Kind::Digits ||
                                  !game.rules()->tiers.empty())) &&
               match.count >= 2;
    case DrawMatch::NoDraw:
    case DrawMatch::NoNumbers:
        break;
    }
    return false;
}

bool CheckSummary::hasMoney(const DrawCheck &game)
{
    return game.rules() && HasMoney(*game.rules());
}

namespace {

// One play's money added to a ticket's.
void add(TicketMoney &money, const PlayMoney &play)
{
    if (play.prize == PlayMoney::Unknown) {
        ++money.unknown;
        return;
    }
    money.spent += play.price;
    if (play.prize == PlayMoney::Named)
        money.named.push_back(play.named);
    else
        money.won += play.amount;
    money.atLeast += play.prize == PlayMoney::AtLeast ? 1 : 0;
}

const LotteryGame *doublePlayGame()
{
    static const LotteryGame *game = FindLotteryGame(u"powerballdoubleplay");
    return game;
}

} // namespace

TicketMoney CheckSummary::moneyOf(const LogList &log, const DrawCheck &game,
                                  const ListedTicket &ticket, const HistoryCheck *season)
{
    TicketMoney money;
    const DrawMatch match = ticket.match;
    if (!game.rules() || (match.kind != DrawMatch::Count && match.kind != DrawMatch::CountAndExtra))
        return money;
    // A plain play's cell is read only where the day's prize is multiplied by
    // the multiplier it prints.
    static const TicketPlay plain;
    const auto playOn = [&](int date) -> const TicketPlay & {
        return ticket.addsOn || TakesMultiplier(*game.rules(), date)
                   ? game.readPlay(log, ticket.row)
                   : plain;
    };
    // A single draw's day is the one typed: without one, the prizes are not
    // known, as the ticket's own day need not be the draw's.
    if (!season) {
        if (const std::optional<int> date = game.date())
            addPlay(money, game, playOn(*date), *date, match, 0, std::nullopt);
        return money;
    }
    const DrawList &draws = season->draws();
    if (!ticket.severalDraws) {
        const int date = draws.date(ticket.draw);
        const TicketPlay &play = playOn(date);
        if (play.doublePlay) {
            addDay(money, game, play, season->day(log, ticket.row, ticket.draw), draws);
            return money;
        }
        addPlay(money, game, play, date, match, draws.multiplier(ticket.draw), std::nullopt);
        return money;
    }
    // Every day of the ticket the file holds a play, Double Play's beside it;
    // the ticket is read as its first day is checked.
    int held = 0;
    const std::optional<TicketDates> dates =
        season->forEachDay(log, ticket.row, [&](const HistoryCheck::Day &day) {
            addDay(money, game, season->game().play(), day, draws);
            ++held;
        });
    money.toCome = dates ? season->toCome(*dates, held) : 0;
    return money;
}

void CheckSummary::addDay(TicketMoney &money, const DrawCheck &game, const TicketPlay &play,
                          const HistoryCheck::Day &day, const DrawList &draws)
{
    addPlay(money, game, play, draws.date(day.draw), day.match, draws.multiplier(day.draw),
            day.doublePlay);
}

// One play's money: its game's prize by the play's add-on, and Double Play's
// where the ticket plays it.
void CheckSummary::addPlay(TicketMoney &money, const DrawCheck &game, const TicketPlay &play,
                           int date, DrawMatch match, int drawn,
                           std::optional<DrawMatch> doublePlay)
{
    const LotteryGame &rules = *game.rules();
    const AddOn *addOn = rules.eraOn(date).addOn;
    const bool plays = addOn && ((addOn->kind == AddOn::PowerPlay && play.powerPlay) ||
                                 (addOn->kind == AddOn::Megaplier && play.megaplier));
    const PlayMoney base = MoneyOf(rules, date, match.tier, play.multiplier, plays, drawn);
    if (base.prize == PlayMoney::Unknown) {
        ++money.unknown;
        return;
    }
    ++money.plays;
    add(money, base);
    const LotteryGame *second = doublePlayGame();
    if (play.doublePlay && !rules.secondDrawing && second && second->family == rules.name &&
        date >= second->eras.front().from) {
        // Without its drawing, Double Play is neither a loss nor a win.
        if (doublePlay)
            add(money, MoneyOf(*second, date, doublePlay->tier, 0));
        else
            ++money.unchecked;
    }
}

QString CheckSummary::prizeText(const TicketMoney &money)
{
    if (money.plays == 0)
        return {};
    QStringList prizes;
    for (const std::string_view named : money.named)
        prizes << QString::fromUtf8(named.data(), qsizetype(named.size()));
    if (money.won > 0 || prizes.isEmpty())
        prizes << (money.atLeast > 0 ? QStringLiteral("at least %1") : QStringLiteral("%1"))
                      .arg(dollars(money.won));
    return prizes.join(QStringLiteral(" and "));
}

QString CheckSummary::prizeText(const PlayMoney &money)
{
    switch (money.prize) {
    case PlayMoney::Unknown:
        return {};
    case PlayMoney::Named:
        return QString::fromUtf8(money.named.data(), qsizetype(money.named.size()));
    case PlayMoney::AtLeast:
        return QStringLiteral("at least %1").arg(dollars(money.amount));
    case PlayMoney::Amount:
        break;
    }
    return dollars(money.amount);
}

CheckSummary::CheckSummary(const LogList &log, const DrawCheck &game,
                           std::span<const ListedTicket> listed, const HistoryCheck *season,
                           const MoneySum *money)
{
    // Each result met, with how many: few kinds, many tickets, so a short
    // list searched from the last one found.
    struct Met
    {
        DrawMatch match;
        int count;
    };
    std::vector<Met> named;
    std::size_t last = 0;
    const auto same = [](DrawMatch a, DrawMatch b) {
        return a.kind == b.kind && a.count == b.count && a.total == b.total;
    };
    int other = 0;
    int noDraw = 0;
    const bool paid = hasMoney(game);
    int undated = 0;
    MoneySum sum;
    for (const ListedTicket &ticket : listed) {
        const DrawMatch match = ticket.match;
        if (match.kind == DrawMatch::NoDraw) {
            ++noDraw;
        } else if (wins(match, game)) {
            if (last >= named.size() || !same(named[last].match, match)) {
                last = std::size_t(
                    std::find_if(named.begin(), named.end(),
                                 [&](const Met &met) { return same(met.match, match); }) -
                    named.begin());
                if (last == named.size())
                    named.push_back({match, 0});
            }
            ++named[last].count;
        } else {
            ++other;
        }
        // A ticket with no numbers, or no draw, is no play.
        if (!paid || money || match.kind == DrawMatch::NoDraw || match.kind == DrawMatch::NoNumbers)
            continue;
        if (!season && !game.date()) {
            ++undated;
            continue;
        }
        sum.add(moneyOf(log, game, ticket, season));
    }
    if (money)
        sum = *money;
    // Best first, and of one rank, the ticket of more numbers first: "4 of 5"
    // before "4 of 4", a ticket that wrote a number twice.
    std::sort(named.begin(), named.end(), [](const Met &a, const Met &b) {
        return a.match.rank() != b.match.rank() ? a.match.rank() > b.match.rank()
                                                : a.match.total > b.match.total;
    });
    QStringList results;
    for (const Met &met : named) {
        const QString text = met.match.text(game.extraName());
        const bool digitsWon =
            met.match.kind == DrawMatch::Straight || met.match.kind == DrawMatch::Box;
        results << (digitsWon ? QStringLiteral("%1 %2").arg(met.count).arg(text)
                              : QStringLiteral("%1 at %2").arg(met.count).arg(text));
    }
    if (other > 0 || (results.isEmpty() && noDraw == 0))
        results << QStringLiteral("%1 other").arg(other);
    if (noDraw > 0)
        results << QStringLiteral("%1 no draw").arg(noDraw);
    m_results = results.join(QStringLiteral(", "));

    QStringList sums;
    if (sum.plays > 0) {
        sums << (sum.plays == 1 ? QStringLiteral("1 play")
                                : QStringLiteral("%1 plays").arg(sum.plays))
             << QStringLiteral("%1 spent").arg(dollars(sum.spent))
             << QStringLiteral("%1%2 won")
                    .arg(sum.atLeast > 0 ? QStringLiteral("at least ") : QString(),
                         dollars(sum.won));
        for (const auto &[prize, count] : sum.named) {
            const QString text = QString::fromUtf8(prize.data(), qsizetype(prize.size()));
            if (prize == "jackpot")
                sums.back() += count == 1 ? QStringLiteral(" and a jackpot")
                                          : QStringLiteral(" and %1 jackpots").arg(count);
            else
                sums.back() += count == 1
                                   ? QStringLiteral(" and %1").arg(text)
                                   : QStringLiteral(" and %1 \u00D7 %2").arg(count).arg(text);
        }
        if (sum.atLeast > 0)
            sums << QStringLiteral("%1 without a multiplier counted at 2X").arg(sum.atLeast);
    }
    if (sum.toCome > 0 || sum.someToCome)
        sums << (sum.someToCome    ? QStringLiteral("more draws to come")
                 : sum.toCome == 1 ? QStringLiteral("1 draw to come")
                                   : QStringLiteral("%1 draws to come").arg(sum.toCome));
    if (sum.unchecked > 0)
        sums << (sum.unchecked == 1
                     ? QStringLiteral("1 Double Play not checked, its drawing not known")
                     : QStringLiteral("%1 Double Plays not checked, their drawings not known")
                           .arg(sum.unchecked));
    if (undated > 0)
        sums << QStringLiteral("money once the draw's date is typed");
    if (sum.unknown > 0)
        sums << (sum.unknown == 1
                     ? QStringLiteral("1 play not counted, of a day whose prizes are not known")
                     : QStringLiteral("%1 plays not counted, of days whose prizes are not known")
                           .arg(sum.unknown));
    if (!paid)
        sums << QStringLiteral("money only for %1, as paid outside California")
                    .arg(gamesWithMoney());
    m_money = sums.join(QStringLiteral(", "));
}

QString CheckSummary::text() const
{
    return m_money.isEmpty() ? m_results : m_results + QStringLiteral("; ") + m_money;
}
