#include "checksummary.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

QString dollars(std::int64_t amount)
{
    return u'$' + QLocale(QLocale::English, QLocale::UnitedStates).toString(qint64(amount));
}

// The results that win something, or might: straight and box, a ball game's
// prize tiers, and for games but the digit games two numbers or more in
// common.
bool isNamed(DrawMatch match, bool digitGame)
{
    switch (match.kind) {
    case DrawMatch::Straight:
    case DrawMatch::Box:
    case DrawMatch::WhitesAndBall:
        return true;
    case DrawMatch::Whites:
        return match.count >= 3;
    case DrawMatch::Count:
        return !digitGame && match.count >= 2;
    case DrawMatch::NoDraw:
    case DrawMatch::NoNumbers:
        break;
    }
    return false;
}

} // namespace

bool CheckSummary::wins(DrawMatch match, const DrawCheck &game)
{
    return isNamed(match, game.rules() && game.rules()->kind == LotteryGame::Kind::Digits);
}

bool CheckSummary::hasMoney(const DrawCheck &game)
{
    return game.rules() &&
           MoneyOf(*game.rules(), 20991231, 0, false, 0).prize != PlayMoney::Unknown;
}

PlayMoney CheckSummary::moneyOf(const LogList &log, const DrawCheck &game,
                                const ListedTicket &ticket, const DrawList *draws)
{
    const DrawMatch match = ticket.match;
    if (!game.rules() ||
        (match.kind != DrawMatch::Whites && match.kind != DrawMatch::WhitesAndBall))
        return {};
    // The day of the draw it was checked against, read once already.
    const std::optional<int> date = draws && ticket.draw >= 0
                                        ? std::optional<int>(draws->date(ticket.draw))
                                        : DateKey(log, ticket.row);
    if (!date)
        return {};
    // Read only where the day's prizes take it.
    const auto multiplier = [&] {
        if (!TakesMultiplier(*game.rules(), *date))
            return 0;
        if (const std::optional<QByteArrayView> bytes = log.savedBytes(ticket.row, 2))
            return MultiplierIn(std::string_view(bytes->data(), std::size_t(bytes->size())));
        const QString text = log.text(ticket.row, 2);
        return MultiplierIn(
            std::u16string_view(QStringView(text).utf16(), std::size_t(text.size())));
    };
    return MoneyOf(*game.rules(), *date, match.count, match.kind == DrawMatch::WhitesAndBall,
                   multiplier());
}

QString CheckSummary::prizeText(const PlayMoney &money)
{
    switch (money.prize) {
    case PlayMoney::Unknown:
        return {};
    case PlayMoney::Jackpot:
        return QStringLiteral("jackpot");
    case PlayMoney::AtLeast:
        return QStringLiteral("at least %1").arg(dollars(money.amount));
    case PlayMoney::Amount:
        break;
    }
    return dollars(money.amount);
}

CheckSummary::CheckSummary(const LogList &log, const DrawCheck &game,
                           std::span<const ListedTicket> listed, const DrawList *draws)
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
    const bool money = hasMoney(game);
    const bool digits = game.rules() && game.rules()->kind == LotteryGame::Kind::Digits;
    int plays = 0;
    int notCounted = 0;
    int atLeast = 0;
    int jackpots = 0;
    std::int64_t spent = 0;
    std::int64_t won = 0;
    constexpr std::int64_t most = std::int64_t(1) << 60; // far past any season
    for (const ListedTicket &ticket : listed) {
        const DrawMatch match = ticket.match;
        if (match.kind == DrawMatch::NoDraw) {
            ++noDraw;
        } else if (isNamed(match, digits)) {
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
        if (!money || match.kind == DrawMatch::NoDraw)
            continue;
        const PlayMoney play = moneyOf(log, game, ticket, draws);
        if (play.prize == PlayMoney::Unknown) {
            ++notCounted;
            continue;
        }
        ++plays;
        spent = std::min(most, spent + play.price);
        if (play.prize == PlayMoney::Jackpot)
            ++jackpots;
        else
            won = std::min(most, won + play.amount);
        atLeast += play.prize == PlayMoney::AtLeast ? 1 : 0;
    }
    // Best first, and of one rank, the ticket of more numbers first: "4 of 5"
    // before "4 of 4", a ticket that wrote a number twice.
    std::sort(named.begin(), named.end(), [](const Met &a, const Met &b) {
        return a.match.rank() != b.match.rank() ? a.match.rank() > b.match.rank()
                                                : a.match.total > b.match.total;
    });
    QStringList results;
    for (const Met &met : named) {
        const QString text = met.match.text(game.ballName());
        const bool digitsWon =
            met.match.kind == DrawMatch::Straight || met.match.kind == DrawMatch::Box;
        results << (digitsWon ? QStringLiteral("%1 %2").arg(met.count).arg(text)
                              : QStringLiteral("%1 at %2").arg(met.count).arg(text));
    }
    if (other > 0 || results.isEmpty())
        results << QStringLiteral("%1 other").arg(other);
    if (noDraw > 0)
        results << QStringLiteral("%1 no draw").arg(noDraw);
    m_results = results.join(QStringLiteral(", "));

    QStringList sums;
    if (plays > 0) {
        sums << (plays == 1 ? QStringLiteral("1 play") : QStringLiteral("%1 plays").arg(plays))
             << QStringLiteral("%1 spent").arg(dollars(spent))
             << QStringLiteral("%1%2 won")
                    .arg(atLeast > 0 ? QStringLiteral("at least ") : QString(), dollars(won));
        if (jackpots > 0)
            sums.back() += jackpots == 1 ? QStringLiteral(" and a jackpot")
                                         : QStringLiteral(" and %1 jackpots").arg(jackpots);
        if (atLeast > 0)
            sums << QStringLiteral("%1 without a multiplier counted at 2X").arg(atLeast);
    }
    if (!money || notCounted > 0)
        sums << QStringLiteral("money only for Powerball and Mega Millions, as paid outside "
                               "California");
    m_money = sums.join(QStringLiteral(", "));
}

QString CheckSummary::text() const
{
    return m_money.isEmpty() ? m_results : m_results + QStringLiteral("; ") + m_money;
}
