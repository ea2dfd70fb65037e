#include "markclaimeddialog.h"

#include "amounttext.h"
#include "civildate.h"
#include "claimwithholding.h"

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

QLabel *wrappedLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

MarkClaimedDialog::MarkClaimedDialog(const ClaimRecord &suggested, const QString &what,
                                     QWidget *parent)
    : QDialog(parent), m_record(suggested)
{
    setObjectName(QStringLiteral("MarkClaimed"));
    setWindowTitle(QStringLiteral("Mark Claimed"));
    auto *layout = new QFormLayout(this);
    layout->addRow(wrappedLabel(what, "ClaimWhat", this));
    const bool unknown = suggested.prize == 0 && suggested.paid == 0;
    if (unknown)
        layout->addRow(wrappedLabel(QStringLiteral("Ticketwise does not know this prize in "
                                                   "dollars: type what was paid."),
                                    "ClaimUnknownPrize", this));
    m_day = new QDateEdit(dateOf(suggested.claimed), this);
    m_day->setObjectName(QStringLiteral("ClaimedDay"));
    m_day->setCalendarPopup(true);
    m_day->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    const auto amount = [this](const char *name, std::int64_t cents, bool empty) {
        auto *field = new QLineEdit(empty ? QString() : CentsText(cents), this);
        field->setObjectName(QLatin1StringView(name));
        return field;
    };
    m_paid = amount("ClaimedPaid", suggested.paid, unknown);
    m_wager = amount("ClaimedWager", suggested.wager, false);
    m_federal = amount("ClaimedFederal", suggested.federal, false);
    m_state = amount("ClaimedState", suggested.stateWithheld, false);
    layout->addRow(QStringLiteral("&Day claimed:"), m_day);
    layout->addRow(QStringLiteral("&Prize paid:"), m_paid);
    layout->addRow(QStringLiteral("&Wager:"), m_wager);
    layout->addRow(QStringLiteral("&Federal tax withheld:"), m_federal);
    layout->addRow(QStringLiteral("S&tate tax withheld:"), m_state);
    m_note = wrappedLabel(WithholdingNote(suggested), "ClaimTaxNote", this);
    layout->addRow(m_note);
    m_problem = wrappedLabel(QString(), "ClaimProblem", this);
    layout->addRow(m_problem);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
    connect(m_day, &QDateEdit::dateChanged, this, &MarkClaimedDialog::followRules);
    for (QLineEdit *field : {m_paid, m_wager})
        connect(field, &QLineEdit::textEdited, this, &MarkClaimedDialog::followRules);
    for (QLineEdit *field : {m_federal, m_state})
        connect(field, &QLineEdit::textEdited, this, [this] { m_withheldTyped = true; });
}

int MarkClaimedDialog::claimedDay() const
{
    const QDate day = m_day->date();
    return day.year() * 10000 + day.month() * 100 + day.day();
}

void MarkClaimedDialog::followRules()
{
    ClaimRecord claim = m_record;
    claim.claimed = claimedDay();
    m_note->setText(WithholdingNote(claim));
    const std::optional<std::int64_t> paid = AmountReading::of(m_paid->text()).cents;
    const std::optional<std::int64_t> wager = AmountReading::of(m_wager->text()).cents;
    if (m_withheldTyped || !paid || !wager)
        return;
    claim.paid = *paid;
    claim.wager = *wager;
    FillWithholding(claim);
    m_federal->setText(CentsText(claim.federal));
    m_state->setText(CentsText(claim.stateWithheld));
}

QString MarkClaimedDialog::problem()
{
    const int claimed = claimedDay();
    if (claimed < m_record.drawDate)
        return QStringLiteral("The day claimed is before the draw of %1.")
            .arg(QString::fromStdString(CivilDate::text(m_record.drawDate)));
    if (m_paid->text().trimmed().isEmpty())
        return QStringLiteral("Type the prize paid.");
    std::int64_t cents[4] = {};
    const QLineEdit *fields[] = {m_paid, m_wager, m_federal, m_state};
    for (int at = 0; at < 4; ++at) {
        const AmountReading reading = AmountReading::of(fields[at]->text());
        if (!reading.cents)
            return AmountProblem(fields[at]->text(), reading);
        cents[at] = *reading.cents;
    }
    if (std::any_of(std::begin(cents), std::end(cents), [](std::int64_t c) { return c < 0; }))
        return QStringLiteral("An amount is below zero.");
    if (cents[2] > cents[0] - cents[3])
        return QStringLiteral("More tax is withheld than the prize paid.");
    m_record.claimed = claimed;
    m_record.paid = cents[0];
    m_record.wager = cents[1];
    m_record.federal = cents[2];
    m_record.stateWithheld = cents[3];
    return {};
}

void MarkClaimedDialog::accept()
{
    const QString why = problem();
    m_problem->setText(why);
    if (why.isEmpty())
        QDialog::accept();
}
