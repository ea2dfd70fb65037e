#pragma once

#include <QWidget>

class QLabel;
class QTableView;
class WinningsModel;

// The winning draws of the season checked, in a window of its own beside
// the main one, which keeps its size: by when and where each is claimed,
// the soonest first.
class WinningsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WinningsWindow(WinningsModel &model, QWidget *parent = nullptr);

    void setLine(const QString &line);
    QTableView *table() const { return m_table; }

signals:
    // "Mark Claimed..." on a row of the table.
    void markAsked(int row);

private:
    QLabel *m_line;
    QTableView *m_table;
};
