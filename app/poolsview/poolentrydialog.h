#pragma once

#include "poolentry.h"

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

// What a new pool, member or payment is, as the manager types it; a
// payment of one member, of every member, or of those ticked, with one
// amount and one run of draws: a line each. It closes only on what can be
// taken: an amount that is one, draws a ticket could play, and whatever
// check says of each line; else it says why and keeps what was typed.
class PoolEntryDialog : public QDialog
{
    Q_OBJECT

public:
    using Check = std::function<QString(const PoolEntry &entry)>;

    // members: those a payment may name; today: yyyymmdd.
    PoolEntryDialog(PoolEntry::Kind kind, const QString &pool, const QStringList &members,
                    int today, Check check, QWidget *parent = nullptr);

    const PoolEntry &entry() const { return m_entries.front(); }
    const std::vector<PoolEntry> &entries() const { return m_entries; }

    void accept() override;

private:
    QLineEdit *field(const QString &label, const char *name, const QString &text = {});
    QStringList payers() const;

    PoolEntry m_entry;
    std::vector<PoolEntry> m_entries;
    QListWidget *m_ticked = nullptr;
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
