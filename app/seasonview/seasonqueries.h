#pragma once

#include "drawsfetch.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

class BackgroundWork;
class BarQueries;
class ListedTickets;
class LogListModel;
class NumbersWindow;
class QueryBar;
class ReportList;
struct DrawHistory;
struct ResultSource;
struct SeasonFetch;

// A season: every ticket of the check bar's game against the draws of a
// file, a results file the user picks or the official one Get Results
// fetches, read on a thread of its own; the line under the check bar that
// sums up what is listed, and the numbers chart of it.
class SeasonQueries : public QObject
{
    Q_OBJECT

public:
    SeasonQueries(BarQueries &bars, ReportList &list, const LogListModel &log,
                  ListedTickets &listed, BackgroundWork &reading);

    // Every ticket of the check bar's game against the draws of a file;
    // resultsFileChecked says when it is done.
    void checkResultsFile(const QString &path);
    void askResultsFile();
    // The same against the official file of the game's past draws, fetched
    // (or kept from a fetch within the hour); a game that states draw apart
    // asks once whose. resultsFetched says when it is done.
    void getResults();
    // How long a fetch waits and how much it takes; tests make them small.
    void setFetchLimits(const FetchLimits &limits) { m_fetchLimits = limits; }
    void openChart();
    // The claims or the player's state changed: the line says so again.
    void showClaimsChanged();
    // The file the listed season was read from, while one is listed.
    QString drawsFile() const;

signals:
    void resultsFileChecked();
    void resultsFetched();
    // The listing changed, and a burst of changes has passed.
    void listingSettled();

private:
    std::optional<const ResultSource *>
    chooseSource(const std::vector<const ResultSource *> &sources);
    void listSeason(const QString &game, DrawHistory &history, const QString &drawsFile);
    bool waitsForImport(std::function<void()> then);
    bool drawTypedSince(int checks) const;
    void showFetched(SeasonFetch *got, const QString &whose, const QString &typed,
                     const ResultSource &source, int checks);
    void cancelReading();
    void showSummary();

    BarQueries &m_bars;
    ReportList &m_list;
    const LogListModel &m_log;
    ListedTickets &m_listed;
    BackgroundWork &m_reading;
    QPointer<NumbersWindow> m_chart;
    QTimer m_chartUpdate;
    std::optional<QString> m_claimsLine; // of the listing as it stands
    QString m_drawsFile;                 // the season's file, while one is checked
    bool m_readingSeason = false;
    FetchLimits m_fetchLimits;
};
