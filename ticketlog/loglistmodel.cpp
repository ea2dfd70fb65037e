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

void LogListModel::clear()
{
    if (!m_inBatch)
        beginResetModel();
    m_rows.clear();
    m_text.clear();
    m_unused = 0;
    if (!m_inBatch)
        endResetModel();
}

int LogListModel::size() const
{
    return int(m_rows.size());
}

int LogListModel::columns() const
{
    return cellCount;
}

QStringView LogListModel::text(int row, int column) const
{
    const Cell &cell = m_rows.at(row).at(column);
    return QStringView(m_text).sliced(cell.offset, cell.length);
}

void LogListModel::append(QStringView mainText)
{
    const int row = size();
    if (!m_inBatch)
        beginInsertRows({}, row, row);
    const Cell empty{quint32(m_text.size()), 0};
    m_rows.push_back({store(mainText), empty, empty});
    if (!m_inBatch)
        endInsertRows();
}

void LogListModel::setSubItem(int row, int column, QStringView text)
{
    Cell &cell = m_rows.at(row).at(column);
    forget(cell);
    cell = store(text);
    if (!m_inBatch) {
        compactIfWasteful();
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
    }
}

void LogListModel::remove(int row)
{
    if (row < 0 || row >= size())
        return;
    if (!m_inBatch)
        beginRemoveRows({}, row, row);
    for (const Cell &cell : m_rows[row])
        forget(cell);
    m_rows.erase(m_rows.begin() + row);
    if (!m_inBatch) {
        endRemoveRows();
        compactIfWasteful();
    }
}

LogListModel::Cell LogListModel::store(QStringView text)
{
    const Cell cell{quint32(m_text.size()), quint32(text.size())};
    m_text.append(text);
    return cell;
}

void LogListModel::forget(const Cell &cell)
{
    m_unused += cell.length;
}

// Deleted and replaced cells leave their characters behind; once they are
// most of the text, the text is written afresh with the live cells alone.
void LogListModel::compactIfWasteful()
{
    if (m_unused < 64 * 1024 || m_unused < m_text.size() / 2)
        return;
    QString compact;
    compact.reserve(m_text.size() - m_unused);
    for (Row &row : m_rows) {
        for (Cell &cell : row) {
            const quint32 offset = quint32(compact.size());
            compact.append(QStringView(m_text).sliced(cell.offset, cell.length));
            cell.offset = offset;
        }
    }
    m_text = std::move(compact);
    m_unused = 0;
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
    return text(index.row(), index.column()).toString();
}

QVariant LogListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columns())
        return {};
    return columnTitles[section];
}
