#pragma once

#include "drawcheck.h"
#include "querybar.h"

class ElidedLabel;
class QDateTime;
class QToolButton;

// The draw to check, over the ticket list: the game, the winning numbers as
// players write them, and a date if the player wants one; or, with "Get
// Results" or "Results file...", the game's draws in a file. Until the game and the numbers are
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
    // A season of draws fetched: whose file, from where and of when, and
    // what became of the fetch now where it differs ("not fetched now: ..."),
    // on a line of its own under the buttons.
    void showFetched(const QString &whose, const QDateTime &fetched, int draws, int skippedLines,
                     int listed, const QString &note);
    // What a fetch is doing, or why it gave nothing, on that line; with
    // offerFile, the file route is offered, where no file could be fetched.
    void showFetching(const QString &status, const QString &line, bool offerFile = false);
    // What the listed tickets came to, and their money; nothing hides both.
    void showSummary(const QString &results, const QString &money);

signals:
    void changed();
    void resultsFileAsked();
    void resultsFetchAsked();

private:
    QLineEdit *m_game;
    QLineEdit *m_numbers;
    QLineEdit *m_date;
    QToolButton *m_resultsFile;
    ElidedLabel *m_money;
    ElidedLabel *m_source;
    ElidedLabel *m_results;
};
