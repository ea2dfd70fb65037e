#include "texttablemodel.h"

TextTableModel::TextTableModel(QStringList columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns))
{
}

void TextTableModel::setRows(std::vector<QStringList> rows, QStringList tips)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_tips = std::move(tips);
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QString text = m_rows[std::size_t(index.row())].value(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return text;
    case Qt::ToolTipRole:
        return m_tips.value(index.row()).isEmpty() ? text : m_tips.value(index.row());
    case Qt::AccessibleTextRole:
        return m_columns[index.column()] + QStringLiteral(": ") + text;
    default:
        return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_columns.size())
        return m_columns[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}
