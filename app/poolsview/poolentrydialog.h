#pragma once

#include "poolentry.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

// What a new pool, member or payment is, as the manager types it. It
// closes only on what can be taken: an amount that is one, draws a ticket
// could play, and whatever check says of the line; else it says why and
// keeps what was typed.
class PoolEntryDialog : public QDialog
{
    Q_OBJECT

public:
    using Check = std::function<QString(const PoolEntry &entry)>;

    // members: those a payment may name; today: yyyymmdd.
    PoolEntryDialog(PoolEntry::Kind kind, const QString &pool, const QStringList &members,
                    int today, Check check, QWidget *parent = nullptr);

    const PoolEntry &entry() const { return m_entry; }

    void accept() override;

private:
    QLineEdit *field(const QString &label, const char *name, const QString &text = {});

    PoolEntry m_entry;
    Check m_check;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_second = nullptr; // a member's contact, a pool's manager
    QComboBox *m_member = nullptr;
    QLineEdit *m_amount = nullptr;
    QLineEdit *m_draws = nullptr; // a payment's; a pool's day it began
    QComboBox *m_split = nullptr;
    QComboBox *m_small = nullptr;
    QLabel *m_problem;
    class QFormLayout *m_form;
};
