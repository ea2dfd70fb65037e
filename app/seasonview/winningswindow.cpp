#include "winningswindow.h"

#include "winningsmodel.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

WinningsWindow::WinningsWindow(WinningsModel &model, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Winnings"));
    setWindowTitle(QStringLiteral("Winnings - Ticketwise"));
    auto *layout = new QVBoxLayout(this);
    m_line = new QLabel(this);
    m_line->setObjectName(QStringLiteral("WinningsLine"));
    m_line->setTextFormat(Qt::PlainText);
    m_line->setWordWrap(true);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("WinningsTable"));
    m_table->setAccessibleName(QStringLiteral("Winning draws, the soonest deadline first"));
    m_table->setModel(&model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    connect(&model, &QAbstractItemModel::modelReset, m_table, &QTableView::resizeColumnsToContents);
    auto *note = new QLabel(
        QStringLiteral("Deadlines follow each state's rules as this release knows them; the back "
                       "of the ticket and the state's lottery have the last word."),
        this);
    note->setWordWrap(true);
    layout->addWidget(m_line);
    layout->addWidget(m_table, 1);
    layout->addWidget(note);
    resize(640, 360);
}

void WinningsWindow::setLine(const QString &line)
{
    m_line->setText(line.isEmpty() ? QStringLiteral("Nothing won in the tickets listed") : line);
}
