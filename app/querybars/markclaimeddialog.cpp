#include "markclaimeddialog.h"

#include "civildate.h"

#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QDate dateOf(int day)
{
    return QDate(day / 10000, day / 100 % 100, day % 100);
}

} // namespace

MarkClaimedDialog::MarkClaimedDialog(const ClaimRecord &suggested, const QString &what,
                                     QWidget *parent)
    : QDialog(parent), m_record(suggested)
{
    setObjectName(QStringLiteral("MarkClaimed"));
    setWindowTitle(QStringLiteral("Mark Claimed"));
    auto *layout = new QFormLayout(this);
    auto *heading = new QLabel(what, this);
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);
    layout->addRow(heading);
    m_day = new QDateEdit(dateOf(suggested.claimed), this);
    m_day->setObjectName(QStringLiteral("ClaimedDay"));
    m_day->setCalendarPopup(true);
    m_day->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    const auto amount = [this](const char *name, std::int64_t cents) {
        auto *field = new QLineEdit(CentsText(cents), this);
        field->setObjectName(QLatin1StringView(name));
        return field;
    };
    m_paid = amount("ClaimedPaid", suggested.paid);
    m_federal = amount("ClaimedFederal", suggested.federal);
    m_state = amount("ClaimedState", suggested.stateWithheld);
    layout->addRow(QStringLiteral("&Day claimed:"), m_day);
    layout->addRow(QStringLiteral("&Prize paid:"), m_paid);
    layout->addRow(QStringLiteral("&Federal tax withheld:"), m_federal);
    layout->addRow(QStringLiteral("S&tate tax withheld:"), m_state);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("ClaimProblem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    layout->addRow(m_problem);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

QString MarkClaimedDialog::problem()
{
    const QDate day = m_day->date();
    const int claimed = day.year() * 10000 + day.month() * 100 + day.day();
    if (claimed < m_record.drawDate)
        return QStringLiteral("The day claimed is before the draw of %1.")
            .arg(QString::fromStdString(CivilDate::text(m_record.drawDate)));
    const std::optional<std::int64_t> paid = CentsOf(m_paid->text());
    const std::optional<std::int64_t> federal = CentsOf(m_federal->text());
    const std::optional<std::int64_t> state = CentsOf(m_state->text());
    if (!paid || !federal || !state)
        return QStringLiteral("An amount is not a sum of dollars, such as $1,200.24.");
    if (*paid < 0 || *federal < 0 || *state < 0)
        return QStringLiteral("An amount is below zero.");
    if (*federal + *state > *paid)
        return QStringLiteral("More tax is withheld than the prize paid.");
    m_record.claimed = claimed;
    m_record.paid = *paid;
    m_record.federal = *federal;
    m_record.stateWithheld = *state;
    return {};
}

void MarkClaimedDialog::accept()
{
    const QString why = problem();
    m_problem->setText(why);
    if (why.isEmpty())
        QDialog::accept();
}
