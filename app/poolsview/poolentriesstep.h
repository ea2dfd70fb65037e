#pragma once

#include "poolentry.h"

#include <QUndoCommand>

#include <functional>
#include <vector>

class PoolBook;

// Lines added to pools.csv as one undo step. The file only grows, so undo
// adds a line taking back each line the step added, and redo takes back
// those: the pool is as it was, and the file says what happened when.
class PoolEntriesStep : public QUndoCommand
{
public:
    PoolEntriesStep(PoolBook &book, std::vector<PoolEntry> entries, const QString &text,
                    std::function<void(const QString &problem)> report,
                    QUndoCommand *parent = nullptr);

    void redo() override;
    void undo() override;

private:
    void takeBack();

    PoolBook &m_book;
    std::vector<PoolEntry> m_entries;
    std::vector<int> m_last; // the numbers of the lines the last redo or undo added
    bool m_done = false;     // the entries were added once
    std::function<void(const QString &)> m_report;
};
