#pragma once

#include "loglist.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

// The rows of ListView1: the only store of the ticket log while the program
// runs. The characters of every cell stand end to end in one text, and a row
// holds where each of its cells begins and how long it is, so that a large
// saved log loads without a memory allocation per cell. Rows appended inside a
// batch reach the view in one reset.
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
    QStringView text(int row, int column) const override;
    void append(QStringView mainText) override;
    void setSubItem(int row, int column, QStringView text) override;
    void remove(int row) override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    static constexpr int cellCount = 3;

    // 32 bits are room for a log of two thousand million characters.
    struct Cell
    {
        quint32 offset = 0;
        quint32 length = 0;
    };
    using Row = std::array<Cell, cellCount>;

    Cell store(QStringView text);
    void forget(const Cell &cell);
    void compactIfWasteful();

    std::vector<Row> m_rows;
    QString m_text;
    qsizetype m_unused = 0; // characters of m_text that no cell refers to
    bool m_inBatch = false;
};
