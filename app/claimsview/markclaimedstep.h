#pragma once

#include "claimrecord.h"

#include <QUndoCommand>

#include <functional>
#include <optional>

class ClaimBook;

// A claim marked, as one undo step: undo takes the mark back, or puts back
// the mark it replaced. Each writes claims.csv whole; report says where it
// could not be written.
class MarkClaimedStep : public QUndoCommand
{
public:
    MarkClaimedStep(ClaimBook &book, ClaimRecord record,
                    std::function<void(const QString &problem)> report,
                    QUndoCommand *parent = nullptr);

    void redo() override;
    void undo() override;

private:
    ClaimBook &m_book;
    ClaimRecord m_record;
    std::optional<ClaimRecord> m_before;
    std::function<void(const QString &)> m_report;
};
