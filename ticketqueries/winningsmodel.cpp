#include "winningsmodel.h"

#include "civildate.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char *, WinningsModel::Columns> titles = {"GAME",  "DRAW",  "NUMBERS",
                                                                     "PRIZE", "CLAIM", "POOL"};
constexpr std::array<const char *, WinningsModel::Columns> spoken = {"Game",  "Draw",  "Numbers",
                                                                     "Prize", "Claim", "Pool"};

} // namespace

WinningsModel::WinningsModel(QObject *parent) : QAbstractTableModel(parent) {}

void WinningsModel::setWinnings(std::vector<Winning> winnings, int today)
{
    beginResetModel();
    m_winnings = std::move(winnings);
    m_today = today;
    // A pool's column only where a pool's ticket won.
    m_columns = std::any_of(m_winnings.begin(), m_winnings.end(),
                            [](const Winning &winning) { return !winning.pool.isEmpty(); })
                    ? Columns
                    : Pool;
    endResetModel();
}

int WinningsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_winnings.size());
}

int WinningsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QString WinningsModel::text(const Winning &winning, int column) const
{
    switch (column) {
    case Game:
        return winning.game;
    case Draw:
        return QString::fromStdString(CivilDate::text(winning.drawDate));
    case Numbers:
        return winning.numbers;
    case Prize:
        return winning.prize;
    case Claim:
        return winning.claimText(m_today);
    case Pool:
        return winning.pool;
    }
    return {};
}

QVariant WinningsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const QString cell = text(m_winnings[std::size_t(index.row())], index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return cell;
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1: %2").arg(QLatin1StringView(spoken[std::size_t(index.column())]),
                                            cell);
    default:
        return {};
    }
}

QVariant WinningsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_columns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QLatin1StringView(titles[std::size_t(section)]);
}
