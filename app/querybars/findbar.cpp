#include "findbar.h"

#include <QLineEdit>

FindBar::FindBar(QWidget *parent) : QueryBar(parent)
{
    m_field = addField(QStringLiteral("FindText"), QStringLiteral("Find a ticket"));
    connect(m_field, &QLineEdit::textChanged, this, &FindBar::textChanged);
    finishRow(QStringLiteral("FindCount"), QStringLiteral("100000 of 100000"));
}

QString FindBar::text() const
{
    return m_field->text();
}

void FindBar::showCount(int listed, int all)
{
    showStatus(QStringLiteral("%1 of %2").arg(listed).arg(all),
               QStringLiteral("%1 of %2 tickets match").arg(listed).arg(all));
}
