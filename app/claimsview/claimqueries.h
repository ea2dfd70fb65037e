#pragma once

#include "claimmarks.h"
#include "winningsmodel.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <vector>

class BarQueries;
class PoolLedger;
class ClaimReminder;
class ListedTickets;
class LogListModel;
class QAction;
class QUndoStack;
class ReportList;
class WinningsWindow;

// What was won and what to claim: the Winnings window of the season listed,
// Mark Claimed on a winning draw, whose marks are kept in claims.csv beside
// the log, the reminder of prizes near their deadline, the player's state,
// and the year's record for taxes.
class ClaimQueries : public QObject
{
    Q_OBJECT

public:
    ClaimQueries(BarQueries &bars, ReportList &list, const LogListModel &log,
                 ListedTickets &listed);

    // Reads the claims marked beside the log, whose marks undo as any other
    // step; what to tell the user where they could not be read.
    QString openClaims(const QString &logPath, QUndoStack *undo);
    // The year's record for taxes, as a PDF or a CSV; false, with the
    // reason, where it could not be saved.
    // member: a pool member's record, of their shares and payments; empty
    // for the player's own.
    bool saveTaxYear(int year, const QString &path, bool pdf, QString *reason = nullptr,
                     const QString &member = {});
    // Checks the log against the kept files of past draws in the background,
    // and tells of the prizes whose deadline is near or just passed.
    void remindOfClaims();

    void openWinnings();
    // The selected ticket's earliest draw still to claim.
    void markSelected();
    void askTaxYear(bool pdf);
    void askState();
    // What the Winnings window's list offers of the list's menu.
    void setTaxYearActions(QList<QAction *> actions) { m_taxYearActions = std::move(actions); }
    // The season's winnings follow its listing; the reminder's list, the
    // log, and no listing empties it.
    void followListing();
    // The pools the log's tickets may be in, and what marking one of their
    // prizes claimed adds to them.
    void setPools(std::function<const PoolLedger *()> ledger, ClaimMarks::AlsoOnClaim alsoOnClaim);
    // The winning draws of the season listed; none where none is checked.
    std::vector<Winning> seasonWinnings() const;
    const std::vector<ClaimRecord> &claimRecords() const;

signals:
    // What was claimed, or the state claims are made in, changed.
    void claimsChanged();

private:
    void showWinnings();
    void followLog();
    // Each winning draw of a pool's ticket says its pool's split.
    void showPools(std::vector<Winning> &winnings) const;

    BarQueries &m_bars;
    ReportList &m_list;
    const LogListModel &m_log;
    ListedTickets &m_listed;
    WinningsModel m_winnings;
    QPointer<WinningsWindow> m_winningsWindow;
    ClaimMarks *m_claims;
    ClaimReminder *m_reminder;
    std::vector<Winning> m_reminded; // what the reminder found, as the log is now
    bool m_showsReminded = false;    // the Winnings window lists it
    QList<QAction *> m_taxYearActions;
    std::function<const PoolLedger *()> m_pools;
};
