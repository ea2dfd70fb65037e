#include "ticketqueries.h"

#include "barqueries.h"
#include "claimqueries.h"
#include "contextmenukeys.h"
#include "exportqueries.h"
#include "poolqueries.h"
#include "reportlist.h"
#include "seasonqueries.h"

#include <QAction>

TicketQueries::TicketQueries(ReportList &list, FindBar &findBar, CheckBar &checkBar,
                             NoticeBar &noticeBar, const LogListModel &log, ListedTickets &listed,
                             BackgroundWork &reading, std::span<const int> columnWidths)
    : QObject(&list), m_list(list),
      m_bars(new BarQueries(list, findBar, checkBar, noticeBar, log, listed, columnWidths)),
      m_season(new SeasonQueries(*m_bars, list, log, listed, reading)),
      m_claims(new ClaimQueries(*m_bars, list, log, listed)),
      m_exports(new ExportQueries(*m_bars, *m_season, list, log, listed)),
      m_pools(new PoolQueries(list, log, listed, *m_claims))
{
    connect(m_season, &SeasonQueries::resultsFileChecked, this, &TicketQueries::resultsFileChecked);
    connect(m_season, &SeasonQueries::resultsFetched, this, &TicketQueries::resultsFetched);
    connect(m_season, &SeasonQueries::listingSettled, m_claims, &ClaimQueries::followListing);
    connect(m_claims, &ClaimQueries::claimsChanged, m_season, &SeasonQueries::showClaimsChanged);

    QAction *find = addAction(QStringLiteral("&Find"), QKeySequence::Find);
    connect(find, &QAction::triggered, this, &TicketQueries::openFind);
    QAction *check = addAction(QStringLiteral("&Check a Draw"), QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(check, &QAction::triggered, this, &TicketQueries::openCheck);
    QAction *exportLog =
        addAction(QStringLiteral("&Export Log..."), QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportLog, &QAction::triggered, this, [this] { m_exports->askExport(false); });
    QAction *resultsFile = addAction(QStringLiteral("Check &Results File..."), {});
    connect(resultsFile, &QAction::triggered, this, [this] {
        openCheck();
        m_season->askResultsFile();
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
    connect(chart, &QAction::triggered, m_season, &SeasonQueries::openChart);
    QAction *winnings = addAction(QStringLiteral("&Winnings..."), {});
    winnings->setObjectName(QStringLiteral("WinningsAction"));
    connect(winnings, &QAction::triggered, m_claims, &ClaimQueries::openWinnings);
    QAction *markClaimed = addAction(QStringLiteral("&Mark Claimed..."), {});
    markClaimed->setObjectName(QStringLiteral("MarkClaimedAction"));
    connect(markClaimed, &QAction::triggered, m_claims, &ClaimQueries::markSelected);
    QAction *addToPool = addAction(QStringLiteral("&Add to Pool..."), {});
    addToPool->setObjectName(QStringLiteral("AddToPoolAction"));
    connect(addToPool, &QAction::triggered, m_pools, &PoolQueries::addSelectedToPool);
    QAction *pools = addAction(QStringLiteral("P&ools..."), {});
    pools->setObjectName(QStringLiteral("PoolsAction"));
    connect(pools, &QAction::triggered, m_pools, &PoolQueries::openPoolsWindow);
    QAction *taxPdf = addAction(QStringLiteral("Save &Tax Year as PDF..."), {});
    taxPdf->setObjectName(QStringLiteral("TaxYearPdfAction"));
    connect(taxPdf, &QAction::triggered, this, [this] { m_claims->askTaxYear(true); });
    QAction *taxCsv = addAction(QStringLiteral("Save Tax &Year as CSV..."), {});
    connect(taxCsv, &QAction::triggered, this, [this] { m_claims->askTaxYear(false); });
    m_claims->setTaxYearActions({taxPdf, taxCsv});
    QAction *report = addAction(QStringLiteral("Save Report as &PDF..."), {});
    connect(report, &QAction::triggered, m_exports, &ExportQueries::askReport);
    QAction *yourState = addAction(QStringLiteral("Your &State..."), {});
    yourState->setObjectName(QStringLiteral("YourStateAction"));
    connect(yourState, &QAction::triggered, m_claims, &ClaimQueries::askState);
    QAction *exportListed = addAction(QStringLiteral("Export &Listed Tickets..."), {});
    exportListed->setObjectName(QStringLiteral("ExportListed"));
    connect(exportListed, &QAction::triggered, this, [this] { m_exports->askExport(true); });
    m_exports->setExportListedAction(exportListed);
    m_list.setContextMenuPolicy(Qt::ActionsContextMenu);
    OpenContextMenuOnShiftF10(&m_list);
    m_bars->keepKeysFromFields({find, check, exportLog, chart});
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

void TicketQueries::openFind()
{
    m_bars->openFind();
}

void TicketQueries::openCheck()
{
    m_bars->openCheck();
}

void TicketQueries::closeBars()
{
    m_bars->closeBars();
}

void TicketQueries::showNotice(const QString &text)
{
    m_bars->showNotice(text);
}

void TicketQueries::checkResultsFile(const QString &path)
{
    m_season->checkResultsFile(path);
}

void TicketQueries::getResults()
{
    m_season->getResults();
}

void TicketQueries::setFetchLimits(const FetchLimits &limits)
{
    m_season->setFetchLimits(limits);
}

bool TicketQueries::exportTickets(const QString &path, bool listedOnly, QString *errorString)
{
    return m_exports->exportTickets(path, listedOnly, errorString);
}

bool TicketQueries::saveReport(const QString &path, QString *errorString)
{
    return m_exports->saveReport(path, errorString);
}

QString TicketQueries::openClaims(const QString &logPath, QUndoStack *undo)
{
    const QString claims = m_claims->openClaims(logPath, undo);
    const QString pools = m_pools->openPools(logPath, undo);
    return claims.isEmpty() || pools.isEmpty() ? claims + pools : claims + u' ' + pools;
}

bool TicketQueries::saveTaxYear(int year, const QString &path, bool pdf, QString *reason,
                                const QString &member)
{
    return m_claims->saveTaxYear(year, path, pdf, reason, member);
}

void TicketQueries::remindOfClaims()
{
    m_claims->remindOfClaims();
}
