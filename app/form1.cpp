#include "form1.h"

#include "loglistmodel.h"
#include "tabcontrol.h"
#include "twips.h"

#include <QHeaderView>
#include <QTreeView>

Form1::Form1(const QString &logPath, QWidget *parent) : QWidget(parent), m_logPath(logPath)
{
    registerFontSubstitutes();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ticketwise"));
    setFixedSize(twipsToPixels(5730), twipsToPixels(6735));

    SSTab1 = new TabControl(twipsRect(0, 0, 5655, 6495), this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    buildManagerPage(SSTab1->addPage(QStringLiteral("MANAGER")));
    SSTab1->addPage(QStringLiteral("LUCKY NUMBERS"));
    SSTab1->addPage(QStringLiteral("LOTTO PLUS"));
    SSTab1->setCurrentIndex(0);

    Form_Load();
}

void Form1::buildManagerPage(QWidget *page)
{
    m_logRows = new LogListModel(this);
    ListView1 = new QTreeView(page);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(twipsRect(240, 480, 5295, 3375));
    ListView1->setModel(m_logRows);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView *header = ListView1->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->resizeSection(0, twipsToPixels(2039));
    header->resizeSection(1, twipsToPixels(1440));
    header->resizeSection(2, twipsToPixels(1440));
}

// Fills the ticket log from the saved-log file. Nothing here is reported: a
// missing or unreadable file leaves the list empty.
void Form1::Form_Load()
{
    LogListModel::Batch batch(*m_logRows);
    m_logRows->clear();
    LoadLogFile(*m_logRows, m_logPath);
}
