#include "querybar.h"

#include "elidedlabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

QueryBar::QueryBar(QWidget *parent) : QWidget(parent), m_rows(new QVBoxLayout(this))
{
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(rowGap);
    startRow();
    hide();
}

void QueryBar::startRow()
{
    auto *row = new QWidget(this);
    row->setFixedHeight(rowHeight);
    m_row = new QHBoxLayout(row);
    m_row->setContentsMargins(0, 0, 0, 0);
    m_row->setSpacing(4);
    m_rows->addWidget(row);
}

int QueryBar::barHeight() const
{
    const int rows = m_rows->count();
    return rows * rowHeight + (rows - 1) * rowGap;
}

void QueryBar::open()
{
    show();
    if (m_first) {
        m_first->setFocus();
        m_first->selectAll();
    }
}

void QueryBar::showStatus(const QString &text, const QString &spoken)
{
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
    m_status->setAccessibleName(spoken.isEmpty() ? text : spoken);
}

QLineEdit *QueryBar::addField(const QString &name, const QString &prompt, int stretch)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(name);
    field->setPlaceholderText(prompt);
    field->setAccessibleName(prompt);
    m_row->addWidget(field, stretch);
    if (!m_first)
        m_first = field;
    return field;
}

QToolButton *QueryBar::addButton(const QString &name, const QString &text)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    // Buttons side by side at the row's start, the room left after them.
    const int last = m_row->count() - 1;
    if (last >= 0 && m_row->itemAt(last)->spacerItem())
        delete m_row->takeAt(last);
    m_row->addWidget(button);
    m_row->addStretch();
    return button;
}

ElidedLabel *QueryBar::addLine(const QString &name)
{
    auto *line = new ElidedLabel(this);
    line->setObjectName(name);
    line->hide();
    m_row->addWidget(line, 1);
    return line;
}

void QueryBar::finishRow(const QString &statusName, const QString &widestStatus)
{
    m_status = new QLabel(this);
    m_status->setObjectName(statusName);
    // A file's words may look like markup: they are shown as they stand.
    m_status->setTextFormat(Qt::PlainText);
    // The fields keep their width whatever the status says, or whether it says
    // anything, so that they do not move under the user's typing.
    m_status->setMinimumWidth(m_status->fontMetrics().horizontalAdvance(widestStatus));
    QSizePolicy keepWidth = m_status->sizePolicy();
    keepWidth.setRetainSizeWhenHidden(true);
    m_status->setSizePolicy(keepWidth);
    // With no field, the status has the row.
    m_row->addWidget(m_status, m_first ? 0 : 1);

    auto *close = new QToolButton(this);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setAutoRaise(true);
    close->setToolTip(QStringLiteral("Close (Esc)"));
    close->setAccessibleName(QStringLiteral("Close"));
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QToolButton::clicked, this, &QueryBar::closeRequested);
    m_row->addWidget(close);
}
