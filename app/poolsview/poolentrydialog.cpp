#include "poolentrydialog.h"

#include "amounttext.h"
#include "civildate.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

PoolEntryDialog::PoolEntryDialog(PoolEntry::Kind kind, const QString &pool,
                                 const QStringList &members, int today, Check check,
                                 QWidget *parent)
    : QDialog(parent), m_check(std::move(check))
{
    m_entry.kind = kind;
    m_entry.pool = pool;
    setObjectName(QStringLiteral("PoolEntry"));
    m_form = new QFormLayout(this);
    const QString day = QString::fromStdString(CivilDate::text(today));
    switch (kind) {
    case PoolEntry::Kind::Pool:
        setWindowTitle(QStringLiteral("New Pool"));
        m_name = field(QStringLiteral("&Name:"), "PoolName");
        m_second = field(QStringLiteral("&Manager:"), "PoolManager");
        m_second->setToolTip(QStringLiteral("Who buys the tickets, holds them and claims"));
        m_draws = field(QStringLiteral("&Began:"), "PoolBegan", day);
        m_split = new QComboBox(this);
        m_split->setObjectName(QStringLiteral("PoolSplit"));
        m_split->addItems({QStringLiteral("Equally among the members in for the draw"),
                           QStringLiteral("By what each paid for the draw")});
        m_form->addRow(QStringLiteral("&Split a prize:"), m_split);
        m_small = new QComboBox(this);
        m_small->setObjectName(QStringLiteral("PoolSmallPrizes"));
        m_small->addItems({QStringLiteral("Split, as every prize"),
                           QStringLiteral("Kept toward the next draws, up to:")});
        m_form->addRow(QStringLiteral("Small &prizes:"), m_small);
        m_amount = field(QStringLiteral("&Up to:"), "PoolKeptUpTo", QStringLiteral("$10"));
        break;
    case PoolEntry::Kind::Member:
        setWindowTitle(QStringLiteral("Add Member to %1").arg(pool));
        m_name = field(QStringLiteral("&Name:"), "MemberName");
        m_second = field(QStringLiteral("&Contact (optional):"), "MemberContact");
        m_second->setToolTip(QStringLiteral("A phone number, an e-mail or an address"));
        break;
    default:
        setWindowTitle(QStringLiteral("Record Payment to %1").arg(pool));
        m_member = new QComboBox(this);
        m_member->setObjectName(QStringLiteral("PaymentMember"));
        m_member->setAccessibleName(QStringLiteral("Member"));
        m_member->addItems(members);
        m_member->addItem(QStringLiteral("Every member"));
        m_member->addItem(QStringLiteral("The members ticked below"));
        m_form->addRow(QStringLiteral("&Member:"), m_member);
        // A week's payments in one step: a line each.
        m_ticked = new QListWidget(this);
        m_ticked->setObjectName(QStringLiteral("PaymentMembers"));
        m_ticked->setAccessibleName(QStringLiteral("Members who pay"));
        for (const QString &member : members) {
            auto *item = new QListWidgetItem(member, m_ticked);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        m_ticked->setMaximumHeight(fontMetrics().height() * 6);
        m_form->addRow(QStringLiteral("&Ticked:"), m_ticked);
        connect(m_ticked, &QListWidget::itemChanged, this,
                [this] { m_member->setCurrentIndex(m_member->count() - 1); });
        m_amount = field(QStringLiteral("&Amount:"), "PaymentAmount");
        m_draws = field(QStringLiteral("&Draws:"), "PaymentDraws", day);
        m_draws->setToolTip(QStringLiteral("As a ticket's DATE: a day (%1), a run (12/02/2026 - "
                                           "12/30/2026) or a count of draws (12/02/2026 x10)")
                                .arg(day));
        break;
    }
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("PoolEntryProblem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    m_form->addRow(m_problem);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_form->addRow(buttons);
    setMinimumWidth(420);
}

QLineEdit *PoolEntryDialog::field(const QString &label, const char *name, const QString &text)
{
    auto *edit = new QLineEdit(text, this);
    edit->setObjectName(QLatin1StringView(name));
    m_form->addRow(label, edit);
    return edit;
}

QStringList PoolEntryDialog::payers() const
{
    const int chosen = m_member->currentIndex();
    const int members = m_ticked->count();
    QStringList names;
    for (int at = 0; at < members; ++at) {
        const QListWidgetItem *item = m_ticked->item(at);
        if (chosen == members || (chosen == members + 1 && item->checkState() == Qt::Checked) ||
            chosen == at)
            names << item->text();
    }
    return names;
}

void PoolEntryDialog::accept()
{
    PoolEntry entry = m_entry;
    if (m_name)
        entry.member = m_name->text().trimmed();
    if (m_entry.kind == PoolEntry::Kind::Pool) {
        entry.pool = entry.member;
        entry.member = m_second->text().trimmed();
        entry.split =
            m_split->currentIndex() == 0 ? PoolEntry::Split::Equal : PoolEntry::Split::ByAmountPaid;
        entry.keepsSmallPrizes = m_small->currentIndex() == 1;
    } else if (m_second) {
        entry.contact = m_second->text().trimmed();
    }
    QStringList payers;
    if (m_member) {
        payers = this->payers();
        if (payers.isEmpty()) {
            m_problem->setText(QStringLiteral("Tick the members who pay."));
            m_ticked->setFocus();
            return;
        }
        entry.member = payers.front();
    }
    if (m_draws)
        entry.draws = m_draws->text().trimmed();
    if (m_amount && (entry.kind == PoolEntry::Kind::Payment || entry.keepsSmallPrizes)) {
        const AmountReading reading = AmountReading::of(m_amount->text());
        if (!reading.cents || reading.twoWays) {
            m_problem->setText(AmountProblem(m_amount->text(), reading));
            m_amount->setFocus();
            return;
        }
        entry.amount = *reading.cents;
    }
    std::vector<PoolEntry> entries;
    for (const QString &payer : payers.isEmpty() ? QStringList{entry.member} : payers) {
        entries.push_back(entry);
        entries.back().member = payer;
        if (const QString problem = m_check(entries.back()); !problem.isEmpty()) {
            m_problem->setText(problem);
            return;
        }
    }
    m_entries = std::move(entries);
    QDialog::accept();
}
