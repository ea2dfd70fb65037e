#include "poolentriesstep.h"

#include "poolbook.h"

PoolEntriesStep::PoolEntriesStep(PoolBook &book, std::vector<PoolEntry> entries,
                                 const QString &text, std::function<void(const QString &)> report,
                                 QUndoCommand *parent)
    : QUndoCommand(text, parent), m_book(book), m_entries(std::move(entries)),
      m_report(std::move(report))
{
}

void PoolEntriesStep::redo()
{
    if (m_done) {
        takeBack();
        return;
    }
    QString problem;
    if (const std::optional<std::vector<int>> numbers = m_book.add(m_entries, &problem)) {
        m_last = *numbers;
        m_done = true;
    }
    m_report(problem);
}

void PoolEntriesStep::undo()
{
    takeBack();
}

void PoolEntriesStep::takeBack()
{
    std::vector<PoolEntry> back;
    for (const int number : m_last) {
        PoolEntry entry;
        entry.kind = PoolEntry::Kind::TakenBack;
        entry.takesBack = number;
        for (const PoolEntry &each : m_book.entries()) {
            if (each.number == number)
                entry.pool = each.pool;
        }
        back.push_back(entry);
    }
    QString problem;
    if (const std::optional<std::vector<int>> numbers = m_book.add(back, &problem))
        m_last = *numbers;
    m_report(problem);
}
