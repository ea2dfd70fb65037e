#include "winningsdue.h"

#include "civildate.h"
#include "claimbook.h"
#include "drawhistory.h"
#include "gamekey.h"
#include "keptdraws.h"
#include "resultsource.h"
#include "textfile.h"

#include <set>

std::vector<Winning> WinningsDue(const LogList &log, const QString &drawsFolder,
                                 const std::vector<ClaimRecord> &claims, const UsState *player,
                                 int today)
{
    // Each game the log names once, by the table's name.
    std::set<QString> games;
    for (int row = 0; row < log.size(); ++row) {
        if (const LotteryGame *game = LotteryGameOf(log.text(row, 0)))
            games.insert(QString::fromLatin1(game->name.data(), qsizetype(game->name.size())));
    }
    std::vector<Winning> won;
    for (const QString &game : games) {
        const ResultSource *source = ResultSourceOf(KeyView(GameKey(game)), player);
        if (!source)
            continue;
        const KeptDraws kept(drawsFolder, *source);
        QString why;
        const std::optional<QByteArray> bytes =
            kept.exists() ? ReadTextFile(kept.path(), &why) : std::nullopt;
        if (!bytes)
            continue;
        const HistoryCheck season(game, ReadDrawHistory(*bytes, game).draws);
        std::vector<ListedTicket> listed;
        for (int row = 0; row < log.size(); ++row) {
            if (season.concerns(log, row))
                listed.push_back(season.match(log, row));
        }
        for (Winning &winning : WinningsDue(log, season, listed, claims, player, today))
            won.push_back(std::move(winning));
    }
    return won;
}

std::vector<Winning> WinningsDue(const LogList &log, const HistoryCheck &season,
                                 std::span<const ListedTicket> listed,
                                 const std::vector<ClaimRecord> &claims, const UsState *player,
                                 int today)
{
    const ClaimedOn claimedOn = [&claims](const LogList &list, int row, int drawDate) {
        return ClaimBook::claimedOn(claims, list, row, drawDate);
    };
    return SeasonWinnings(log, season, listed, player, today, claimedOn);
}

bool IsNearItsDeadline(const Winning &winning, int today)
{
    if (winning.claimedOn || !winning.rule)
        return false;
    const int left = CivilDate::daysOf(winning.deadline.lastDay) - CivilDate::daysOf(today);
    return left <= 30 && left >= -30;
}
