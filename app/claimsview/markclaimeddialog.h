#pragma once

#include "claimrecord.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;

// Asks how a winning draw was claimed: the day (today first), the prize
// paid, the wager and the federal and state tax withheld, each filled in
// from the rules where they are known and editable. A prize the program
// knows no amount of is asked for; the tax withheld follows the day and the
// amounts until it is typed. Amounts are read as the dialog writes them, as
// a ticket prints them, or in the locale's form where it cannot be
// mistaken. A day before the draw, an amount below zero or read two ways,
// or more withheld than the prize is refused in plain words.
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
    int claimedDay() const;
    // The tax withheld as the rules give it, where the player typed none.
    void followRules();

    ClaimRecord m_record;
    QDateEdit *m_day;
    QLineEdit *m_paid;
    QLineEdit *m_wager;
    QLineEdit *m_federal;
    QLineEdit *m_state;
    QLabel *m_note;
    QLabel *m_problem;
    bool m_withheldTyped = false;
};
