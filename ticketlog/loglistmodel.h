#pragma once

#include "codepage.h"
#include "loglist.h"

#include <QAbstractTableModel>
#include <QString>

#include <memory>
#include <vector>

// The rows of ListView1: the only store of the ticket log while the program
// runs. Rows read at start-up keep the saved log's bytes, decoded only when a
// cell is shown; rows that ADD appends keep their text as typed. Each cell is
// an offset and a length into one of the two, so that a large log loads with
// no allocation per cell. The text of deleted rows stays until the list is
// emptied. Rows appended inside a batch reach the view in one reset.
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

    // The rows as they stand, to be read on another thread while these go
    // on changing: the cells' places copied, the texts shared.
    std::unique_ptr<LogListModel> copy() const;

    void clear() override;
    int size() const override;
    int columns() const override;
    QString text(int row, int column) const override;
    void append(QStringView mainText) override;
    void setSubItem(int row, int column, QStringView text) override;
    void remove(int row) override;
    std::vector<CellSpan> rowCells(int row) const override;
    void insert(int row, const std::vector<CellSpan> &cells) override;
    void appendSaved(QByteArray bytes, std::vector<CellSpan> cells) override;
    std::optional<QByteArrayView> savedBytes(int row, int column) const override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    static constexpr int cellCount = 3;
    // Set in a cell's offset when the cell points into the typed text.
    static constexpr std::uint32_t typedCell = 0x8000'0000u;

    CellSpan &cellAt(int row, int column)
    {
        return m_cells.at(std::size_t(row) * cellCount + column);
    }
    const CellSpan &cellAt(int row, int column) const
    {
        return m_cells.at(std::size_t(row) * cellCount + column);
    }
    CellSpan storeTyped(QStringView text);

    std::vector<CellSpan> m_cells; // cellCount a row, in list order
    QByteArray m_saved;
    QString m_typed;
    mutable CodePageDecoder m_decoder;
    bool m_inBatch = false;
};
