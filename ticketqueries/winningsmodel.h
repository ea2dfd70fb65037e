#pragma once

#include "seasonwinnings.h"

#include <QAbstractTableModel>

#include <vector>

// The winning draws of a season as a table, the soonest deadline first:
// the game and its state, the draw's day, the numbers, the prize, and by
// when and where to claim it, and a pool's split of it. A screen reader hears each cell whole, with
// its column's name.
class WinningsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Game,
        Draw,
        Numbers,
        Prize,
        Claim,
        Pool,
        Columns
    };

    explicit WinningsModel(QObject *parent = nullptr);

    void setWinnings(std::vector<Winning> winnings, int today);
    const std::vector<Winning> &winnings() const { return m_winnings; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const Winning &winning, int column) const;

    std::vector<Winning> m_winnings;
    int m_today = 0;
    int m_columns = Pool;
};
