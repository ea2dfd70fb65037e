#include "checksummary.h"

#include <QLocale>
#include <QStringList>

#include <map>

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
                                const ListedTicket &ticket)
{
    const DrawMatch match = ticket.match;
    if (!game.rules() ||
        (match.kind != DrawMatch::Whites && match.kind != DrawMatch::WhitesAndBall))
        return {};
    const std::optional<int> date = DateKey(log, ticket.row);
    if (!date)
        return {};
    int multiplier = 0;
    if (const std::optional<QByteArrayView> bytes = log.savedBytes(ticket.row, 2))
        multiplier = MultiplierIn(std::string_view(bytes->data(), std::size_t(bytes->size())));
    else {
        const QString text = log.text(ticket.row, 2);
        multiplier =
            MultiplierIn(std::u16string_view(QStringView(text).utf16(), std::size_t(text.size())));
    }
    return MoneyOf(*game.rules(), *date, match.count, match.kind == DrawMatch::WhitesAndBall,
                   multiplier);
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
                           std::span<const ListedTicket> listed)
{
    // Best first: by rank, then the text, which tells apart "3 of 5" and
    // "3 of 6" of one rank.
    std::map<std::pair<int, QString>, int, std::greater<>> named;
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
        if (match.kind == DrawMatch::NoDraw)
            ++noDraw;
        else if (isNamed(match, digits))
            ++named[{match.rank(), match.text(game.ballName())}];
        else
            ++other;
        if (!money || match.kind == DrawMatch::NoDraw)
            continue;
        const PlayMoney play = moneyOf(log, game, ticket);
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
    QStringList results;
    for (const auto &[result, count] : named) {
        const QString &text = result.second;
        results << (text == u"straight" || text == u"box"
                        ? QStringLiteral("%1 %2").arg(count).arg(text)
                        : QStringLiteral("%1 at %2").arg(count).arg(text));
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
