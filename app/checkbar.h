#pragma once

#include "drawcheck.h"
#include "querybar.h"

// The draw to check, over the ticket list: the game, the winning numbers as
// players write them, and a date if the player wants one.
class CheckBar : public QueryBar
{
    Q_OBJECT

public:
    explicit CheckBar(QWidget *parent);

    void open();
    DrawCheck draw() const;

signals:
    void changed();

private:
    QLineEdit *m_game;
    QLineEdit *m_numbers;
    QLineEdit *m_date;
};
