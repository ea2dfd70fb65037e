#include "markclaimedstep.h"

#include "claimbook.h"

MarkClaimedStep::MarkClaimedStep(ClaimBook &book, ClaimRecord record,
                                 std::function<void(const QString &)> report, QUndoCommand *parent)
    : QUndoCommand(QStringLiteral("Mark Claimed"), parent), m_book(book),
      m_record(std::move(record)), m_report(std::move(report))
{
    if (const ClaimRecord *before = m_book.find(m_record))
        m_before = *before;
}

void MarkClaimedStep::redo()
{
    QString problem;
    m_book.add(m_record, &problem);
    m_report(problem);
}

void MarkClaimedStep::undo()
{
    QString problem;
    if (m_before)
        m_book.add(*m_before, &problem);
    else
        m_book.remove(m_record, &problem);
    m_report(problem);
}
