#pragma once

#include "claimrecord.h"
#include "seasonwinnings.h"

#include <QDialog>

#include <optional>

class QDateEdit;
class QLabel;
class QLineEdit;

// Asks how a winning draw was claimed: the day (today first), the prize
// paid and the federal and state tax withheld, each filled in from the
// rules and editable. A day before the draw, an amount below zero or more
// withheld than the prize is refused in plain words.
class MarkClaimedDialog : public QDialog
{
    Q_OBJECT

public:
    MarkClaimedDialog(const ClaimRecord &suggested, const QString &what, QWidget *parent);

    // The claim as typed, once accepted.
    const ClaimRecord &record() const { return m_record; }
    // Why what is typed cannot be taken; empty where it can.
    QString problem();

    void accept() override;

private:
    ClaimRecord m_record;
    QDateEdit *m_day;
    QLineEdit *m_paid;
    QLineEdit *m_federal;
    QLineEdit *m_state;
    QLabel *m_problem;
};
