#include "checkbar.h"

#include <QLineEdit>

CheckBar::CheckBar(QWidget *parent) : QueryBar(parent)
{
    m_game = addField(QStringLiteral("CheckGame"), QStringLiteral("Game"), 3);
    m_numbers = addField(QStringLiteral("CheckNumbers"), QStringLiteral("Winning numbers"), 5);
    m_date = addField(QStringLiteral("CheckDate"), QStringLiteral("Date (any)"), 3);
    for (QLineEdit *field : {m_game, m_numbers, m_date})
        connect(field, &QLineEdit::textChanged, this, &CheckBar::changed);
    finishRow();
}

void CheckBar::open()
{
    show();
    m_game->setFocus();
    m_game->selectAll();
}

DrawCheck CheckBar::draw() const
{
    return DrawCheck(m_game->text(), m_numbers->text(), m_date->text());
}
