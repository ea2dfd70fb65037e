#pragma once

#include "claimbook.h"
#include "seasonwinnings.h"

#include <QObject>
#include <QPointer>
#include <QUndoStack>

#include <functional>

class QWidget;

// The prizes the player marked claimed, in claims.csv beside the log in
// use: what marks a winning draw claimed, undone as any other step.
class ClaimMarks : public QObject
{
    Q_OBJECT

public:
    ClaimMarks(QWidget *window, QObject *parent = nullptr);

    // Reads the claims beside the log; what to tell the user where the file
    // could not be read, and was kept aside.
    QString open(const QString &logPath);
    void setUndoStack(QUndoStack *undo) { m_undo = undo; }
    QUndoStack *undoStack() const { return m_undo; }
    const ClaimBook &book() const { return m_book; }

    int claimedOn(const LogList &log, int row, int drawDate) const;
    // Asks how the draw was claimed, and marks it so: on the winning
    // ticket wherever its row is now; refused, with the reason, where the
    // log no longer holds it.
    void ask(const Winning &winning, const LogList &log);
    // What else marking a claim does, as a part of the same undo step: a
    // pool's prize keeps its split.
    using AlsoOnClaim = std::function<void(const ClaimRecord &claim, QUndoCommand *step)>;
    void setAlsoOnClaim(AlsoOnClaim also) { m_alsoOnClaim = std::move(also); }

signals:
    // A mark was made or taken back; problem says where claims.csv could
    // not be written.
    void changed(const QString &problem);
    // The ticket asked of is no longer in the log.
    void refused(const QString &why);

private:
    QWidget *m_window;
    QPointer<QUndoStack> m_undo;
    ClaimBook m_book;
    AlsoOnClaim m_alsoOnClaim;
};
