#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QTabWidget;
class QTableView;
class TextTableModel;

// A pool in a window of its own beside the main one: its members, the
// payments that put them in for draws, its tickets and its prizes, each a
// table a screen reader reads whole, and what may be asked of them. It
// shows; what is asked is answered elsewhere.
class PoolsWindow : public QWidget
{
    Q_OBJECT

public:
    enum Table
    {
        Members,
        Payments,
        Tickets,
        Prizes
    };

    explicit PoolsWindow(QWidget *parent = nullptr);

    void setPools(const QStringList &names, const QString &current);
    QString currentPool() const;
    void setLine(const QString &line);
    TextTableModel &model(Table table) const;
    QTableView *table(Table table) const;
    Table currentTable() const;
    void showTable(Table table);
    // The selected row of a table; -1 for none.
    int selectedRow(Table table) const;

signals:
    void poolChosen(const QString &name);
    void newPoolAsked();
    void addMemberAsked();
    void recordPaymentAsked();
    void takeBackAsked(PoolsWindow::Table table, int row);
    void sheetAsked();
    void recordAsked();
    void statementAsked(int prize, bool pdf);

private:
    QComboBox *m_pools;
    QLabel *m_line;
    QTabWidget *m_tabs;
    std::vector<QTableView *> m_tables;
    std::vector<TextTableModel *> m_models;
};
