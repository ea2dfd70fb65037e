#include "winningswindow.h"

#include "contextmenukeys.h"
#include "winningsmodel.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
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
    auto *mark = new QPushButton(QStringLiteral("&Mark Claimed..."), this);
    mark->setObjectName(QStringLiteral("WinningsMarkClaimed"));
    const auto markSelected = [this] {
        const QModelIndexList rows = m_table->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            emit markAsked(rows.first().row());
    };
    connect(mark, &QPushButton::clicked, this, markSelected);
    auto *markAction = new QAction(QStringLiteral("&Mark Claimed..."), m_table);
    connect(markAction, &QAction::triggered, this, markSelected);
    m_table->addAction(markAction);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    OpenContextMenuOnShiftF10(m_table);
    connect(m_table, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { emit markAsked(index.row()); });
    layout->addWidget(m_line);
    layout->addWidget(m_table, 1);
    layout->addWidget(mark, 0, Qt::AlignLeft);
    layout->addWidget(note);
    resize(780, 360);
}

void WinningsWindow::setLine(const QString &line)
{
    m_line->setText(line.isEmpty() ? QStringLiteral("Nothing won in the tickets listed") : line);
}
