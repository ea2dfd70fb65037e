#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// A table of texts, a row a list, under its columns' titles: what a window
// shows of a record. A screen reader hears each cell whole with its
// column's title; a row may carry a tool tip of what it adds.
class TextTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TextTableModel(QStringList columns, QObject *parent = nullptr);

    // The rows given, each as wide as the columns; tips, where given, one a
    // row.
    void setRows(std::vector<QStringList> rows, QStringList tips = {});
    const std::vector<QStringList> &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_columns;
    std::vector<QStringList> m_rows;
    QStringList m_tips;
};
