#pragma once

#include "drawcheck.h"
#include "querybar.h"

class ElidedLabel;

// The draw to check, over the ticket list: the game, the winning numbers as
// players write them, and a date if the player wants one; or, with "Results
// file...", the game's draws in a file. Until the game and the numbers are
// there, the bar says which is missing.
class CheckBar : public QueryBar
{
    Q_OBJECT

public:
    explicit CheckBar(QWidget *parent);

    DrawCheck draw() const;
    QString game() const;
    void showChecked(const DrawCheck &draw, int listed);
    // why, where the file gave no draw.
    void showHistory(int draws, int skippedLines, int listed, const QString &why = {});
    // What the listed tickets came to, and their money; nothing hides both.
    void showSummary(const QString &results, const QString &money);

signals:
    void changed();
    void resultsFileAsked();

private:
    QLineEdit *m_game;
    QLineEdit *m_numbers;
    QLineEdit *m_date;
    ElidedLabel *m_money;
    ElidedLabel *m_results;
};
