#include "seasonqueries.h"

#include "backgroundwork.h"
#include "barqueries.h"
#include "checkbar.h"
#include "checksummary.h"
#include "civildate.h"
#include "dialogfolder.h"
#include "drawhistory.h"
#include "gamekey.h"
#include "gamename.h"
#include "keptdraws.h"
#include "listedtickets.h"
#include "loglistmodel.h"
#include "numberswindow.h"
#include "playerstate.h"
#include "reportlist.h"
#include "resultsource.h"
#include "seasonfetch.h"
#include "seasonwinnings.h"
#include "textfile.h"
#include "windowplacement.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <memory>

namespace {

QString textOf(std::string_view ascii)
{
    return QString::fromLatin1(ascii.data(), qsizetype(ascii.size()));
}

} // namespace

SeasonQueries::SeasonQueries(BarQueries &bars, ReportList &list, const LogListModel &log,
                             ListedTickets &listed, BackgroundWork &reading)
    : QObject(&bars), m_bars(bars), m_list(list), m_log(log), m_listed(listed), m_reading(reading)
{
    // A season read for a bar that is gone would list itself unasked.
    connect(&m_bars, &BarQueries::barOpening, this, [this](QueryBar *bar) {
        if (bar != &m_bars.checkBar())
            cancelReading();
    });
    connect(&m_bars, &BarQueries::closing, this, &SeasonQueries::cancelReading);
    connect(&m_bars, &BarQueries::relisting, this, [this] { m_claimsLine.reset(); });
    connect(&m_bars, &BarQueries::relisted, this, &SeasonQueries::showSummary);
    connect(&m_bars, &BarQueries::countChanged, this, [this] {
        m_claimsLine.reset();
        if (m_listed.isChecking())
            showSummary();
    });
    connect(&m_bars.checkBar(), &CheckBar::resultsFileAsked, this, &SeasonQueries::askResultsFile);
    connect(&m_bars.checkBar(), &CheckBar::resultsFetchAsked, this, &SeasonQueries::getResults);
    // The chart follows the listing, once a burst of changes has passed.
    m_chartUpdate.setSingleShot(true);
    m_chartUpdate.setInterval(0);
    connect(&m_chartUpdate, &QTimer::timeout, this, [this] {
        if (m_chart && m_chart->isVisible())
            m_chart->setCounts(NumberCounts::of(m_listed));
        emit listingSettled();
    });
    const auto followChart = [this] { m_chartUpdate.start(); };
    connect(&m_listed, &QAbstractItemModel::modelReset, this, followChart);
    connect(&m_listed, &QAbstractItemModel::dataChanged, this, followChart);
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_listed, changed, this, followChart);
}

void SeasonQueries::cancelReading()
{
    if (m_readingSeason)
        m_reading.cancel();
}

void SeasonQueries::showClaimsChanged()
{
    m_claimsLine.reset();
    showSummary();
}

QString SeasonQueries::drawsFile() const
{
    return m_listed.isSeason() ? m_drawsFile : QString();
}

// Beside the main window the first time, where the user put it after.
void SeasonQueries::openChart()
{
    if (!m_chart) {
        m_chart = new NumbersWindow(m_list.window());
        PlaceBeside(m_chart, m_list.window());
    }
    m_chart->setCounts(NumberCounts::of(m_listed));
    m_chart->show();
    m_chart->raise();
    m_chart->activateWindow();
}

// While a draw or a season is checked, what it came to, under the check bar;
// of a season, what is left to claim and what expired.
void SeasonQueries::showSummary()
{
    const DrawCheck *game = m_listed.checkedGame();
    if (!game) {
        m_bars.checkBar().showSummary({}, {});
        return;
    }
    const CheckSummary summary(m_log, *game, m_listed.listed(), m_listed.season(),
                               m_listed.seasonMoney());
    QString money = summary.money();
    if (const HistoryCheck *season = m_listed.season()) {
        // Once for each listing: the line is shown again as the rest of it
        // follows the typing.
        if (!m_claimsLine) {
            const int today = Today();
            m_claimsLine = m_listed.seasonClaims()
                               ? m_listed.seasonClaims()->text(today)
                               : WinningsLine(SeasonWinnings(m_log, *season, m_listed.listed(),
                                                             m_listed.playerState(), today,
                                                             m_listed.claimedOn(), false),
                                              today);
        }
        if (!m_claimsLine->isEmpty())
            money += (money.isEmpty() ? QString() : QStringLiteral("; ")) + *m_claimsLine;
    }
    m_bars.checkBar().showSummary(summary.results(), money);
}

void SeasonQueries::askResultsFile()
{
    if (m_bars.checkBar().game().trimmed().isEmpty()) {
        m_bars.checkBar().showStatus(QStringLiteral("No game yet"));
        return;
    }
    const QString documents = DialogFolder(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getOpenFileName(
        m_list.window(), QStringLiteral("Results File"), documents,
        QStringLiteral("Text and CSV files (*.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        checkResultsFile(path);
}

// An import under way is never cancelled for a season: the season waits
// for it, and says so.
bool SeasonQueries::waitsForImport(std::function<void()> then)
{
    if (!m_reading.isRunning() || m_readingSeason)
        return false;
    m_bars.checkBar().showStatus(QStringLiteral("Waiting..."),
                                 QStringLiteral("Waiting for the import to finish"));
    connect(&m_reading, &BackgroundWork::ended, this, std::move(then), Qt::SingleShotConnection);
    return true;
}

// A draw typed while a season was read is the one the user wants checked.
bool SeasonQueries::drawTypedSince(int checks) const
{
    return m_bars.checks() != checks && m_bars.checkBar().draw().isComplete();
}

void SeasonQueries::checkResultsFile(const QString &path)
{
    if (waitsForImport([this, path] {
            m_bars.openCheck();
            checkResultsFile(path);
        }))
        return;
    struct Read
    {
        QString why;
        std::optional<DrawHistory> history;
    };
    auto read = std::make_shared<Read>();
    const QString game = m_bars.checkBar().game();
    m_bars.checkBar().showStatus(QStringLiteral("Reading..."),
                                 QStringLiteral("Reading the file of past draws"));
    m_readingSeason = true;
    m_reading.start(
        QStringLiteral("Reading past draws..."),
        [read, path, game](const BackgroundWork::Progress &progress) {
            if (std::optional<QByteArray> bytes = ReadTextFile(path, &read->why))
                read->history = ReadDrawHistory(*bytes, game, progress);
        },
        [this, read, path, game, checks = m_bars.checks()](bool cancelled) {
            m_readingSeason = false;
            if (cancelled || (read->history && read->history->cancelled)) {
                m_bars.checkBar().showStatus(QStringLiteral("Cancelled"),
                                             QStringLiteral("Reading the file was cancelled"));
            } else if (!read->history) {
                m_bars.checkBar().showStatus(QStringLiteral("Not read: %1").arg(read->why));
            } else if (drawTypedSince(checks)) {
                m_bars.checkBar().showStatus(
                    QStringLiteral("Not listed"),
                    QStringLiteral("The season was not listed: the draw typed meanwhile is "
                                   "checked"));
            } else {
                DrawHistory &history = *read->history;
                const int draws = history.draws.size();
                const QString none = history.why(game);
                listSeason(game, history, QFileInfo(path).fileName());
                m_bars.checkBar().showHistory(draws, history.skippedLines, m_listed.rowCount(),
                                              none);
            }
            emit resultsFileChecked();
        });
}

void SeasonQueries::listSeason(const QString &game, DrawHistory &history, const QString &drawsFile)
{
    m_listed.setPlayerState(PlayerState::kept());
    m_bars.relist([&] { m_listed.checkHistory(HistoryCheck(game, std::move(history.draws))); });
    m_drawsFile = drawsFile;
}

// Whose draws of a game that states draw apart: the player's state's, asked
// where none is kept yet. A player of a state whose file is not known is
// told so rather than checked against another state's draws (Texas' Cash
// 5). Nothing where the user cancelled; a null source where their state
// publishes no file known here.
std::optional<const ResultSource *>
SeasonQueries::chooseSource(const std::vector<const ResultSource *> &sources)
{
    if (sources.size() == 1 && sources.front()->state.empty())
        return sources.front();
    const UsState *state = PlayerState::keptOrAsked(m_list.window());
    if (!state)
        return std::nullopt;
    for (const ResultSource *source : sources) {
        if (source->state == state->name)
            return source;
    }
    return nullptr;
}

void SeasonQueries::getResults()
{
    if (waitsForImport([this] {
            m_bars.openCheck();
            getResults();
        }))
        return;
    const QString typed = m_bars.checkBar().game().trimmed();
    if (typed.isEmpty()) {
        m_bars.checkBar().showFetching(QStringLiteral("No game yet"), {});
        return;
    }
    const QString key = GameKey(typed);
    const std::u16string_view keyView = KeyView(key);
    const GameName name(keyView);
    const QString game = name.game ? textOf(name.game->name) : typed;
    const std::vector<const ResultSource *> sources = ResultSourcesOf(keyView);
    if (sources.empty()) {
        m_bars.checkBar().showFetching(
            QStringLiteral("No file known"),
            QStringLiteral("No official file of %1's past draws is known; pick a file of them "
                           "with Results file...")
                .arg(game),
            true);
        emit resultsFetched();
        return;
    }
    const std::optional<const ResultSource *> chosen =
        StateNamedBy(keyView).empty() ? chooseSource(sources) : sources.front();
    if (!chosen)
        return;
    if (!*chosen) {
        m_bars.checkBar().showFetching(
            QStringLiteral("No file known"),
            QStringLiteral("No official file of %1's %2 draws is known; pick a file of them "
                           "with Results file...")
                .arg(QLatin1StringView(PlayerState::kept()->name.data(),
                                       qsizetype(PlayerState::kept()->name.size())),
                     game),
            true);
        emit resultsFetched();
        return;
    }
    const ResultSource &source = **chosen;
    // Named by where it comes from: a mirror's name where one stands in.
    const QString host = DrawsFetch::addressOf(source).host();
    const QString whose = QStringLiteral("%1 draws from %2").arg(game, host);
    auto got = std::make_shared<SeasonFetch>();
    m_bars.checkBar().showFetching(QStringLiteral("Fetching..."),
                                   QStringLiteral("Fetching %1").arg(whose));
    m_readingSeason = true;
    m_reading.start(
        QStringLiteral("Fetching %1...").arg(whose),
        [got, &source, folder = KeptDraws::userFolder(), limits = m_fetchLimits,
         typed](const BackgroundWork::Progress &progress) {
            *got = SeasonFetch::run(source, folder, limits, typed, progress);
        },
        [this, got, whose, typed, &source, checks = m_bars.checks()](bool cancelled) {
            m_readingSeason = false;
            showFetched(cancelled ? nullptr : got.get(), whose, typed, source, checks);
            emit resultsFetched();
        });
}

// What Get Results came to, under the check bar; nothing for one cancelled.
void SeasonQueries::showFetched(SeasonFetch *got, const QString &whose, const QString &typed,
                                const ResultSource &source, int checks)
{
    if (!got || got->cancelled()) {
        m_bars.checkBar().showFetching(QStringLiteral("Cancelled"),
                                       QStringLiteral("Getting the results was cancelled"));
    } else if (!got->history) {
        const QString problem = got->fetch.problem.isEmpty() ? got->why : got->fetch.problem;
        m_bars.checkBar().showFetching(
            QStringLiteral("Not fetched"),
            QStringLiteral("%1 not fetched: %2; pick a file of past draws with Results "
                           "file...")
                .arg(whose, problem),
            true);
    } else {
        DrawHistory &history = *got->history;
        const int draws = history.draws.size();
        QStringList notes;
        if (got->fetch.outcome == DrawsFetch::Outcome::Failed)
            notes << QStringLiteral("not fetched now: %1").arg(got->fetch.problem);
        if (got->noneFetched)
            notes << QStringLiteral("the file fetched now held no draw of it");
        if (!got->keepProblem.isEmpty())
            notes << QStringLiteral("not kept: %1").arg(got->keepProblem);
        if (const QString none = history.why(typed); !none.isEmpty())
            notes << none;
        // Kept all the same, for the next Get Results.
        if (drawTypedSince(checks)) {
            m_bars.checkBar().showFetching(
                QStringLiteral("Not listed"),
                QStringLiteral("%1 fetched, not listed: the draw typed meanwhile is "
                               "checked")
                    .arg(whose));
            return;
        }
        listSeason(typed, history,
                   QStringLiteral("%1 from %2").arg(textOf(source.file), textOf(source.host)));
        m_bars.checkBar().showFetched(whose, got->fetched, draws, history.skippedLines,
                                      m_listed.rowCount(), notes.join(QStringLiteral("; ")));
    }
}
