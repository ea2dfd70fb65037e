#pragma once

#include "poolbook.h"
#include "poolledger.h"

#include <QObject>
#include <QPointer>
#include <QUndoStack>

#include <memory>

class QUndoCommand;

// The pools kept in pools.csv beside the log in use, and what adds to them:
// each addition checked first, and one undo step, as any in the window.
class PoolMarks : public QObject
{
    Q_OBJECT

public:
    explicit PoolMarks(QObject *parent = nullptr);

    // Reads the pools beside the log; what to tell the user where lines or
    // the file could not be read.
    QString open(const QString &logPath);
    void setUndoStack(QUndoStack *undo) { m_undo = undo; }
    QUndoStack *undoStack() const { return m_undo; }
    const PoolBook &book() const { return m_book; }
    const PoolLedger &ledger() const { return *m_ledger; }

    // Adds the lines as one step named text; the first line's problem, with
    // nothing added, where one cannot be taken.
    QString add(std::vector<PoolEntry> entries, const QString &text);
    // The same as a part of a larger step, unchecked: a claim's shares.
    void addWith(QUndoCommand *parent, std::vector<PoolEntry> entries);

signals:
    // Lines were added; problem says where pools.csv could not be written.
    void changed(const QString &problem);
    // What the user is told of an addition that changed more than it added.
    void noticed(const QString &notice);

private:
    void report(const QString &problem);

    QPointer<QUndoStack> m_undo;
    PoolBook m_book;
    std::unique_ptr<PoolLedger> m_ledger;
};
