#include "barqueries.h"

#include "checkbar.h"
#include "findbar.h"
#include "listedtickets.h"
#include "loglistmodel.h"
#include "noticebar.h"
#include "reportlist.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

// While a draw is checked: "GAME", "DATE", "NUMBERS" and "MATCH", wide
// enough for "5 of 5 + PB".
constexpr std::array<int, 4> checkColumnWidths = {twipsToPixels(1380), twipsToPixels(1140),
                                                  twipsToPixels(1380), twipsToPixels(1140)};
// The same with "PRIZE" last, for Powerball and Mega Millions: the game is
// the same on every row, and gives room.
constexpr std::array<int, 5> checkPrizeColumnWidths = {twipsToPixels(900), twipsToPixels(960),
                                                       twipsToPixels(1080), twipsToPixels(1140),
                                                       twipsToPixels(960)};
constexpr std::array<int, 6> historyPrizeColumnWidths = {twipsToPixels(660), twipsToPixels(840),
                                                         twipsToPixels(900), twipsToPixels(1020),
                                                         twipsToPixels(660), twipsToPixels(960)};
// While a results file is checked: "GAME", "DATE", "NUMBERS", "MATCH" and "DRAW".
constexpr std::array<int, 5> historyColumnWidths = {twipsToPixels(1020), twipsToPixels(900),
                                                    twipsToPixels(1020), twipsToPixels(1140),
                                                    twipsToPixels(960)};

} // namespace

BarQueries::BarQueries(ReportList &list, FindBar &findBar, CheckBar &checkBar, NoticeBar &noticeBar,
                       const LogListModel &log, ListedTickets &listed,
                       std::span<const int> columnWidths)
    : QObject(&list), m_list(list), m_log(log), m_listed(listed),
      m_columnWidths(columnWidths.begin(), columnWidths.end()), m_listPlace(list.geometry()),
      m_findBar(&findBar), m_checkBar(&checkBar),
      m_noticeBar(&noticeBar), m_bars{m_findBar, m_checkBar, m_noticeBar}
{
    // Esc closes the open bar wherever the focus is on the page; with no bar
    // open it is left to the controls.
    m_close = new QAction(list.parentWidget());
    m_close->setShortcut(Qt::Key_Escape);
    m_close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_close->setEnabled(false);
    list.parentWidget()->addAction(m_close);
    connect(m_close, &QAction::triggered, this, &BarQueries::closeBars);
    for (QueryBar *bar : m_bars)
        connect(bar, &QueryBar::closeRequested, this, &BarQueries::closeBars);
    connect(m_findBar, &FindBar::textChanged, this, &BarQueries::find);
    connect(m_checkBar, &CheckBar::changed, this, &BarQueries::check);
    // The count follows ADD, DELETE and undo as well as the typing.
    for (const QAbstractItemModel *model : {static_cast<const QAbstractItemModel *>(&m_log),
                                            static_cast<const QAbstractItemModel *>(&m_listed)}) {
        for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(model, changed, this, [this] {
                m_findBar->showCount(m_listed.rowCount(), m_log.size());
                emit countChanged();
            });
    }

    for (QLineEdit *field : list.parentWidget()->findChildren<QLineEdit *>())
        field->installEventFilter(this);
    connect(list.horizontalHeader(), &QHeaderView::sectionClicked, this, &BarQueries::sortBy);
}

// In a text field of the page, Ctrl+F, Ctrl+K and Ctrl+E are the bars' keys on
// every system: Windows gives a field none of them, Linux gives it Ctrl+K and
// Ctrl+E for the end of the line.
bool BarQueries::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action : m_barKeys) {
            if (action->shortcut() == pressed)
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void BarQueries::openFind()
{
    openBar(m_findBar);
    find();
}

void BarQueries::openCheck()
{
    openBar(m_checkBar);
    check();
}

void BarQueries::showNotice(const QString &text)
{
    m_noticeBar->setText(text);
    openBar(m_noticeBar);
    relist([this] { m_listed.showAll(); });
}

void BarQueries::showNoticeWhenFree(const QString &text, const QString &button,
                                    std::function<void()> pressed)
{
    m_pendingNotice = [this, text, button, pressed = std::move(pressed)] {
        m_noticeBar->setText(text, button, pressed);
        openBar(m_noticeBar);
        relist([this] { m_listed.showAll(); });
    };
    if (!m_close->isEnabled())
        std::exchange(m_pendingNotice, {})();
}

void BarQueries::openBar(QueryBar *bar)
{
    emit barOpening(bar);
    // One bar at a time; the listing follows the bar that is open.
    for (QueryBar *other : m_bars) {
        if (other != bar)
            other->hide();
    }
    bar->setGeometry(m_listPlace.left(), m_listPlace.top(), m_listPlace.width(), bar->barHeight());
    m_list.setGeometry(m_listPlace.adjusted(0, bar->barHeight() + QueryBar::rowGap, 0, 0));
    m_close->setEnabled(true);
    bar->open();
}

void BarQueries::closeBars()
{
    emit closing();
    const bool hadFocus = std::any_of(m_bars.begin(), m_bars.end(), [](QueryBar *bar) {
        return bar->isAncestorOf(QApplication::focusWidget());
    });
    for (QueryBar *bar : m_bars)
        bar->hide();
    m_close->setEnabled(false);
    m_list.setGeometry(m_listPlace);
    relist([this] { m_listed.showAll(); });
    if (hadFocus)
        m_list.setFocus();
    if (m_pendingNotice)
        std::exchange(m_pendingNotice, {})();
}

void BarQueries::relist(const std::function<void()> &change)
{
    emit relisting();
    const QModelIndexList selected = m_list.selectionModel()->selectedRows();
    const int logRow = selected.isEmpty() ? -1 : m_listed.logRow(selected.first().row());
    change();
    const bool prizes = m_listed.showsPrizes();
    m_list.setColumnWidths(
        m_listed.isSeason()     ? (prizes ? std::span<const int>(historyPrizeColumnWidths)
                                          : std::span<const int>(historyColumnWidths))
        : m_listed.isChecking() ? (prizes ? std::span<const int>(checkPrizeColumnWidths)
                                          : std::span<const int>(checkColumnWidths))
                                : std::span<const int>(m_columnWidths));
    if (const int listed = m_listed.listedRow(logRow); listed >= 0) {
        m_list.selectRow(listed);
        m_list.scrollTo(m_listed.index(listed, 0));
    }
    m_findBar->showCount(m_listed.rowCount(), m_log.size());
    emit relisted();
    QHeaderView *header = m_list.horizontalHeader();
    const std::optional<TicketOrder> &order = m_listed.order();
    header->setSortIndicatorShown(order.has_value());
    if (order)
        header->setSortIndicator(order->column(),
                                 order->isDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void BarQueries::sortBy(int column)
{
    if (column > TicketOrder::Result)
        return;
    const std::optional<TicketOrder> &now = m_listed.order();
    std::optional<TicketOrder> next;
    if (!now || now->column() != column)
        next.emplace(m_log, TicketOrder::Column(column), false);
    else if (!now->isDescending())
        next.emplace(m_log, TicketOrder::Column(column), true);
    relist([&] { m_listed.sortBy(next); });
}

void BarQueries::find()
{
    relist([this] { m_listed.find(m_findBar->text()); });
}

void BarQueries::check()
{
    ++m_checks;
    const DrawCheck draw = m_checkBar->draw();
    relist([&] {
        if (draw.isComplete())
            m_listed.check(draw);
        else
            m_listed.showAll();
    });
    m_checkBar->showChecked(draw, m_listed.rowCount());
}
