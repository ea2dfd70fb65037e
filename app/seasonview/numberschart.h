#pragma once

#include "numbercounts.h"

#include <QWidget>

class QPainter;

// A bar for each number of the game, how often the listed tickets hold it,
// and beside it, while a season is checked, how often the file drew it; the
// ball apart. Each kind of bar is scaled to its own most.
class NumbersChart : public QWidget
{
    Q_OBJECT

public:
    explicit NumbersChart(QWidget *parent = nullptr);

    void setCounts(NumberCounts counts);
    const NumberCounts &counts() const { return m_counts; }

    // The same into any painter: the window's, or a report page's.
    static void paint(QPainter &painter, const QRect &area, const NumberCounts &counts);

    QSize sizeHint() const override { return {560, 240}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    NumberCounts m_counts;
};
