#include "numberswindow.h"

#include "numberschart.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

NumbersWindow::NumbersWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("NumbersChart"));
    setWindowTitle(QStringLiteral("Numbers Chart - Ticketwise"));
    auto *layout = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("ChartHeading"));
    // The game as a ticket's cell writes it, which an imported file controls.
    m_heading->setTextFormat(Qt::PlainText);
    m_chart = new NumbersChart(this);
    m_chart->setAccessibleName(QStringLiteral("Numbers chart; the counts are in the table below"));
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("ChartTable"));
    m_table->setAccessibleName(QStringLiteral("Counts of the numbers"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->setMaximumHeight(140);
    auto *caution = new QLabel(NumbersWindow::caution(), this);
    caution->setWordWrap(true);
    layout->addWidget(m_heading);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_table);
    layout->addWidget(caution);
    resize(600, 480);
}

QString NumbersWindow::caution()
{
    return QStringLiteral("Each draw is independent of the draws before it: these counts tell what "
                          "was played and drawn, and nothing of the next draw.");
}

QString NumbersWindow::heading(const NumberCounts &counts)
{
    if (counts.game.isEmpty())
        return QStringLiteral("No tickets listed");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QString text =
        QStringLiteral("%1: %2 %3")
            .arg(counts.game, english.toString(counts.tickets),
                 counts.tickets == 1 ? QStringLiteral("ticket") : QStringLiteral("tickets"));
    if (counts.draws > 0)
        text += QStringLiteral(", %1 draws of the file").arg(english.toString(counts.draws));
    return text;
}

const NumberCounts &NumbersWindow::counts() const
{
    return m_chart->counts();
}

void NumbersWindow::setCounts(NumberCounts counts)
{
    m_heading->setText(heading(counts));
    const bool drawn = counts.draws > 0;
    QStringList titles = {QStringLiteral("Number"), QStringLiteral("Tickets")};
    if (drawn)
        titles << QStringLiteral("Drawn");
    m_table->clear();
    m_table->setColumnCount(int(titles.size()));
    m_table->setHorizontalHeaderLabels(titles);
    m_table->setRowCount(int(counts.numbers.size() + counts.balls.size()));
    const QString ball = counts.rules
                             ? QString::fromLatin1(counts.rules->extraShort.data(),
                                                   qsizetype(counts.rules->extraShort.size()))
                             : QString();
    int row = 0;
    for (const auto *bars : {&counts.numbers, &counts.balls}) {
        for (const NumberCounts::Bar &bar : *bars) {
            const QString number = bars == &counts.balls
                                       ? QStringLiteral("%1 %2").arg(ball).arg(bar.number)
                                       : QString::number(bar.number);
            m_table->setItem(row, 0, new QTableWidgetItem(number));
            m_table->setItem(row, 1, new QTableWidgetItem(QString::number(bar.tickets)));
            if (drawn)
                m_table->setItem(row, 2, new QTableWidgetItem(QString::number(bar.drawn)));
            ++row;
        }
    }
    m_chart->setCounts(std::move(counts));
}
