#pragma once

#include "drawhistory.h"
#include "drawsfetch.h"
#include "resultsource.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

// A game's past draws as Get Results gets them: the official file fetched
// and kept, or, where the server has nothing new or cannot be reached, the
// file kept by a fetch before; then read for the game. A file fetched that
// holds no draw of the game is not kept over one that did. No widgets: it
// runs on a thread of its own.
struct SeasonFetch
{
    DrawsFetch::Result fetch;
    std::optional<DrawHistory> history; // nothing where no file could be had
    QDateTime fetched;                  // when the file read was fetched or confirmed
    QString why;                        // where the kept file could not be read
    QString keepProblem;                // where the file fetched could not be kept
    bool noneFetched = false;           // the file fetched held no draw of the game

    static SeasonFetch run(const ResultSource &source, const QString &folder,
                           const FetchLimits &limits, const QString &game,
                           const std::function<bool(qint64 done, qint64 of)> &progress);
    bool cancelled() const;
};
