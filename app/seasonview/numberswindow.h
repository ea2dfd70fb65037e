#pragma once

#include "numbercounts.h"

#include <QWidget>

class NumbersChart;
class QLabel;
class QTableWidget;

// The numbers chart in a window of its own beside the main one: what the
// counts are of, the chart, the same counts as a table for screen readers,
// and a word on what they cannot tell.
class NumbersWindow : public QWidget
{
    Q_OBJECT

public:
    explicit NumbersWindow(QWidget *parent = nullptr);

    void setCounts(NumberCounts counts);
    const NumberCounts &counts() const;

    // "Pick 3: 1,204 tickets, 730 draws of the file".
    static QString heading(const NumberCounts &counts);
    static QString caution();

private:
    QLabel *m_heading;
    NumbersChart *m_chart;
    QTableWidget *m_table;
};
