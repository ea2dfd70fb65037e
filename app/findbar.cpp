#include "findbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

FindBar::FindBar(QWidget *parent) : QueryBar(parent)
{
    m_field = addField(QStringLiteral("FindText"), QStringLiteral("Find a ticket"));
    connect(m_field, &QLineEdit::textChanged, this, &FindBar::textChanged);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("FindCount"));
    row()->addWidget(m_count);
    finishRow();
}

void FindBar::open()
{
    show();
    m_field->setFocus();
    m_field->selectAll();
}

void FindBar::showCount(int listed, int all)
{
    m_count->setText(QStringLiteral("%1 of %2").arg(listed).arg(all));
    m_count->setAccessibleName(QStringLiteral("%1 of %2 tickets match").arg(listed).arg(all));
}
