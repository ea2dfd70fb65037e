#include "loglistmodel.h"

#include <array>

namespace {
const std::array<QString, LogEntry::CellCount> columnTitles = {
    QStringLiteral("GAME"), QStringLiteral("DATE"), QStringLiteral("NUMBERS")};
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

void LogListModel::clear()
{
    if (m_inBatch) {
        m_rows.clear();
        return;
    }
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

int LogListModel::size() const
{
    return int(m_rows.size());
}

int LogListModel::columns() const
{
    return LogEntry::CellCount;
}

QString LogListModel::text(int row, int column) const
{
    return m_rows.at(row).cell(column);
}

void LogListModel::append(const QString &mainText)
{
    if (m_inBatch) {
        m_rows.push_back({mainText, {}, {}});
        return;
    }
    const int row = size();
    beginInsertRows({}, row, row);
    m_rows.push_back({mainText, {}, {}});
    endInsertRows();
}

void LogListModel::setSubItem(int row, int column, const QString &text)
{
    m_rows.at(row).cell(column) = text;
    if (!m_inBatch)
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

void LogListModel::remove(int row)
{
    if (row < 0 || row >= size())
        return;
    if (m_inBatch) {
        m_rows.erase(m_rows.begin() + row);
        return;
    }
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
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
    return m_rows[index.row()].cell(index.column());
}

QVariant LogListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columns())
        return {};
    return columnTitles[section];
}
