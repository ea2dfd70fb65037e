#include "checkbar.h"

#include "elidedlabel.h"

#include <QLineEdit>
#include <QToolButton>

CheckBar::CheckBar(QWidget *parent) : QueryBar(parent)
{
    m_game = addField(QStringLiteral("CheckGame"), QStringLiteral("Game"), 3);
    m_numbers = addField(QStringLiteral("CheckNumbers"), QStringLiteral("Winning numbers"), 5);
    m_date = addField(QStringLiteral("CheckDate"), QStringLiteral("Date (any)"), 3);
    for (QLineEdit *field : {m_game, m_numbers, m_date})
        connect(field, &QLineEdit::textChanged, this, &CheckBar::changed);
    finishRow(QStringLiteral("CheckStatus"), QStringLiteral("No game or numbers"));
    startRow();
    QToolButton *results =
        addButton(QStringLiteral("CheckResultsFile"), QStringLiteral("Results file..."));
    results->setToolTip(
        QStringLiteral("Check every ticket of the game against a file of past draws"));
    connect(results, &QToolButton::clicked, this, &CheckBar::resultsFileAsked);
    m_money = addLine(QStringLiteral("CheckMoney"));
    startRow();
    m_results = addLine(QStringLiteral("CheckSummary"));
}

// Each line cut to the bar's width; screen readers hear it whole.
void CheckBar::showSummary(const QString &results, const QString &money)
{
    for (const auto &[line, text] : {std::pair{m_results, results}, std::pair{m_money, money}}) {
        line->setFullText(text);
        line->setVisible(!text.isEmpty());
    }
}

QString CheckBar::game() const
{
    return m_game->text();
}

DrawCheck CheckBar::draw() const
{
    return DrawCheck(m_game->text(), m_numbers->text(), m_date->text());
}

// Short, as the fields keep their room; screen readers hear it whole.
void CheckBar::showChecked(const DrawCheck &draw, int listed)
{
    if (draw.isComplete()) {
        const QString tickets =
            listed == 1 ? QStringLiteral("1 ticket") : QStringLiteral("%1 tickets").arg(listed);
        showStatus(tickets, QStringLiteral("%1 of this draw").arg(tickets));
    } else if (!draw.hasGame()) {
        showStatus(draw.hasNumbers() ? QStringLiteral("No game yet")
                                     : QStringLiteral("No game or numbers"),
                   draw.hasNumbers()
                       ? QStringLiteral("Type the game to check the draw")
                       : QStringLiteral("Type the game and the winning numbers to check a draw"));
    } else {
        showStatus(QStringLiteral("No numbers yet"),
                   QStringLiteral("Type the winning numbers to check the draw"));
    }
}

void CheckBar::showHistory(int draws, int skippedLines, int listed, const QString &why)
{
    if (!why.isEmpty()) {
        // Short enough for the fields to keep their room: no draw says itself.
        const QString shown = why.left(1).toUpper() + why.mid(1);
        showStatus(
            shown,
            QStringLiteral("No draws read: %1; %2 lines skipped").arg(why).arg(skippedLines));
        return;
    }
    const auto count = [](int count, const char *one, const char *many) {
        return count == 1 ? QStringLiteral("1 %1").arg(QLatin1StringView(one))
                          : QStringLiteral("%1 %2").arg(count).arg(QLatin1StringView(many));
    };
    showStatus(
        QStringLiteral("%1, %2 skipped").arg(count(draws, "draw", "draws")).arg(skippedLines),
        QStringLiteral("%1 read, %2 skipped, %3 checked")
            .arg(count(draws, "draw", "draws"), count(skippedLines, "line", "lines"),
                 count(listed, "ticket", "tickets")));
}
