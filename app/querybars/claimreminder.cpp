#include "claimreminder.h"

#include "civildate.h"
#include "claimbook.h"
#include "drawhistory.h"
#include "historycheck.h"
#include "keptdraws.h"
#include "loglistmodel.h"
#include "resultsource.h"
#include "textfile.h"

#include <QDir>
#include <QThread>

#include <memory>
#include <set>

namespace {

std::u16string_view viewOf(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size())};
}

QString textOf(std::string_view ascii)
{
    return QString::fromLatin1(ascii.data(), qsizetype(ascii.size()));
}

// The kept file of a game's draws, by the player's state where states draw
// it apart; nothing is asked here.
const ResultSource *sourceOf(const QString &game, const UsState *player)
{
    const QString key = GameKey(game);
    const std::vector<const ResultSource *> sources = ResultSourcesOf(viewOf(key));
    for (const ResultSource *source : sources) {
        if (source->state.empty() || !StateNamedBy(viewOf(key)).empty() ||
            (player && source->state == player->name))
            return source;
    }
    return nullptr;
}

std::vector<Winning> nearDeadlines(const LogListModel &log, const std::vector<ClaimRecord> &claims,
                                   const UsState *player, const QString &folder, int today)
{
    // Each game the log names once, by the table's name.
    std::set<QString> games;
    for (int row = 0; row < log.size(); ++row) {
        if (const LotteryGame *game = LotteryGameOf(log.text(row, 0)))
            games.insert(textOf(game->name));
    }
    const ClaimedOn claimedOn = [&claims](const LogList &list, int row, int drawDate) {
        return ClaimBook::claimedOn(claims, list, row, drawDate);
    };
    std::vector<Winning> near;
    for (const QString &game : games) {
        const ResultSource *source = sourceOf(game, player);
        if (!source)
            continue;
        const KeptDraws kept(folder, *source);
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
        for (Winning &winning : SeasonWinnings(log, season, listed, player, today, claimedOn)) {
            if (ClaimReminder::isNear(winning, today))
                near.push_back(std::move(winning));
        }
    }
    return near;
}

} // namespace

ClaimReminder::ClaimReminder(QObject *parent) : QObject(parent) {}

ClaimReminder::~ClaimReminder()
{
    if (m_thread)
        m_thread->wait();
}

bool ClaimReminder::isNear(const Winning &winning, int today)
{
    if (winning.claimedOn || !winning.rule)
        return false;
    const int left = CivilDate::daysOf(winning.deadline.lastDay) - CivilDate::daysOf(today);
    return left <= 30 && left >= -30;
}

void ClaimReminder::start(const LogListModel &log, std::vector<ClaimRecord> claims,
                          const UsState *player, const QString &drawsFolder, int today,
                          std::function<void(std::vector<Winning>)> found)
{
    if (m_thread || !QDir(drawsFolder).exists())
        return;
    std::shared_ptr<LogListModel> copy = log.copy();
    m_thread = QThread::create([this, copy, claims = std::move(claims), player, drawsFolder, today,
                                found = std::move(found)] {
        std::vector<Winning> near = nearDeadlines(*copy, claims, player, drawsFolder, today);
        QMetaObject::invokeMethod(
            this, [found, near = std::move(near)] { found(near); }, Qt::QueuedConnection);
    });
    // Deleted with the reminder, once it has waited for it, if not before.
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    m_thread->start(QThread::LowPriority);
}
