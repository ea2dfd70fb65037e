#include "claimqueries.h"

#include "barqueries.h"
#include "checkbar.h"
#include "civildate.h"
#include "claimmarks.h"
#include "claimreminder.h"
#include "dialogfolder.h"
#include "filewarning.h"
#include "keptdraws.h"
#include "listedtickets.h"
#include "loglistmodel.h"
#include "membertaxyear.h"
#include "playerstate.h"
#include "poolprize.h"
#include "recordpdf.h"
#include "reportlist.h"
#include "taxyearrecord.h"
#include "windowplacement.h"
#include "winningsdue.h"
#include "winningswindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QStandardPaths>
#include <QUndoStack>

ClaimQueries::ClaimQueries(BarQueries &bars, ReportList &list, const LogListModel &log,
                           ListedTickets &listed)
    : QObject(&bars), m_bars(bars), m_list(list), m_log(log), m_listed(listed),
      m_claims(new ClaimMarks(list.window(), this)), m_reminder(new ClaimReminder(this))
{
    m_listed.setClaimedOn([this](const LogList &log, int row, int drawDate) {
        return m_claims->claimedOn(log, row, drawDate);
    });
    connect(m_claims, &ClaimMarks::changed, this, [this](const QString &problem) {
        m_listed.forgetSeasonClaims();
        emit claimsChanged();
        if (m_winningsWindow && m_winningsWindow->isVisible() && !m_showsReminded)
            showWinnings();
        else
            followLog();
        if (!problem.isEmpty())
            WarnNotWritten(m_list.window(),
                           QStringLiteral("The claim could not be saved to claims.csv."), problem);
    });
    // Said where it was asked: the Winnings window, or the check bar.
    connect(m_claims, &ClaimMarks::refused, this, [this](const QString &why) {
        followLog();
        if (m_winningsWindow && m_winningsWindow->isVisible())
            m_winningsWindow->setLine(QStringLiteral("Not marked: ") + why);
        else
            m_bars.checkBar().showStatus(QStringLiteral("Not marked"), why);
    });
    // The reminder's list follows the log: a ticket deleted or changed
    // meanwhile leaves it, and every other keeps its own.
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_log, changed, this, &ClaimQueries::followLog);
    connect(&m_log, &QAbstractItemModel::modelReset, this, &ClaimQueries::followLog);
    connect(&m_log, &QAbstractItemModel::dataChanged, this, &ClaimQueries::followLog);
}

void ClaimQueries::askState()
{
    if (!PlayerState::ask(m_list.window()))
        return;
    m_listed.setPlayerState(PlayerState::kept());
    m_listed.forgetSeasonClaims();
    emit claimsChanged();
}

void ClaimQueries::setPools(std::function<const PoolLedger *()> ledger,
                            ClaimMarks::AlsoOnClaim alsoOnClaim)
{
    m_pools = std::move(ledger);
    m_claims->setAlsoOnClaim(std::move(alsoOnClaim));
}

std::vector<Winning> ClaimQueries::seasonWinnings() const
{
    const HistoryCheck *season = m_listed.season();
    if (!season)
        return {};
    return WinningsDue(m_log, *season, m_listed.listed(), m_claims->book().records(),
                       m_listed.playerState(), Today());
}

const std::vector<ClaimRecord> &ClaimQueries::claimRecords() const
{
    return m_claims->book().records();
}

void ClaimQueries::showPools(std::vector<Winning> &winnings) const
{
    const PoolLedger *ledger = m_pools ? m_pools() : nullptr;
    if (!ledger || ledger->pools().empty())
        return;
    const int today = Today();
    // The pool that held the ticket when it was drawn.
    for (Winning &winning : winnings) {
        const std::optional<PoolPrize> prize =
            PoolPrize::of(*ledger, winning, m_claims->book().records(), today);
        winning.pool = prize ? prize->split.text() : QString();
    }
}

void ClaimQueries::followListing()
{
    if (m_winningsWindow && m_winningsWindow->isVisible() && !m_showsReminded)
        showWinnings();
}

QString ClaimQueries::openClaims(const QString &logPath, QUndoStack *undo)
{
    m_claims->setUndoStack(undo);
    return m_claims->open(logPath);
}

void ClaimQueries::remindOfClaims()
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
            m_bars.showNoticeWhenFree(text, QStringLiteral("List Them"), [this, today] {
                openWinnings();
                m_showsReminded = true;
                std::vector<Winning> shown = m_reminded;
                showPools(shown);
                m_winnings.setWinnings(std::move(shown), today);
                m_winningsWindow->setLine(
                    QStringLiteral("Prizes whose deadline is near, or passed in the last 30 days"));
            });
        });
}

void ClaimQueries::followLog()
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
        showPools(shown);
        m_winnings.setWinnings(std::move(shown), Today());
    }
}

// The selected ticket's earliest draw still to claim.
void ClaimQueries::markSelected()
{
    const QModelIndexList selected = m_list.selectionModel()->selectedRows();
    const HistoryCheck *season = m_listed.season();
    if (selected.isEmpty() || !season) {
        m_bars.checkBar().showStatus(
            QStringLiteral("Nothing to claim"),
            QStringLiteral("Select a winning ticket of a season to mark it "
                           "claimed"));
        return;
    }
    const ListedTicket &ticket = m_listed.listed()[std::size_t(selected.first().row())];
    const int today = Today();
    for (const Winning &winning :
         WinningsDue(m_log, *season, {&ticket, 1}, m_claims->book().records(),
                     m_listed.playerState(), today)) {
        if (!winning.claimedOn) {
            m_claims->ask(winning, m_log);
            return;
        }
    }
    m_bars.checkBar().showStatus(QStringLiteral("Nothing to claim"),
                                 QStringLiteral("This ticket has no prize left to mark claimed"));
}

// Beside the main window the first time, where the user put it after.
void ClaimQueries::openWinnings()
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

void ClaimQueries::showWinnings()
{
    m_showsReminded = false;
    const int today = Today();
    const HistoryCheck *season = m_listed.season();
    std::vector<Winning> winnings = seasonWinnings();
    showPools(winnings);
    const QString line = WinningsLine(winnings, today);
    m_winnings.setWinnings(std::move(winnings), today);
    m_winningsWindow->setLine(
        season ? line
               : QStringLiteral("No season is checked: Get Results, or pick a Results file, "
                                "for the winnings of its tickets"));
}

bool ClaimQueries::saveTaxYear(int year, const QString &path, bool pdf, QString *reason,
                               const QString &member)
{
    if (!member.isEmpty()) {
        const PoolLedger *ledger = m_pools ? m_pools() : nullptr;
        const TaxYearRecord record = MemberTaxYear(year, ledger ? *ledger : PoolLedger({}), member);
        return pdf ? RecordPdf::write(record.heading(), record.sections, path, reason)
                   : record.writeCsv(path, reason);
    }
    const int today = Today();
    std::optional<std::vector<Winning>> winnings;
    if (const HistoryCheck *season = m_listed.season())
        winnings = WinningsDue(m_log, *season, m_listed.listed(), m_claims->book().records(),
                               m_listed.playerState(), today);
    const TaxYearRecord record =
        TaxYearRecord::of(year, m_claims->book(), m_log, winnings ? &*winnings : nullptr, today);
    return pdf ? RecordPdf::write(record.heading(), record.sections, path, reason)
               : record.writeCsv(path, reason);
}

// This year first, then the years before it.
void ClaimQueries::askTaxYear(bool pdf)
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
    // A pool's member may have a record of their own.
    QString member;
    QStringList whose;
    if (const PoolLedger *ledger = m_pools ? m_pools() : nullptr) {
        for (const PoolLedger::Pool &pool : ledger->pools()) {
            // A member taken back has a record of what they paid and won too.
            for (const PoolLedger::Member &each : pool.memberLines) {
                if (!whose.contains(each.name, Qt::CaseInsensitive))
                    whose << each.name;
            }
        }
    }
    if (!whose.isEmpty()) {
        const QString yours = QStringLiteral("Yours: the log's tickets and claims");
        member = QInputDialog::getItem(m_list.window(), QStringLiteral("Tax Year"),
                                       QStringLiteral("Whose record of %1?").arg(year),
                                       QStringList{yours} + whose, 0, false, &chosen);
        if (!chosen)
            return;
        if (member == yours)
            member.clear();
    }
    const QString documents = DialogFolder(QStandardPaths::DocumentsLocation);
    const QString kind = pdf ? QStringLiteral("PDF") : QStringLiteral("CSV");
    const QString path = QFileDialog::getSaveFileName(
        m_list.window(), QStringLiteral("Save Tax Year as %1").arg(kind),
        QDir(documents).filePath(
            QStringLiteral("ticketwise-tax-%1%2.%3")
                .arg(year, member.isEmpty() ? QString() : u'-' + member, kind.toLower())),
        QStringLiteral("%1 files (*.%2)").arg(kind, kind.toLower()));
    QString reason;
    if (!path.isEmpty() && !saveTaxYear(year.toInt(), path, pdf, &reason, member))
        WarnNotWritten(m_list.window(),
                       QStringLiteral("The tax year could not be saved to \"%1\".")
                           .arg(QDir::toNativeSeparators(path)),
                       reason);
}
