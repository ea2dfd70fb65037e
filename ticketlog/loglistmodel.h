#pragma once

#include "logentry.h"
#include "loglist.h"

#include <QAbstractTableModel>
#include <vector>

// The rows of ListView1: the only store of the ticket log while the program
// runs. Rows appended inside a batch reach the view in one reset, so that a
// large saved log loads at once.
class LogListModel : public QAbstractTableModel, public LogList
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    class Batch
    {
    public:
        explicit Batch(LogListModel &model);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        LogListModel &m_model;
    };

    void clear() override;
    int size() const override;
    int columns() const override;
    QString text(int row, int column) const override;
    void append(const QString &mainText) override;
    void setSubItem(int row, int column, const QString &text) override;
    void remove(int row) override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<LogEntry> m_rows;
    bool m_inBatch = false;
};
