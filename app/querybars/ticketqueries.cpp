#include "ticketqueries.h"

#include "backgroundwork.h"
#include "checkbar.h"
#include "checksummary.h"
#include "civildate.h"
#include "claimmarks.h"
#include "claimreminder.h"
#include "contextmenukeys.h"
#include "csvexport.h"
#include "drawhistory.h"
#include "findbar.h"
#include "gamekey.h"
#include "gamename.h"
#include "listedtickets.h"
#include "loglistmodel.h"
#include "noticebar.h"
#include "numberswindow.h"
#include "playerstate.h"
#include "reportlist.h"
#include "seasonreport.h"
#include "seasonwinnings.h"
#include "taxyearpdf.h"
#include "taxyearrecord.h"
#include "textfile.h"
#include "twips.h"
#include "usstate.h"
#include "windowplacement.h"
#include "winningswindow.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUndoStack>

#include <algorithm>

namespace {

// While a draw is checked: "GAME", "DATE", "NUMBERS" and "MATCH", wide
// enough for "5 of 5 + PB".
constexpr std::array<int, 4> checkColumnWidths = {twipsToPixels(1380), twipsToPixels(1140),
                                                  twipsToPixels(1380), twipsToPixels(1140)};
// The same with "PRIZE" last, for Powerball and Mega Millions: the game is
// the same on every row, and gives room.
constexpr std::array<int, 5> checkPrizeColumnWidths = {twipsToPixels(900), twipsToPixels(960),
                                                       twipsToPixels(1080), twipsToPixels(1140),
                                                       twipsToPixels(960)};
constexpr std::array<int, 6> historyPrizeColumnWidths = {twipsToPixels(660), twipsToPixels(840),
                                                         twipsToPixels(900), twipsToPixels(1020),
                                                         twipsToPixels(660), twipsToPixels(960)};
// While a results file is checked: "GAME", "DATE", "NUMBERS", "MATCH" and "DRAW".
constexpr std::array<int, 5> historyColumnWidths = {twipsToPixels(1020), twipsToPixels(900),
                                                    twipsToPixels(1020), twipsToPixels(1140),
                                                    twipsToPixels(960)};

} // namespace

TicketQueries::TicketQueries(ReportList &list, FindBar &findBar, CheckBar &checkBar,
                             NoticeBar &noticeBar, const LogListModel &log, ListedTickets &listed,
                             BackgroundWork &reading, std::span<const int> columnWidths)
    : QObject(&list), m_list(list), m_log(log), m_listed(listed), m_reading(reading),
      m_columnWidths(columnWidths.begin(), columnWidths.end()), m_listPlace(list.geometry()),
      m_findBar(&findBar), m_checkBar(&checkBar),
      m_noticeBar(&noticeBar), m_bars{m_findBar, m_checkBar, m_noticeBar},
      m_claims(new ClaimMarks(list.window(), this)), m_reminder(new ClaimReminder(this))
{
    m_listed.setClaimedOn([this](const LogList &log, int row, int drawDate) {
        return m_claims->claimedOn(log, row, drawDate);
    });
    connect(m_claims, &ClaimMarks::changed, this, [this](const QString &problem) {
        m_claimsLine.reset();
        m_listed.forgetSeasonClaims();
        showSummary();
        if (m_winningsWindow && m_winningsWindow->isVisible() && !m_showsReminded)
            showWinnings();
        else
            followLog();
        if (!problem.isEmpty())
            warn(QStringLiteral("The claim could not be saved to claims.csv."), problem);
    });
    // Said where it was asked: the Winnings window, or the check bar.
    connect(m_claims, &ClaimMarks::refused, this, [this](const QString &why) {
        followLog();
        if (m_winningsWindow && m_winningsWindow->isVisible())
            m_winningsWindow->setLine(QStringLiteral("Not marked: ") + why);
        else
            m_checkBar->showStatus(QStringLiteral("Not marked"), why);
    });
    // The reminder's list follows the log: a ticket deleted or changed
    // meanwhile leaves it, and every other keeps its own.
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_log, changed, this, &TicketQueries::followLog);
    connect(&m_log, &QAbstractItemModel::modelReset, this, &TicketQueries::followLog);
    connect(&m_log, &QAbstractItemModel::dataChanged, this, &TicketQueries::followLog);
    QAction *find = addAction(QStringLiteral("&Find"), QKeySequence::Find);
    connect(find, &QAction::triggered, this, &TicketQueries::openFind);
    QAction *check = addAction(QStringLiteral("&Check a Draw"), QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(check, &QAction::triggered, this, &TicketQueries::openCheck);
    QAction *exportLog =
        addAction(QStringLiteral("&Export Log..."), QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportLog, &QAction::triggered, this, [this] { askExport(false); });
    QAction *resultsFile = addAction(QStringLiteral("Check &Results File..."), {});
    connect(resultsFile, &QAction::triggered, this, [this] {
        openCheck();
        askResultsFile();
    });
    QAction *getResults = addAction(QStringLiteral("&Get Results"), {});
    getResults->setObjectName(QStringLiteral("GetResultsAction"));
    connect(getResults, &QAction::triggered, this, [this] {
        openCheck();
        this->getResults();
    });
    QAction *chart =
        addAction(QStringLiteral("&Numbers Chart..."), QKeySequence(Qt::CTRL | Qt::Key_G));
    chart->setObjectName(QStringLiteral("NumbersChartAction"));
    connect(chart, &QAction::triggered, this, &TicketQueries::openChart);
    QAction *winnings = addAction(QStringLiteral("&Winnings..."), {});
    winnings->setObjectName(QStringLiteral("WinningsAction"));
    connect(winnings, &QAction::triggered, this, &TicketQueries::openWinnings);
    QAction *markClaimed = addAction(QStringLiteral("&Mark Claimed..."), {});
    markClaimed->setObjectName(QStringLiteral("MarkClaimedAction"));
    connect(markClaimed, &QAction::triggered, this, &TicketQueries::markSelected);
    QAction *taxPdf = addAction(QStringLiteral("Save &Tax Year as PDF..."), {});
    taxPdf->setObjectName(QStringLiteral("TaxYearPdfAction"));
    connect(taxPdf, &QAction::triggered, this, [this] { askTaxYear(true); });
    QAction *taxCsv = addAction(QStringLiteral("Save Tax &Year as CSV..."), {});
    connect(taxCsv, &QAction::triggered, this, [this] { askTaxYear(false); });
    m_taxYearActions = {taxPdf, taxCsv};
    QAction *report = addAction(QStringLiteral("Save Report as &PDF..."), {});
    connect(report, &QAction::triggered, this, &TicketQueries::askReport);
    QAction *yourState = addAction(QStringLiteral("Your &State..."), {});
    yourState->setObjectName(QStringLiteral("YourStateAction"));
    connect(yourState, &QAction::triggered, this, [this] {
        if (!PlayerState::ask(m_list.window()))
            return;
        m_listed.setPlayerState(PlayerState::kept());
        m_listed.forgetSeasonClaims();
        m_claimsLine.reset();
        showSummary();
    });
    m_exportListed = addAction(QStringLiteral("Export &Listed Tickets..."), {});
    m_exportListed->setObjectName(QStringLiteral("ExportListed"));
    connect(m_exportListed, &QAction::triggered, this, [this] { askExport(true); });
    m_exportListed->setEnabled(false);
    m_list.setContextMenuPolicy(Qt::ActionsContextMenu);
    OpenContextMenuOnShiftF10(&m_list);
    m_barKeys = {find, check, exportLog, chart};
    // The chart follows the listing, once a burst of changes has passed.
    m_chartUpdate.setSingleShot(true);
    m_chartUpdate.setInterval(0);
    connect(&m_chartUpdate, &QTimer::timeout, this, [this] {
        if (m_chart && m_chart->isVisible())
            m_chart->setCounts(NumberCounts::of(m_listed));
        // The season's winnings follow its listing; the reminder's list, the
        // log, and no listing empties it.
        if (m_winningsWindow && m_winningsWindow->isVisible() && !m_showsReminded)
            showWinnings();
    });
    const auto followChart = [this] { m_chartUpdate.start(); };
    connect(&m_listed, &QAbstractItemModel::modelReset, this, followChart);
    connect(&m_listed, &QAbstractItemModel::dataChanged, this, followChart);
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_listed, changed, this, followChart);

    // Esc closes the open bar wherever the focus is on the page; with no bar
    // open it is left to the controls.
    m_close = new QAction(list.parentWidget());
    m_close->setShortcut(Qt::Key_Escape);
    m_close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_close->setEnabled(false);
    list.parentWidget()->addAction(m_close);
    connect(m_close, &QAction::triggered, this, &TicketQueries::closeBars);
    for (QueryBar *bar : m_bars)
        connect(bar, &QueryBar::closeRequested, this, &TicketQueries::closeBars);
    connect(m_findBar, &FindBar::textChanged, this, &TicketQueries::find);
    connect(m_checkBar, &CheckBar::changed, this, &TicketQueries::check);
    connect(m_checkBar, &CheckBar::resultsFileAsked, this, &TicketQueries::askResultsFile);
    connect(m_checkBar, &CheckBar::resultsFetchAsked, this, &TicketQueries::getResults);
    // The count follows ADD, DELETE and undo as well as the typing.
    for (const QAbstractItemModel *model : {static_cast<const QAbstractItemModel *>(&m_log),
                                            static_cast<const QAbstractItemModel *>(&m_listed)}) {
        for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(model, changed, this, [this] {
                m_claimsLine.reset();
                m_findBar->showCount(m_listed.rowCount(), m_log.size());
                if (m_listed.isChecking())
                    showSummary();
            });
    }

    for (QLineEdit *field : list.parentWidget()->findChildren<QLineEdit *>())
        field->installEventFilter(this);
    connect(list.horizontalHeader(), &QHeaderView::sectionClicked, this, &TicketQueries::sortBy);
}

QAction *TicketQueries::addAction(const QString &text, const QKeySequence &keys)
{
    auto *action = new QAction(text, &m_list);
    action->setShortcut(keys);
    // On the MANAGER page, wherever the focus is.
    action->setShortcutContext(Qt::WindowShortcut);
    m_list.addAction(action);
    return action;
}

// In a text field of the page, Ctrl+F, Ctrl+K and Ctrl+E are the bars' keys on
// every system: Windows gives a field none of them, Linux gives it Ctrl+K and
// Ctrl+E for the end of the line.
bool TicketQueries::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action : m_barKeys) {
            if (action->shortcut() == pressed)
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TicketQueries::openFind()
{
    openBar(m_findBar);
    find();
}

void TicketQueries::openCheck()
{
    openBar(m_checkBar);
    check();
}

void TicketQueries::showNotice(const QString &text)
{
    m_noticeBar->setText(text);
    openBar(m_noticeBar);
    relist([this] { m_listed.showAll(); });
}

void TicketQueries::openBar(QueryBar *bar)
{
    if (bar != m_checkBar && m_readingSeason)
        m_reading.cancel();
    // One bar at a time; the listing follows the bar that is open.
    for (QueryBar *other : m_bars) {
        if (other != bar)
            other->hide();
    }
    bar->setGeometry(m_listPlace.left(), m_listPlace.top(), m_listPlace.width(), bar->barHeight());
    m_list.setGeometry(m_listPlace.adjusted(0, bar->barHeight() + QueryBar::rowGap, 0, 0));
    m_close->setEnabled(true);
    bar->open();
}

void TicketQueries::closeBars()
{
    // A season read for a bar that is gone would list itself unasked.
    if (m_readingSeason)
        m_reading.cancel();
    const bool hadFocus = std::any_of(m_bars.begin(), m_bars.end(), [](QueryBar *bar) {
        return bar->isAncestorOf(QApplication::focusWidget());
    });
    for (QueryBar *bar : m_bars)
        bar->hide();
    m_close->setEnabled(false);
    m_list.setGeometry(m_listPlace);
    relist([this] { m_listed.showAll(); });
    if (hadFocus)
        m_list.setFocus();
    if (m_pendingReminder)
        std::exchange(m_pendingReminder, {})();
}

// Every change of the listing goes through here: the ticket selected stays
// selected and in view where it is still listed, and the columns, the count
// and what can be exported follow what is listed.
void TicketQueries::relist(const std::function<void()> &change)
{
    m_claimsLine.reset();
    const QModelIndexList selected = m_list.selectionModel()->selectedRows();
    const int logRow = selected.isEmpty() ? -1 : m_listed.logRow(selected.first().row());
    change();
    const bool prizes = m_listed.showsPrizes();
    m_list.setColumnWidths(
        m_listed.isSeason()     ? (prizes ? std::span<const int>(historyPrizeColumnWidths)
                                          : std::span<const int>(historyColumnWidths))
        : m_listed.isChecking() ? (prizes ? std::span<const int>(checkPrizeColumnWidths)
                                          : std::span<const int>(checkColumnWidths))
                                : std::span<const int>(m_columnWidths));
    if (const int listed = m_listed.listedRow(logRow); listed >= 0) {
        m_list.selectRow(listed);
        m_list.scrollTo(m_listed.index(listed, 0));
    }
    m_findBar->showCount(m_listed.rowCount(), m_log.size());
    m_exportListed->setEnabled(m_listed.isFiltered());
    showSummary();
    QHeaderView *header = m_list.horizontalHeader();
    const std::optional<TicketOrder> &order = m_listed.order();
    header->setSortIndicatorShown(order.has_value());
    if (order)
        header->setSortIndicator(order->column(),
                                 order->isDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

// Beside the main window the first time, where the user put it after.
void TicketQueries::openChart()
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
void TicketQueries::showSummary()
{
    const DrawCheck *game = m_listed.checkedGame();
    if (!game) {
        m_checkBar->showSummary({}, {});
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
    m_checkBar->showSummary(summary.results(), money);
}

QString TicketQueries::openClaims(const QString &logPath, QUndoStack *undo)
{
    m_claims->setUndoStack(undo);
    return m_claims->open(logPath);
}

void TicketQueries::remindOfClaims()
{
    const int today = Today();
    m_reminder->start(
        m_log, m_claims->book().records(), PlayerState::kept(), KeptDraws::userFolder(), today,
        [this, today](std::vector<Winning> near) {
            if (near.empty())
                return;
            int soon = 0;
            int passed = 0;
            int first = 0;
            for (const Winning &winning : near) {
                if (winning.expired(today)) {
                    ++passed;
                } else {
                    ++soon;
                    first = first ? std::min(first, winning.deadline.lastDay)
                                  : winning.deadline.lastDay;
                }
            }
            // Short enough for the bar beside its button.
            QStringList said;
            if (soon > 0)
                said << (soon == 1 ? QStringLiteral("1 prize to claim by %1")
                                   : QStringLiteral("%1 to claim, first by %2").arg(soon))
                            .arg(QString::fromStdString(CivilDate::text(first)));
            if (passed > 0)
                said << QStringLiteral("%1 just expired").arg(passed);
            // A bar the user has open is not taken from them: the notice
            // waits for it to close.
            const QString text = said.join(QStringLiteral("; "));
            m_reminded = std::move(near);
            followLog(); // the log may have changed while it was checked
            m_pendingReminder = [this, text, today] {
                m_noticeBar->setText(text, QStringLiteral("List Them"), [this, today] {
                    openWinnings();
                    m_showsReminded = true;
                    m_winnings.setWinnings(m_reminded, today);
                    m_winningsWindow->setLine(QStringLiteral(
                        "Prizes whose deadline is near, or passed in the last 30 days"));
                });
                openBar(m_noticeBar);
                relist([this] { m_listed.showAll(); });
            };
            if (!m_close->isEnabled())
                std::exchange(m_pendingReminder, {})();
        });
}

void TicketQueries::followLog()
{
    const auto follow = [this](std::vector<Winning> &winnings) {
        std::erase_if(winnings, [this](Winning &winning) {
            const std::optional<int> row = winning.ticket.rowIn(m_log);
            if (!row)
                return true;
            winning.row = *row;
            winning.claimedOn = m_claims->claimedOn(m_log, *row, winning.drawDate);
            return false;
        });
    };
    follow(m_reminded);
    // The season's list follows its listing; the reminder's, the log.
    if (m_winningsWindow && m_showsReminded) {
        std::vector<Winning> shown = m_winnings.winnings();
        follow(shown);
        m_winnings.setWinnings(std::move(shown), Today());
    }
}

// The selected ticket's earliest draw still to claim.
void TicketQueries::markSelected()
{
    const QModelIndexList selected = m_list.selectionModel()->selectedRows();
    const HistoryCheck *season = m_listed.season();
    if (selected.isEmpty() || !season) {
        m_checkBar->showStatus(QStringLiteral("Nothing to claim"),
                               QStringLiteral("Select a winning ticket of a season to mark it "
                                              "claimed"));
        return;
    }
    const ListedTicket &ticket = m_listed.listed()[std::size_t(selected.first().row())];
    const int today = Today();
    for (const Winning &winning : SeasonWinnings(
             m_log, *season, {&ticket, 1}, m_listed.playerState(), today, m_listed.claimedOn())) {
        if (!winning.claimedOn) {
            m_claims->ask(winning, m_log);
            return;
        }
    }
    m_checkBar->showStatus(QStringLiteral("Nothing to claim"),
                           QStringLiteral("This ticket has no prize left to mark claimed"));
}

// Beside the main window the first time, where the user put it after.
void TicketQueries::openWinnings()
{
    if (!m_winningsWindow) {
        m_winningsWindow = new WinningsWindow(m_winnings, m_list.window());
        // A mark is undone where it was made, as in the main window.
        if (QUndoStack *undo = m_claims->undoStack()) {
            for (QAction *action : {undo->createUndoAction(m_winningsWindow),
                                    undo->createRedoAction(m_winningsWindow)}) {
                action->setShortcutContext(Qt::WindowShortcut);
                m_winningsWindow->addAction(action);
            }
            m_winningsWindow->actions()[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
            m_winningsWindow->actions()[1]->setShortcuts(
                {QKeySequence(Qt::CTRL | Qt::Key_Y),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
        }
        m_winningsWindow->table()->addActions(m_taxYearActions);
        connect(m_winningsWindow, &WinningsWindow::markAsked, this, [this](int row) {
            if (row >= 0 && row < int(m_winnings.winnings().size()))
                m_claims->ask(m_winnings.winnings()[std::size_t(row)], m_log);
        });
        PlaceBeside(m_winningsWindow, m_list.window());
    }
    showWinnings();
    m_winningsWindow->show();
    m_winningsWindow->raise();
    m_winningsWindow->activateWindow();
}

void TicketQueries::showWinnings()
{
    m_showsReminded = false;
    const int today = Today();
    const HistoryCheck *season = m_listed.season();
    std::vector<Winning> winnings;
    if (season)
        winnings = SeasonWinnings(m_log, *season, m_listed.listed(), m_listed.playerState(), today,
                                  m_listed.claimedOn());
    const QString line = WinningsLine(winnings, today);
    m_winnings.setWinnings(std::move(winnings), today);
    m_winningsWindow->setLine(
        season ? line
               : QStringLiteral("No season is checked: Get Results, or pick a Results file, "
                                "for the winnings of its tickets"));
}

void TicketQueries::askResultsFile()
{
    if (m_checkBar->game().trimmed().isEmpty()) {
        m_checkBar->showStatus(QStringLiteral("No game yet"));
        return;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getOpenFileName(
        m_list.window(), QStringLiteral("Results File"), documents,
        QStringLiteral("Text and CSV files (*.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        checkResultsFile(path);
}

// An import under way is never cancelled for a season: the season waits
// for it, and says so.
bool TicketQueries::waitsForImport(std::function<void()> then)
{
    if (!m_reading.isRunning() || m_readingSeason)
        return false;
    m_checkBar->showStatus(QStringLiteral("Waiting..."),
                           QStringLiteral("Waiting for the import to finish"));
    connect(&m_reading, &BackgroundWork::ended, this, std::move(then), Qt::SingleShotConnection);
    return true;
}

// A draw typed while a season was read is the one the user wants checked.
bool TicketQueries::drawTypedSince(int checks) const
{
    return m_checks != checks && m_checkBar->draw().isComplete();
}

void TicketQueries::checkResultsFile(const QString &path)
{
    if (waitsForImport([this, path] {
            openCheck();
            checkResultsFile(path);
        }))
        return;
    struct Read
    {
        QString why;
        std::optional<DrawHistory> history;
    };
    auto read = std::make_shared<Read>();
    const QString game = m_checkBar->game();
    m_checkBar->showStatus(QStringLiteral("Reading..."),
                           QStringLiteral("Reading the file of past draws"));
    m_readingSeason = true;
    m_reading.start(
        QStringLiteral("Reading past draws..."),
        [read, path, game](const BackgroundWork::Progress &progress) {
            if (std::optional<QByteArray> bytes = ReadTextFile(path, &read->why))
                read->history = ReadDrawHistory(*bytes, game, progress);
        },
        [this, read, path, game, checks = m_checks](bool cancelled) {
            m_readingSeason = false;
            if (cancelled || (read->history && read->history->cancelled)) {
                m_checkBar->showStatus(QStringLiteral("Cancelled"),
                                       QStringLiteral("Reading the file was cancelled"));
            } else if (!read->history) {
                m_checkBar->showStatus(QStringLiteral("Not read: %1").arg(read->why));
            } else if (drawTypedSince(checks)) {
                m_checkBar->showStatus(
                    QStringLiteral("Not listed"),
                    QStringLiteral("The season was not listed: the draw typed meanwhile is "
                                   "checked"));
            } else {
                DrawHistory &history = *read->history;
                const int draws = history.draws.size();
                const QString none = history.why(game);
                listSeason(game, history, QFileInfo(path).fileName());
                m_checkBar->showHistory(draws, history.skippedLines, m_listed.rowCount(), none);
            }
            emit resultsFileChecked();
        });
}

void TicketQueries::listSeason(const QString &game, DrawHistory &history, const QString &drawsFile)
{
    m_listed.setPlayerState(PlayerState::kept());
    relist([&] { m_listed.checkHistory(HistoryCheck(game, std::move(history.draws))); });
    m_drawsFile = drawsFile;
}

namespace {

QString textOf(std::string_view ascii)
{
    return QString::fromLatin1(ascii.data(), qsizetype(ascii.size()));
}

} // namespace

// Whose draws of a game that states draw apart: the player's state's, asked
// where none is kept yet. A player of a state whose file is not known is
// told so rather than checked against another state's draws (Texas' Cash
// 5). Nothing where the user cancelled; a null source where their state
// publishes no file known here.
std::optional<const ResultSource *>
TicketQueries::chooseSource(const std::vector<const ResultSource *> &sources)
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

void TicketQueries::getResults()
{
    if (waitsForImport([this] {
            openCheck();
            getResults();
        }))
        return;
    const QString typed = m_checkBar->game().trimmed();
    if (typed.isEmpty()) {
        m_checkBar->showFetching(QStringLiteral("No game yet"), {});
        return;
    }
    const QString key = GameKey(typed);
    const std::u16string_view keyView(reinterpret_cast<const char16_t *>(key.utf16()),
                                      std::size_t(key.size()));
    const GameName name(keyView);
    const QString game = name.game ? textOf(name.game->name) : typed;
    const std::vector<const ResultSource *> sources = ResultSourcesOf(keyView);
    if (sources.empty()) {
        m_checkBar->showFetching(
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
        m_checkBar->showFetching(
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
    struct Got
    {
        DrawsFetch::Result fetch;
        std::optional<DrawHistory> history;
        QDateTime fetched;
        QString why;         // where the kept file could not be read
        QString keepProblem; // where the file fetched could not be kept
        bool noneFetched = false;
    };
    auto got = std::make_shared<Got>();
    m_checkBar->showFetching(QStringLiteral("Fetching..."),
                             QStringLiteral("Fetching %1").arg(whose));
    m_readingSeason = true;
    m_reading.start(
        QStringLiteral("Fetching %1...").arg(whose),
        [got, &source, folder = KeptDraws::userFolder(), limits = m_fetchLimits,
         typed](const BackgroundWork::Progress &progress) {
            using Outcome = DrawsFetch::Outcome;
            KeptDraws kept(folder, source);
            got->fetch = FetchDraws(source, kept, limits, progress);
            if (got->fetch.outcome == Outcome::Cancelled)
                return;
            if (got->fetch.outcome == Outcome::Fetched) {
                DrawHistory history = ReadDrawHistory(got->fetch.bytes, typed, progress);
                // A file that holds no draw of the game is not kept over one
                // that did.
                if (history.cancelled || history.draws.size() > 0 || !kept.exists()) {
                    if (!history.cancelled)
                        kept.keep(got->fetch.bytes, got->fetch.entityTag, got->fetch.lastModified,
                                  &got->keepProblem);
                    got->fetched = QDateTime::currentDateTimeUtc();
                    got->history = std::move(history);
                    return;
                }
                got->noneFetched = true;
            } else if (got->fetch.outcome == Outcome::Unchanged) {
                kept.confirm(&got->keepProblem);
            }
            got->fetch.bytes = QByteArray();
            if (!kept.exists())
                return;
            got->fetched = kept.fetched();
            if (std::optional<QByteArray> bytes = ReadTextFile(kept.path(), &got->why))
                got->history = ReadDrawHistory(*bytes, typed, progress);
        },
        [this, got, whose, typed, host, &source, checks = m_checks](bool cancelled) {
            m_readingSeason = false;
            using Outcome = DrawsFetch::Outcome;
            if (cancelled || got->fetch.outcome == Outcome::Cancelled ||
                (got->history && got->history->cancelled)) {
                m_checkBar->showFetching(QStringLiteral("Cancelled"),
                                         QStringLiteral("Getting the results was cancelled"));
            } else if (!got->history) {
                const QString problem =
                    got->fetch.problem.isEmpty() ? got->why : got->fetch.problem;
                m_checkBar->showFetching(
                    QStringLiteral("Not fetched"),
                    QStringLiteral("%1 not fetched: %2; pick a file of past draws with Results "
                                   "file...")
                        .arg(whose, problem),
                    true);
            } else {
                DrawHistory &history = *got->history;
                const int draws = history.draws.size();
                QStringList notes;
                if (got->fetch.outcome == Outcome::Failed)
                    notes << QStringLiteral("not fetched now: %1").arg(got->fetch.problem);
                if (got->noneFetched)
                    notes << QStringLiteral("the file fetched now held no draw of it");
                if (!got->keepProblem.isEmpty())
                    notes << QStringLiteral("not kept: %1").arg(got->keepProblem);
                if (const QString none = history.why(typed); !none.isEmpty())
                    notes << none;
                // Kept all the same, for the next Get Results.
                if (drawTypedSince(checks)) {
                    m_checkBar->showFetching(
                        QStringLiteral("Not listed"),
                        QStringLiteral("%1 fetched, not listed: the draw typed meanwhile is "
                                       "checked")
                            .arg(whose));
                    emit resultsFetched();
                    return;
                }
                listSeason(
                    typed, history,
                    QStringLiteral("%1 from %2").arg(textOf(source.file), textOf(source.host)));
                m_checkBar->showFetched(whose, got->fetched, draws, history.skippedLines,
                                        m_listed.rowCount(), notes.join(QStringLiteral("; ")));
            }
            emit resultsFetched();
        });
}

void TicketQueries::sortBy(int column)
{
    if (column > TicketOrder::Result)
        return;
    const std::optional<TicketOrder> &now = m_listed.order();
    std::optional<TicketOrder> next;
    if (!now || now->column() != column)
        next.emplace(m_log, TicketOrder::Column(column), false);
    else if (!now->isDescending())
        next.emplace(m_log, TicketOrder::Column(column), true);
    relist([&] { m_listed.sortBy(next); });
}

void TicketQueries::find()
{
    relist([this] { m_listed.find(m_findBar->text()); });
}

void TicketQueries::check()
{
    ++m_checks;
    const DrawCheck draw = m_checkBar->draw();
    relist([&] {
        if (draw.isComplete())
            m_listed.check(draw);
        else
            m_listed.showAll();
    });
    m_checkBar->showChecked(draw, m_listed.rowCount());
}

// The file is headed as the list is: the log's titles, and the result's
// while a draw is checked.
bool TicketQueries::exportTickets(const QString &path, bool listedOnly, QString *errorString)
{
    const QAbstractItemModel &shown =
        listedOnly ? static_cast<const QAbstractItemModel &>(m_listed) : m_log;
    QStringList titles;
    for (int column = 0; column < shown.columnCount(); ++column)
        titles << shown.headerData(column, Qt::Horizontal).toString();
    if (!listedOnly) {
        return ExportTicketsCsv(
            path, m_log, titles, m_log.size(), [](int row) { return row; }, {}, errorString);
    }
    std::function<QStringList(int)> result;
    if (m_listed.columnCount() > m_log.columns()) {
        result = [this](int listed) {
            QStringList cells;
            for (int column = m_log.columns(); column < m_listed.columnCount(); ++column)
                cells << m_listed.index(listed, column).data().toString();
            return cells;
        };
    }
    return ExportTicketsCsv(
        path, m_log, titles, m_listed.rowCount(),
        [this](int listed) { return m_listed.logRow(listed); }, result, errorString);
}

bool TicketQueries::saveReport(const QString &path, QString *errorString)
{
    SeasonReport report;
    report.counts = NumberCounts::of(m_listed);
    report.made = QDate::currentDate();
    report.drawsFile = m_listed.isSeason() ? m_drawsFile : QString();
    const DrawCheck *game = m_listed.checkedGame();
    report.game = report.counts.game.isEmpty() ? m_checkBar->game().trimmed() : report.counts.game;
    if (!game) {
        report.summary << QStringLiteral(
                              "No draw is checked: the chart is of the %1 tickets listed.")
                              .arg(m_listed.rowCount());
        report.others = m_listed.rowCount();
    } else {
        const CheckSummary summary(m_log, *game, m_listed.listed(), m_listed.season(),
                                   m_listed.seasonMoney());
        report.summary << summary.results() << summary.money();
        for (int column = 0; column < m_listed.columnCount(); ++column)
            report.titles << m_listed.headerData(column, Qt::Horizontal).toString();
        const std::span<const ListedTicket> listed = m_listed.listed();
        for (std::size_t at = 0; at < listed.size(); ++at) {
            if (listed[at].match.kind == DrawMatch::NoDraw) {
                ++report.noDraw;
                continue;
            }
            if (!CheckSummary::wins(listed[at].match, *game)) {
                ++report.others;
                continue;
            }
            SeasonReport::Winner winner;
            for (int column = 0; column < m_listed.columnCount(); ++column)
                winner.cells << m_listed.index(int(at), column).data().toString();
            winner.days = m_listed.index(int(at), m_log.columns()).data(Qt::ToolTipRole).toString();
            report.winners.push_back(winner);
        }
    }
    QString reason;
    if (report.write(path, &reason))
        return true;
    if (errorString)
        *errorString = reason;
    return false;
}

bool TicketQueries::saveTaxYear(int year, const QString &path, bool pdf, QString *reason)
{
    const int today = Today();
    std::optional<std::vector<Winning>> winnings;
    if (const HistoryCheck *season = m_listed.season())
        winnings = SeasonWinnings(m_log, *season, m_listed.listed(), m_listed.playerState(), today,
                                  m_listed.claimedOn());
    const TaxYearRecord record =
        TaxYearRecord::of(year, m_claims->book(), m_log, winnings ? &*winnings : nullptr, today);
    return pdf ? TaxYearPdf::write(record, path, reason) : record.writeCsv(path, reason);
}

// This year first, then the years before it.
void TicketQueries::askTaxYear(bool pdf)
{
    const int thisYear = Today() / 10000;
    QStringList years;
    for (int year = thisYear; year > thisYear - 10; --year)
        years << QString::number(year);
    bool chosen = false;
    const QString year = QInputDialog::getItem(m_list.window(), QStringLiteral("Tax Year"),
                                               QStringLiteral("The record of which year?"), years,
                                               0, false, &chosen);
    if (!chosen)
        return;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString kind = pdf ? QStringLiteral("PDF") : QStringLiteral("CSV");
    const QString path = QFileDialog::getSaveFileName(
        m_list.window(), QStringLiteral("Save Tax Year as %1").arg(kind),
        QDir(documents).filePath(QStringLiteral("ticketwise-tax-%1.%2").arg(year, kind.toLower())),
        QStringLiteral("%1 files (*.%2)").arg(kind, kind.toLower()));
    QString reason;
    if (!path.isEmpty() && !saveTaxYear(year.toInt(), path, pdf, &reason))
        warn(QStringLiteral("The tax year could not be saved to \"%1\".")
                 .arg(QDir::toNativeSeparators(path)),
             reason);
}

void TicketQueries::askReport()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        m_list.window(), QStringLiteral("Save Report as PDF"),
        QDir(documents).filePath(QStringLiteral("ticketwise-report.pdf")),
        QStringLiteral("PDF files (*.pdf)"));
    QString reason;
    if (!path.isEmpty() && !saveReport(path, &reason))
        warn(QStringLiteral("The report could not be saved to \"%1\".")
                 .arg(QDir::toNativeSeparators(path)),
             reason);
}

void TicketQueries::askExport(bool listedOnly)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        m_list.window(),
        listedOnly ? QStringLiteral("Export Listed Tickets") : QStringLiteral("Export Ticket Log"),
        QDir(documents).filePath(QStringLiteral("tickets.csv")),
        QStringLiteral("CSV files (*.csv)"));
    QString reason;
    if (!path.isEmpty() && !exportTickets(path, listedOnly, &reason))
        warn(QStringLiteral("The tickets could not be exported to \"%1\".")
                 .arg(QDir::toNativeSeparators(path)),
             reason);
}

// A file that could not be written, and the system's reason, over the window.
void TicketQueries::warn(const QString &text, const QString &reason)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Ticketwise"), text,
                                QMessageBox::Ok, m_list.window());
    box->setInformativeText(reason);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
