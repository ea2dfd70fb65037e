#include "seasonfetch.h"

#include "keptdraws.h"
#include "textfile.h"

SeasonFetch SeasonFetch::run(const ResultSource &source, const QString &folder,
                             const FetchLimits &limits, const QString &game,
                             const std::function<bool(qint64 done, qint64 of)> &progress)
{
    using Outcome = DrawsFetch::Outcome;
    SeasonFetch got;
    KeptDraws kept(folder, source);
    got.fetch = FetchDraws(source, kept, limits, progress);
    if (got.fetch.outcome == Outcome::Cancelled)
        return got;
    if (got.fetch.outcome == Outcome::Fetched) {
        DrawHistory history = ReadDrawHistory(got.fetch.bytes, game, progress);
        // A file that holds no draw of the game is not kept over one that
        // did.
        if (history.cancelled || history.draws.size() > 0 || !kept.exists()) {
            if (!history.cancelled)
                kept.keep(got.fetch.bytes, got.fetch.entityTag, got.fetch.lastModified,
                          &got.keepProblem);
            got.fetched = QDateTime::currentDateTimeUtc();
            got.history = std::move(history);
            return got;
        }
        got.noneFetched = true;
    } else if (got.fetch.outcome == Outcome::Unchanged) {
        kept.confirm(&got.keepProblem);
    }
    got.fetch.bytes = QByteArray();
    if (!kept.exists())
        return got;
    got.fetched = kept.fetched();
    if (std::optional<QByteArray> bytes = ReadTextFile(kept.path(), &got.why))
        got.history = ReadDrawHistory(*bytes, game, progress);
    return got;
}

bool SeasonFetch::cancelled() const
{
    return fetch.outcome == DrawsFetch::Outcome::Cancelled || (history && history->cancelled);
}
