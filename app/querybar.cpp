#include "querybar.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

QueryBar::QueryBar(QWidget *parent) : QWidget(parent), m_row(new QHBoxLayout(this))
{
    m_row->setContentsMargins(0, 0, 0, 0);
    m_row->setSpacing(4);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &QueryBar::closeRequested);
    hide();
}

QLineEdit *QueryBar::addField(const QString &name, const QString &prompt, int stretch)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(name);
    field->setPlaceholderText(prompt);
    field->setAccessibleName(prompt);
    m_row->addWidget(field, stretch);
    return field;
}

void QueryBar::finishRow()
{
    auto *close = new QToolButton(this);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setAutoRaise(true);
    close->setToolTip(QStringLiteral("Close (Esc)"));
    close->setAccessibleName(QStringLiteral("Close"));
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QToolButton::clicked, this, &QueryBar::closeRequested);
    m_row->addWidget(close);
}
