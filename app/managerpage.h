#pragma once

#include "logentry.h"
#include "loglocation.h"
#include "savedlog.h"
#include "ticketcsv.h"

#include <QWidget>

class BackgroundWork;
class CheckBar;
class FindBar;
class NoticeBar;
class ListedTickets;
class LogListModel;
class QLineEdit;
class QPushButton;
class QUndoStack;
class ReportList;
class PhotoQueries;
class TicketQueries;

// The "MANAGER" page: the ticket log ListView1, the entry fields Text8 to
// Text10, and ADD, DELETE and CLEAR. ADD and DELETE are steps of the page's
// undo history, which the window's undo keys act on, and so is an import of
// tickets from a CSV file. Find, check a draw, sort and export work on what
// the list shows (TicketQueries).
class ManagerPage : public QWidget
{
    Q_OBJECT

public:
    explicit ManagerPage(const LogLocation &log, QWidget *parent = nullptr);

    // The window's load step: fills the list from the saved log.
    void loadLog();
    QUndoStack *undoStack() const { return m_undoStack; }
    TicketQueries &queries() const { return *m_queries; }
    PhotoQueries &photos() const { return *m_photos; }
    // Adds the tickets of a CSV file at the end of the log, as one undo step;
    // the file is read on a thread of its own, and importFinished says when
    // the import is done, or came to nothing.
    void importTickets(const QString &path);
    // The reading of a file the user picked, an import's or a season's.
    BackgroundWork &reading() const { return *m_reading; }

signals:
    void importFinished();

private:
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void askImport();
    void addImported(TicketsRead read);
    void addFromPhoto(std::vector<LogEntry> tickets);
    void selectLogRow(int row);
    void reportSave(const SaveOutcome &outcome);

    SavedLog m_savedLog;
    BackgroundWork *m_reading;
    QUndoStack *m_undoStack;
    LogListModel *m_logRows;
    ListedTickets *m_listed;

    ReportList *ListView1;
    QLineEdit *Text8;
    QLineEdit *Text9;
    QLineEdit *Text10;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    FindBar *m_findBar;
    CheckBar *m_checkBar;
    NoticeBar *m_noticeBar;
    TicketQueries *m_queries;
    PhotoQueries *m_photos;
};
