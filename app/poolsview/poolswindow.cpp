#include "poolswindow.h"

#include "contextmenukeys.h"
#include "texttablemodel.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

struct TableText
{
    const char *tab;
    const char *name; // what a screen reader calls the table
    QStringList columns;
};

} // namespace

PoolsWindow::PoolsWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Pools"));
    setWindowTitle(QStringLiteral("Pools - Ticketwise"));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("P&ool:"), this);
    m_pools = new QComboBox(this);
    m_pools->setObjectName(QStringLiteral("PoolsChoice"));
    m_pools->setMinimumContentsLength(24);
    label->setBuddy(m_pools);
    auto *newPool = new QPushButton(QStringLiteral("&New Pool..."), this);
    newPool->setObjectName(QStringLiteral("PoolsNew"));
    top->addWidget(label);
    top->addWidget(m_pools);
    top->addWidget(newPool);
    top->addStretch(1);
    connect(m_pools, &QComboBox::textActivated, this, &PoolsWindow::poolChosen);
    connect(newPool, &QPushButton::clicked, this, &PoolsWindow::newPoolAsked);

    m_line = new QLabel(this);
    m_line->setObjectName(QStringLiteral("PoolsLine"));
    m_line->setTextFormat(Qt::PlainText);
    m_line->setWordWrap(true);

    const TableText texts[] = {
        {"Members",
         "The pool's members, in the order they joined",
         {QStringLiteral("Member"), QStringLiteral("Contact"), QStringLiteral("Joined"),
          QStringLiteral("Paid in"), QStringLiteral("Kept for them")}},
        {"Payments",
         "Payments, each with the draws it covers",
         {QStringLiteral("Member"), QStringLiteral("Amount"), QStringLiteral("Draws"),
          QStringLiteral("Recorded"), QStringLiteral("Note")}},
        {"Tickets",
         "The pool's tickets",
         {QStringLiteral("Game"), QStringLiteral("Draws"), QStringLiteral("Numbers"),
          QStringLiteral("Added")}},
        {"Prizes",
         "The pool's prizes in the season checked, and each member's share",
         {QStringLiteral("Game"), QStringLiteral("Draw"), QStringLiteral("Numbers"),
          QStringLiteral("Prize"), QStringLiteral("Withheld"), QStringLiteral("Claimed"),
          QStringLiteral("Shares")}}};
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PoolsTabs"));
    for (const TableText &text : texts) {
        auto *model = new TextTableModel(text.columns, this);
        auto *table = new QTableView(m_tabs);
        table->setObjectName(QStringLiteral("Pools%1").arg(QLatin1StringView(text.tab)));
        table->setAccessibleName(QString::fromLatin1(text.name));
        table->setModel(model);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
        table->horizontalHeader()->setStretchLastSection(true);
        // Columns fitted to the rows shown and a few hundred more: a pool's
        // thousands of prizes are not all measured each time it is shown.
        table->horizontalHeader()->setResizeContentsPrecision(200);
        table->setWordWrap(false);
        table->setContextMenuPolicy(Qt::ActionsContextMenu);
        OpenContextMenuOnShiftF10(table);
        connect(model, &QAbstractItemModel::modelReset, table,
                &QTableView::resizeColumnsToContents);
        m_tabs->addTab(table, QString::fromLatin1(text.tab));
        m_tables.push_back(table);
        m_models.push_back(model);
    }

    // Each asked by a button, and by the tables' menu where it is of a row.
    const auto action = [this](const QString &text, const QString &name, auto asked) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, asked);
        return button;
    };
    const auto takeBack = [this] {
        const Table table = currentTable();
        if (table != Prizes && selectedRow(table) >= 0)
            emit takeBackAsked(table, selectedRow(table));
    };
    const auto statement = [this](bool pdf) {
        showTable(Prizes);
        emit statementAsked(selectedRow(Prizes), pdf);
    };
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(action(QStringLiteral("Add &Member..."), QStringLiteral("PoolsAddMember"),
                              [this] { emit addMemberAsked(); }));
    buttons->addWidget(action(QStringLiteral("Record &Payment..."),
                              QStringLiteral("PoolsRecordPayment"),
                              [this] { emit recordPaymentAsked(); }));
    buttons->addWidget(
        action(QStringLiteral("&Take Back"), QStringLiteral("PoolsTakeBack"), takeBack));
    buttons->addStretch(1);
    auto *saves = new QHBoxLayout;
    saves->addWidget(action(QStringLiteral("Save Pool &Sheet as PDF..."),
                            QStringLiteral("PoolsSheet"), [this] { emit sheetAsked(); }));
    saves->addWidget(action(QStringLiteral("Save Pool &Record as PDF..."),
                            QStringLiteral("PoolsRecord"), [this] { emit recordAsked(); }));
    saves->addWidget(action(QStringLiteral("Save Split Statement as P&DF..."),
                            QStringLiteral("PoolsStatementPdf"), [statement] { statement(true); }));
    saves->addWidget(action(QStringLiteral("Save Split Statement as &CSV..."),
                            QStringLiteral("PoolsStatementCsv"),
                            [statement] { statement(false); }));
    saves->addStretch(1);
    for (const Table each : {Members, Payments, Tickets}) {
        auto *back = new QAction(QStringLiteral("&Take Back"), m_tables[each]);
        connect(back, &QAction::triggered, this, takeBack);
        m_tables[each]->addAction(back);
    }
    auto *pdf = new QAction(QStringLiteral("Save Split Statement as P&DF..."), m_tables[Prizes]);
    connect(pdf, &QAction::triggered, this, [statement] { statement(true); });
    auto *csv = new QAction(QStringLiteral("Save Split Statement as &CSV..."), m_tables[Prizes]);
    connect(csv, &QAction::triggered, this, [statement] { statement(false); });
    m_tables[Prizes]->addActions({pdf, csv});

    layout->addLayout(top);
    layout->addWidget(m_line);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    layout->addLayout(saves);
    resize(820, 440);
}

void PoolsWindow::setPools(const QStringList &names, const QString &current)
{
    const QSignalBlocker quiet(m_pools);
    m_pools->clear();
    m_pools->addItems(names);
    m_pools->setCurrentIndex(std::max(0, int(names.indexOf(current))));
}

QString PoolsWindow::currentPool() const
{
    return m_pools->currentText();
}

void PoolsWindow::setLine(const QString &line)
{
    m_line->setText(line);
}

TextTableModel &PoolsWindow::model(Table table) const
{
    return *m_models[table];
}

QTableView *PoolsWindow::table(Table table) const
{
    return m_tables[table];
}

PoolsWindow::Table PoolsWindow::currentTable() const
{
    return Table(m_tabs->currentIndex());
}

void PoolsWindow::showTable(Table table)
{
    m_tabs->setCurrentIndex(table);
}

int PoolsWindow::selectedRow(Table table) const
{
    const QModelIndexList rows = m_tables[table]->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}
