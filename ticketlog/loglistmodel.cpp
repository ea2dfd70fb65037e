#include "loglistmodel.h"

namespace {
const QString columnTitles[] = {QStringLiteral("GAME"), QStringLiteral("DATE"),
                                QStringLiteral("NUMBERS")};
}

LogListModel::Batch::Batch(LogListModel &model) : m_model(model)
{
    m_model.beginResetModel();
    m_model.m_inBatch = true;
}

LogListModel::Batch::~Batch()
{
    m_model.m_inBatch = false;
    m_model.endResetModel();
}

std::unique_ptr<LogListModel> LogListModel::copy() const
{
    auto copied = std::make_unique<LogListModel>();
    copied->m_cells = m_cells;
    copied->m_saved = m_saved;
    copied->m_typed = m_typed;
    return copied;
}

void LogListModel::clear()
{
    if (!m_inBatch)
        beginResetModel();
    m_cells = {};
    m_saved = {};
    m_typed = {};
    if (!m_inBatch)
        endResetModel();
}

int LogListModel::size() const
{
    return int(m_cells.size() / cellCount);
}

int LogListModel::columns() const
{
    return cellCount;
}

QString LogListModel::text(int row, int column) const
{
    const CellSpan &cell = cellAt(row, column);
    if (cell.offset & typedCell)
        return QStringView(m_typed).sliced(cell.offset & ~typedCell, cell.length).toString();
    return m_decoder.decode(QByteArrayView(m_saved).sliced(cell.offset, cell.length));
}

std::optional<QByteArrayView> LogListModel::savedBytes(int row, int column) const
{
    const CellSpan &cell = cellAt(row, column);
    if (cell.offset & typedCell)
        return std::nullopt;
    return QByteArrayView(m_saved).sliced(cell.offset, cell.length);
}

void LogListModel::append(QStringView mainText)
{
    const int row = size();
    if (!m_inBatch)
        beginInsertRows({}, row, row);
    const CellSpan empty = storeTyped({});
    m_cells.insert(m_cells.end(), {storeTyped(mainText), empty, empty});
    if (!m_inBatch)
        endInsertRows();
}

void LogListModel::setSubItem(int row, int column, QStringView text)
{
    cellAt(row, column) = storeTyped(text);
    if (!m_inBatch)
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

void LogListModel::remove(int row)
{
    if (row < 0 || row >= size())
        return;
    if (!m_inBatch)
        beginRemoveRows({}, row, row);
    const auto first = m_cells.begin() + std::ptrdiff_t(row) * cellCount;
    m_cells.erase(first, first + cellCount);
    if (!m_inBatch)
        endRemoveRows();
}

std::vector<CellSpan> LogListModel::rowCells(int row) const
{
    if (row < 0 || row >= size())
        return {};
    const auto first = m_cells.begin() + std::ptrdiff_t(row) * cellCount;
    return {first, first + cellCount};
}

void LogListModel::insert(int row, const std::vector<CellSpan> &cells)
{
    if (row < 0 || row > size() || cells.size() != std::size_t(cellCount))
        return;
    if (!m_inBatch)
        beginInsertRows({}, row, row);
    m_cells.insert(m_cells.begin() + std::ptrdiff_t(row) * cellCount, cells.begin(), cells.end());
    if (!m_inBatch)
        endInsertRows();
}

void LogListModel::appendSaved(QByteArray bytes, std::vector<CellSpan> cells)
{
    const qsizetype base = m_saved.size();
    if (base + bytes.size() > maxLogListBytes || cells.size() % cellCount != 0)
        return;
    const int first = size();
    const int rows = int(cells.size() / cellCount);
    if (!m_inBatch && rows > 0)
        beginInsertRows({}, first, first + rows - 1);
    if (m_cells.empty() && m_saved.isEmpty()) {
        // The usual case, at start-up: the list takes the file's bytes and
        // cells as they are, without a copy.
        m_saved = std::move(bytes);
        m_cells = std::move(cells);
    } else {
        m_saved.append(bytes);
        for (CellSpan &cell : cells)
            cell.offset += std::uint32_t(base);
        m_cells.insert(m_cells.end(), cells.begin(), cells.end());
    }
    if (!m_inBatch && rows > 0)
        endInsertRows();
}

CellSpan LogListModel::storeTyped(QStringView text)
{
    // Past the limit a cell keeps no text rather than point at the wrong one.
    if (m_typed.size() + text.size() > maxLogListBytes)
        return {typedCell, 0};
    const CellSpan cell{std::uint32_t(m_typed.size()) | typedCell, std::uint32_t(text.size())};
    m_typed.append(text);
    return cell;
}

int LogListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : size();
}

int LogListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns();
}

QVariant LogListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return text(index.row(), index.column());
}

QVariant LogListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columns())
        return {};
    return columnTitles[section];
}
