#include "checkbar.h"

#include "elidedlabel.h"

#include <QDateTime>
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
    QToolButton *fetch = addButton(QStringLiteral("GetResults"), QStringLiteral("Get Results"));
    fetch->setToolTip(QStringLiteral("Fetch the official file of the game's past draws and check "
                                     "every ticket of the game against it"));
    connect(fetch, &QToolButton::clicked, this, &CheckBar::resultsFetchAsked);
    m_resultsFile =
        addButton(QStringLiteral("CheckResultsFile"), QStringLiteral("Results file..."));
    m_resultsFile->setToolTip(
        QStringLiteral("Check every ticket of the game against a file of past draws"));
    connect(m_resultsFile, &QToolButton::clicked, this, &CheckBar::resultsFileAsked);
    m_money = addLine(QStringLiteral("CheckMoney"));
    startRow();
    m_source = addLine(QStringLiteral("CheckSource"));
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
    m_source->hide();
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

namespace {

QString count(int count, const char *one, const char *many)
{
    return count == 1 ? QStringLiteral("1 %1").arg(QLatin1StringView(one))
                      : QStringLiteral("%1 %2").arg(count).arg(QLatin1StringView(many));
}

// "12 draws read, 1 line skipped, 3 tickets checked".
QString readText(int draws, int skippedLines, int listed)
{
    return QStringLiteral("%1 read, %2 skipped, %3 checked")
        .arg(count(draws, "draw", "draws"), count(skippedLines, "line", "lines"),
             count(listed, "ticket", "tickets"));
}

} // namespace

void CheckBar::showHistory(int draws, int skippedLines, int listed, const QString &why)
{
    m_source->hide();
    if (!why.isEmpty()) {
        // Short enough for the fields to keep their room: no draw says itself.
        const QString shown = why.left(1).toUpper() + why.mid(1);
        showStatus(
            shown,
            QStringLiteral("No draws read: %1; %2 lines skipped").arg(why).arg(skippedLines));
        return;
    }
    showStatus(
        QStringLiteral("%1, %2 skipped").arg(count(draws, "draw", "draws")).arg(skippedLines),
        readText(draws, skippedLines, listed));
}

void CheckBar::showFetched(const QString &whose, const QDateTime &fetched, int draws,
                           int skippedLines, int listed, const QString &note)
{
    QString line =
        QStringLiteral("%1, fetched %2")
            .arg(whose, fetched.toLocalTime().toString(QStringLiteral("MM/dd/yyyy HH:mm")));
    if (!note.isEmpty())
        line += QStringLiteral("; ") + note;
    showStatus(
        QStringLiteral("%1, %2 skipped").arg(count(draws, "draw", "draws")).arg(skippedLines),
        readText(draws, skippedLines, listed));
    m_source->setFullText(line);
    m_source->show();
}

void CheckBar::showFetching(const QString &status, const QString &line, bool offerFile)
{
    showStatus(status, line);
    m_source->setFullText(line);
    m_source->setVisible(!line.isEmpty());
    if (offerFile)
        m_resultsFile->setFocus(Qt::OtherFocusReason);
}
