#pragma once

#include "poolswindow.h"
#include "seasonwinnings.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class ClaimQueries;
class ListedTickets;
class LogListModel;
class PoolMarks;
class QAction;
class QUndoStack;
class ReportList;

// Pools: "Add to Pool..." on the selected tickets, and the Pools window of
// members, payments, tickets and prizes, with the sheet to hand out before
// a draw and the statement of a prize's split after it. What is added is
// kept in pools.csv beside the log, and undone as any other step.
class PoolQueries : public QObject
{
    Q_OBJECT

public:
    PoolQueries(ReportList &list, const LogListModel &log, ListedTickets &listed,
                ClaimQueries &claims);

    // Reads the pools beside the log; what to tell the user where they
    // could not be read.
    QString openPools(const QString &logPath, QUndoStack *undo);
    PoolMarks &marks() const { return *m_marks; }

    // The selected tickets into a pool the user picks.
    void addSelectedToPool();
    void openPoolsWindow();
    PoolsWindow *poolsWindow() const { return m_window; }

    // The pool's sheet as a PDF; false, with the reason, where it could not
    // be saved.
    bool savePoolSheet(const QString &pool, const QString &path, QString *reason = nullptr);
    // The pool's record for a dispute, as a PDF.
    bool savePoolRecord(const QString &pool, const QString &path, QString *reason = nullptr);
    // The split of the pool's prize listed at a row of the Prizes table.
    bool saveSplitStatement(const QString &pool, int prize, const QString &path, bool pdf,
                            QString *reason = nullptr);

private:
    void showPool(const QString &name);
    void askEntry(int kind);
    void takeBack(int table, int row);
    void askSheet();
    void askRecord();
    void askPoolPdf(const QString &what,
                    bool (PoolQueries::*save)(const QString &, const QString &, QString *));

    void askStatement(int prize, bool pdf);
    QString savePath(const QString &title, const QString &name, const QString &kind);
    void warn(const QString &what, const QString &problem);

    ReportList &m_list;
    const LogListModel &m_log;
    ListedTickets &m_listed;
    ClaimQueries &m_claims;
    PoolMarks *m_marks;
    QPointer<PoolsWindow> m_window;
    QString m_pool; // the one the window shows
    // What each row of the window's tables stands for: a line's number.
    std::vector<int> m_memberLines;
    std::vector<int> m_paymentLines;
    std::vector<int> m_ticketLines;
    std::vector<Winning> m_prizes; // split again where a statement is asked
};
