#include "ticketsteps.h"

#include "logcommands.h"

#include <optional>
#include <utility>

AddTicketStep::AddTicketStep(LogList &list, SavedLog &log, LogEntry ticket, ReportSave report)
    : m_list(list), m_log(log), m_ticket(std::move(ticket)), m_report(std::move(report))
{
}

void AddTicketStep::redo()
{
    if (m_row < 0) {
        const SaveOutcome outcome = AddTicket(m_list, m_ticket, m_log);
        m_row = m_list.size() - 1;
        m_cells = m_list.rowCells(m_row);
        m_report(outcome);
        return;
    }
    m_list.insert(m_row, m_cells);
    m_report(m_log.save(m_list));
}

void AddTicketStep::undo()
{
    m_list.remove(m_row);
    m_report(m_log.save(m_list));
}

DeleteTicketStep::DeleteTicketStep(LogList &list, SavedLog &log, int row, ReportSave report,
                                   std::function<void(int row)> select)
    : m_list(list), m_log(log), m_row(row), m_report(std::move(report)), m_select(std::move(select))
{
}

void DeleteTicketStep::redo()
{
    m_cells = m_list.rowCells(m_row);
    m_report(DeleteTicket(m_list, m_row, m_log));
}

void DeleteTicketStep::undo()
{
    m_list.insert(m_row, m_cells);
    m_select(m_row);
    m_report(m_log.save(m_list));
}

ImportTicketsStep::ImportTicketsStep(LogListModel &list, SavedLog &log, TicketsRead tickets,
                                     ReportSave report)
    : m_list(list), m_log(log), m_tickets(std::move(tickets)), m_report(std::move(report))
{
}

// Many rows at once are one change of the list, not one each.
void ImportTicketsStep::redo()
{
    m_first = m_list.size();
    std::optional<SaveOutcome> outcome;
    {
        LogListModel::Batch batch(m_list);
        if (m_cells.empty()) {
            outcome = AddTickets(
                m_list, m_tickets.count(),
                [this](int ticket, int column) { return m_tickets.cell(ticket, column); }, m_log);
            m_tickets = {};
        } else {
            std::vector<CellSpan> row(3);
            for (std::size_t at = 0; at < m_cells.size(); at += 3) {
                std::copy_n(m_cells.begin() + std::ptrdiff_t(at), 3, row.begin());
                m_list.insert(m_list.size(), row);
            }
            m_cells = {};
            outcome = m_log.save(m_list);
        }
    }
    m_report(*outcome);
}

void ImportTicketsStep::undo()
{
    {
        LogListModel::Batch batch(m_list);
        for (int row = m_first; row < m_list.size(); ++row) {
            const std::vector<CellSpan> cells = m_list.rowCells(row);
            m_cells.insert(m_cells.end(), cells.begin(), cells.end());
        }
        for (int row = m_list.size() - 1; row >= m_first; --row)
            m_list.remove(row);
    }
    m_report(m_log.save(m_list));
}
