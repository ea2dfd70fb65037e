#include "ticketqueries.h"

#include "checkbar.h"
#include "csvexport.h"
#include "findbar.h"
#include "listedtickets.h"
#include "loglistmodel.h"
#include "reportlist.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

constexpr int barHeight = 24;
constexpr int barGap = 2;
// While a draw is checked: "GAME", "DATE", "NUMBERS" and "MATCH".
constexpr std::array<int, 4> checkColumnWidths = {96, 80, 96, 64};

} // namespace

TicketQueries::TicketQueries(ReportList &list, const LogListModel &log, ListedTickets &listed,
                             std::span<const int> columnWidths)
    : QObject(&list), m_list(list), m_log(log), m_listed(listed),
      m_columnWidths(columnWidths.begin(), columnWidths.end()), m_listPlace(list.geometry()),
      m_findBar(new FindBar(list.parentWidget())), m_checkBar(new CheckBar(list.parentWidget()))
{
    connect(addAction(QStringLiteral("&Find"), QKeySequence::Find), &QAction::triggered, this,
            &TicketQueries::openFind);
    connect(addAction(QStringLiteral("&Check a Draw"), QKeySequence(Qt::CTRL | Qt::Key_K)),
            &QAction::triggered, this, &TicketQueries::openCheck);
    connect(addAction(QStringLiteral("&Export Log..."), QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, [this] { askExport(false); });
    m_exportListed = addAction(QStringLiteral("Export &Listed Tickets..."), {});
    connect(m_exportListed, &QAction::triggered, this, [this] { askExport(true); });
    m_exportListed->setEnabled(false);
    m_list.setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(m_findBar, &FindBar::textChanged, this, &TicketQueries::find);
    connect(m_checkBar, &CheckBar::changed, this, &TicketQueries::check);
    for (QueryBar *bar : std::initializer_list<QueryBar *>{m_findBar, m_checkBar})
        connect(bar, &QueryBar::closeRequested, this, &TicketQueries::closeBars);
    // The count follows ADD, DELETE and undo as well as the typing.
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_listed, changed, this,
                [this] { m_findBar->showCount(m_listed.rowCount(), m_log.size()); });
}

QAction *TicketQueries::addAction(const QString &text, const QKeySequence &keys)
{
    auto *action = new QAction(text, &m_list);
    action->setShortcut(keys);
    // On the MANAGER page, wherever the focus is.
    action->setShortcutContext(Qt::WindowShortcut);
    m_list.addAction(action);
    return action;
}

void TicketQueries::openFind()
{
    openBar(m_findBar);
    m_findBar->open();
}

void TicketQueries::openCheck()
{
    openBar(m_checkBar);
    m_checkBar->open();
    check();
}

void TicketQueries::openBar(QWidget *bar)
{
    // One listing at a time: the other bar's goes with it.
    for (QWidget *other : std::initializer_list<QWidget *>{m_findBar, m_checkBar}) {
        if (other != bar && other->isVisible()) {
            other->hide();
            m_listed.showAll();
            m_list.setColumnWidths(m_columnWidths);
        }
    }
    bar->setGeometry(m_listPlace.left(), m_listPlace.top(), m_listPlace.width(), barHeight);
    m_list.setGeometry(m_listPlace.adjusted(0, barHeight + barGap, 0, 0));
    m_findBar->showCount(m_listed.rowCount(), m_log.size());
}

void TicketQueries::closeBars()
{
    const bool hadFocus = m_findBar->isAncestorOf(QApplication::focusWidget()) ||
                          m_checkBar->isAncestorOf(QApplication::focusWidget());
    m_findBar->hide();
    m_checkBar->hide();
    m_listed.showAll();
    m_list.setGeometry(m_listPlace);
    m_list.setColumnWidths(m_columnWidths);
    m_exportListed->setEnabled(false);
    if (hadFocus)
        m_list.setFocus();
}

void TicketQueries::find(const QString &text)
{
    m_listed.find(text);
    m_findBar->showCount(m_listed.rowCount(), m_log.size());
    m_exportListed->setEnabled(m_listed.isFiltered());
}

void TicketQueries::check()
{
    const DrawCheck draw = m_checkBar->draw();
    if (draw.isComplete())
        m_listed.check(draw);
    else
        m_listed.showAll();
    m_list.setColumnWidths(m_listed.isChecking() ? std::span<const int>(checkColumnWidths)
                                                 : std::span<const int>(m_columnWidths));
    m_exportListed->setEnabled(m_listed.isFiltered());
}

bool TicketQueries::exportTickets(const QString &path, bool listedOnly, QString *errorString)
{
    if (listedOnly) {
        return ExportTicketsCsv(
            path, m_log, m_listed.rowCount(),
            [this](int listed) { return m_listed.logRow(listed); }, errorString);
    }
    return ExportTicketsCsv(
        path, m_log, m_log.size(), [](int row) { return row; }, errorString);
}

void TicketQueries::askExport(bool listedOnly)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        m_list.window(),
        listedOnly ? QStringLiteral("Export Listed Tickets") : QStringLiteral("Export Ticket Log"),
        QDir(documents).filePath(QStringLiteral("tickets.csv")),
        QStringLiteral("CSV files (*.csv)"));
    QString reason;
    if (path.isEmpty() || exportTickets(path, listedOnly, &reason))
        return;
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Ticketwise"),
                                QStringLiteral("The tickets could not be exported to \"%1\".")
                                    .arg(QDir::toNativeSeparators(path)),
                                QMessageBox::Ok, m_list.window());
    box->setInformativeText(reason);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
