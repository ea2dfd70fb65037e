#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include "drawsfetch.h"
#include "winningsmodel.h"

#include <functional>
#include <optional>
#include <span>
#include <vector>

class BackgroundWork;
class CheckBar;
class FindBar;
class NoticeBar;
class ListedTickets;
class NumbersWindow;
class WinningsWindow;
class ClaimMarks;
class ClaimReminder;
class QUndoStack;
class LogListModel;
class QAction;
class QueryBar;
class ReportList;
struct DrawHistory;

// Find, check a draw, sort and export, on the ticket list. Ctrl+F, Ctrl+K and
// the list's context menu open a bar over the top of the list, which then
// lists what the bar asks; Esc, anywhere on the page, closes it and gives the
// list back its place and the whole log, with the selected ticket still
// selected. A click on a column header sorts what is listed by that column, a
// second reverses it and a third gives back the order of the log or the check.
// Export writes the log, or the tickets listed, to a CSV file the user
// chooses. Nothing here changes the log or its file.
class TicketQueries : public QObject
{
    Q_OBJECT

public:
    TicketQueries(ReportList &list, FindBar &findBar, CheckBar &checkBar, NoticeBar &noticeBar,
                  const LogListModel &log, ListedTickets &listed, BackgroundWork &reading,
                  std::span<const int> columnWidths);

    void openFind();
    void openCheck();
    // Every ticket of the check bar's game against the draws of a file, read
    // on a thread of its own; resultsFileChecked says when it is done.
    void checkResultsFile(const QString &path);
    // The same against the official file of the game's past draws, fetched
    // (or kept from a fetch within the hour) on a thread of its own; a game
    // that states draw apart asks once whose. resultsFetched says when it is
    // done.
    void getResults();
    // How long a fetch waits and how much it takes; tests make them small.
    void setFetchLimits(const FetchLimits &limits) { m_fetchLimits = limits; }
    void closeBars();
    // Says how something done to the whole log went, over the whole log.
    void showNotice(const QString &text);
    // Writes the listed tickets, with their results while a draw is checked,
    // or the whole log, to path; false, with the reason, where it could not.
    bool exportTickets(const QString &path, bool listedOnly, QString *errorString = nullptr);
    // A PDF of what is listed: the lines that sum it up, the chart, and the
    // tickets that won; false, with the reason, where it could not be saved.
    bool saveReport(const QString &path, QString *errorString = nullptr);

    // Reads the claims marked beside the log, whose marks undo as any other
    // step; what to tell the user where they could not be read.
    QString openClaims(const QString &logPath, QUndoStack *undo);
    // The year's record for taxes, as a PDF or a CSV; false, with the
    // reason, where it could not be saved.
    bool saveTaxYear(int year, const QString &path, bool pdf, QString *reason = nullptr);
    // Checks the log against the kept files of past draws in the background,
    // and tells of the prizes whose deadline is near or just passed.
    void remindOfClaims();

signals:
    void resultsFileChecked();
    void resultsFetched();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addAction(const QString &text, const QKeySequence &keys);
    void openBar(QueryBar *bar);
    void relist(const std::function<void()> &change);
    void find();
    void check();
    void sortBy(int column);
    void askExport(bool listedOnly);
    void askResultsFile();
    std::optional<const ResultSource *>
    chooseSource(const std::vector<const ResultSource *> &sources);
    void listSeason(const QString &game, DrawHistory &history, const QString &drawsFile);
    bool waitsForImport(std::function<void()> then);
    bool drawTypedSince(int checks) const;
    void showSummary();
    void openChart();
    void openWinnings();
    void markSelected();
    void askTaxYear(bool pdf);
    void showWinnings();
    void followLog();
    void askReport();
    void warn(const QString &text, const QString &reason);

    ReportList &m_list;
    const LogListModel &m_log;
    ListedTickets &m_listed;
    BackgroundWork &m_reading;
    std::vector<int> m_columnWidths;
    QRect m_listPlace;
    FindBar *m_findBar;
    CheckBar *m_checkBar;
    NoticeBar *m_noticeBar;
    std::vector<QueryBar *> m_bars;
    QAction *m_exportListed;
    QAction *m_close;
    std::vector<QAction *> m_barKeys;
    QPointer<NumbersWindow> m_chart;
    WinningsModel m_winnings;
    QPointer<WinningsWindow> m_winningsWindow;
    ClaimMarks *m_claims;
    ClaimReminder *m_reminder;
    std::function<void()> m_pendingReminder; // shown once the bar open closes
    std::vector<Winning> m_reminded;         // what the reminder found, as the log is now
    bool m_showsReminded = false;            // the Winnings window lists it
    std::optional<QString> m_claimsLine;     // of the listing as it stands
    QList<QAction *> m_taxYearActions;
    QTimer m_chartUpdate;
    QString m_drawsFile; // the season's file, while one is checked
    bool m_readingSeason = false;
    int m_checks = 0; // draws checked as typed, to tell one typed while a season is read
    FetchLimits m_fetchLimits;
};
