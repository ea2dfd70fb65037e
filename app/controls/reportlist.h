#pragma once

#include <QTableView>

#include <span>

// A table styled as a list in report view: a header row, fixed columns, whole
// rows selected one at a time, no grid. Every row has the height of one line
// of text, so that a long log needs no per-row layout to be shown.
class ReportList : public QTableView
{
    Q_OBJECT

public:
    explicit ReportList(QWidget *parent);

    // Called once the list has its model.
    void setColumnWidths(std::span<const int> widths);

private:
    int rowHeight();
};
