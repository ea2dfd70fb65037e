#pragma once

#include "drawsfetch.h"

#include <QObject>

#include <span>

class BackgroundWork;
class BarQueries;
class CheckBar;
class ClaimQueries;
class ExportQueries;
class FindBar;
class ListedTickets;
class LogListModel;
class NoticeBar;
class PoolQueries;
class QAction;
class QKeySequence;
class QUndoStack;
class ReportList;
class SeasonQueries;

// The ticket list's menu and what it asks: find, check a draw and sort (the
// bars), a season of draws and its chart, what was won and what to claim,
// and what is saved of the list. Each is a part of its own; this gives
// them their entries, in the menu's order, and its keys on the MANAGER
// page. Nothing here changes the log or its file.
class TicketQueries : public QObject
{
    Q_OBJECT

public:
    TicketQueries(ReportList &list, FindBar &findBar, CheckBar &checkBar, NoticeBar &noticeBar,
                  const LogListModel &log, ListedTickets &listed, BackgroundWork &reading,
                  std::span<const int> columnWidths);

    void openFind();
    void openCheck();
    void closeBars();
    // Says how something done to the whole log went, over the whole log.
    void showNotice(const QString &text);
    // Every ticket of the check bar's game against the draws of a file, read
    // on a thread of its own; resultsFileChecked says when it is done.
    void checkResultsFile(const QString &path);
    // The same against the official file of the game's past draws, fetched
    // (or kept from a fetch within the hour) on a thread of its own; a game
    // that states draw apart asks once whose. resultsFetched says when it is
    // done.
    void getResults();
    // How long a fetch waits and how much it takes; tests make them small.
    void setFetchLimits(const FetchLimits &limits);
    // Writes the listed tickets, with their results while a draw is checked,
    // or the whole log, to path; false, with the reason, where it could not.
    bool exportTickets(const QString &path, bool listedOnly, QString *errorString = nullptr);
    // A PDF of what is listed: the lines that sum it up, the chart, and the
    // tickets that won; false, with the reason, where it could not be saved.
    bool saveReport(const QString &path, QString *errorString = nullptr);
    // Reads the claims marked and the pools kept beside the log, whose
    // steps undo as any other; what to tell the user where they could not
    // be read.
    QString openClaims(const QString &logPath, QUndoStack *undo);
    // The year's record for taxes, as a PDF or a CSV; false, with the
    // reason, where it could not be saved.
    bool saveTaxYear(int year, const QString &path, bool pdf, QString *reason = nullptr,
                     const QString &member = {});
    PoolQueries &pools() const { return *m_pools; }
    // Checks the log against the kept files of past draws in the background,
    // and tells of the prizes whose deadline is near or just passed.
    void remindOfClaims();

signals:
    void resultsFileChecked();
    void resultsFetched();

private:
    QAction *addAction(const QString &text, const QKeySequence &keys);

    ReportList &m_list;
    BarQueries *m_bars;
    SeasonQueries *m_season;
    ClaimQueries *m_claims;
    ExportQueries *m_exports;
    PoolQueries *m_pools;
};
