#include "reportlist.h"

#include <QHeaderView>
#include <QStyleOptionViewItem>

ReportList::ReportList(QWidget *parent) : QTableView(parent)
{
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(0);
    rows->setDefaultSectionSize(rowHeight());
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
}

void ReportList::setColumnWidths(std::span<const int> widths)
{
    QHeaderView *columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    int column = 0;
    for (int width : widths)
        columns->resizeSection(column++, width);
}

// What the style gives a cell of one line of text, as a list's row.
int ReportList::rowHeight()
{
    QStyleOptionViewItem cell;
    initViewItemOption(&cell);
    cell.features |= QStyleOptionViewItem::HasDisplay;
    cell.text = QStringLiteral("Xg");
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), this).height();
}
