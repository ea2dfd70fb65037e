#include "checkbar.h"

#include <QLineEdit>

CheckBar::CheckBar(QWidget *parent) : QueryBar(parent)
{
    m_game = addField(QStringLiteral("CheckGame"), QStringLiteral("Game"), 3);
    m_numbers = addField(QStringLiteral("CheckNumbers"), QStringLiteral("Winning numbers"), 5);
    m_date = addField(QStringLiteral("CheckDate"), QStringLiteral("Date (any)"), 3);
    for (QLineEdit *field : {m_game, m_numbers, m_date})
        connect(field, &QLineEdit::textChanged, this, &CheckBar::changed);
    finishRow(QStringLiteral("CheckStatus"));
}

DrawCheck CheckBar::draw() const
{
    return DrawCheck(m_game->text(), m_numbers->text(), m_date->text());
}

void CheckBar::showChecked(const DrawCheck &draw, int listed)
{
    if (draw.isComplete()) {
        showStatus(QString::number(listed), QStringLiteral("%1 tickets of this draw").arg(listed));
    } else if (!draw.hasGame()) {
        showStatus(draw.hasNumbers() ? QStringLiteral("Type the game")
                                     : QStringLiteral("Type the game and numbers"));
    } else {
        showStatus(QStringLiteral("Type the numbers"));
    }
}
