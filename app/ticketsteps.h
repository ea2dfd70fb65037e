#pragma once

#include "logentry.h"
#include "loglist.h"
#include "loglistmodel.h"
#include "savedlog.h"
#include "ticketcsv.h"

#include <QUndoCommand>

#include <functional>
#include <vector>

// ADD and DELETE as steps of the window's undo history, held for the running
// session. Done, undone or redone, a step changes the list, saves it whole and
// hands the outcome on to be reported, as ADD and DELETE always have.
using ReportSave = std::function<void(const SaveOutcome &)>;

class AddTicketStep : public QUndoCommand
{
public:
    AddTicketStep(LogList &list, SavedLog &log, LogEntry ticket, ReportSave report);

    void redo() override;
    void undo() override;

private:
    LogList &m_list;
    SavedLog &m_log;
    LogEntry m_ticket;
    ReportSave m_report;
    int m_row = -1;
    std::vector<CellSpan> m_cells;
};

// Undone, the ticket goes back to its place and is selected.
class DeleteTicketStep : public QUndoCommand
{
public:
    DeleteTicketStep(LogList &list, SavedLog &log, int row, ReportSave report,
                     std::function<void(int row)> select);

    void redo() override;
    void undo() override;

private:
    LogList &m_list;
    SavedLog &m_log;
    int m_row;
    ReportSave m_report;
    std::function<void(int row)> m_select;
    std::vector<CellSpan> m_cells;
};

// An import: the tickets go in at the end of the log in one save, and one
// undo takes them all back. The read text is let go once the list holds it;
// a redo puts back the cells the undo took, storing no text again.
class ImportTicketsStep : public QUndoCommand
{
public:
    ImportTicketsStep(LogListModel &list, SavedLog &log, TicketsRead tickets, ReportSave report);

    void redo() override;
    void undo() override;

private:
    LogListModel &m_list;
    SavedLog &m_log;
    TicketsRead m_tickets;
    ReportSave m_report;
    int m_first = -1;
    std::vector<CellSpan> m_cells; // of every ticket, while undone
};
