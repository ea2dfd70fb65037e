#pragma once

#include "drawcheck.h"
#include "historycheck.h"
#include "loglistmodel.h"
#include "moneysum.h"
#include "seasonwinnings.h"
#include "ticketfinder.h"
#include "ticketorder.h"
#include "usstate.h"

#include <QAbstractTableModel>

#include <optional>
#include <span>
#include <vector>

// The rows ListView1 shows: the whole log, the tickets that a find lists, in
// log order, or the tickets of a checked draw, best first, with a fourth
// column for how each fared, and for Powerball and Mega Millions a last one
// for what each play won; any of them sorted by a column where the user
// asks. Every listed row stands for a row of the log, which DELETE and undo
// act on; the log's own changes are followed as they come. Nothing here is
// saved.
class ListedTickets : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ListedTickets(LogListModel &log, QObject *parent = nullptr);

    void showAll();
    void find(QStringView text);
    void check(const DrawCheck &draw);
    // Every ticket of the game against a file's draws, with a fifth column
    // for the draw each was checked against; those with no draw last.
    void checkHistory(HistoryCheck history);
    // Sorted by a column, or, with nothing, in the order of the log or of the
    // check. A sort by result ends with the check.
    void sortBy(std::optional<TicketOrder> order);
    const std::optional<TicketOrder> &order() const { return m_order; }

    bool isFiltered() const { return m_finder || isChecking(); }
    bool isChecking() const { return m_check || m_history; }
    bool isSeason() const { return m_history.has_value(); }
    // The game checked, while a draw or a season is.
    const DrawCheck *checkedGame() const;
    // Whether a PRIZE column follows: Powerball and Mega Millions.
    bool showsPrizes() const;
    const LogList &log() const { return m_log; }
    // The draws of the season checked, while one is.
    const DrawList *seasonDraws() const { return m_history ? &m_history->draws() : nullptr; }
    // The season checked, while one is.
    const HistoryCheck *season() const { return m_history ? &*m_history : nullptr; }
    // The money of a season's listed tickets, summed as they were listed;
    // nothing once a ticket came or went since.
    const MoneySum *seasonMoney() const { return m_seasonMoney ? &*m_seasonMoney : nullptr; }
    // What is left to claim of them, likewise.
    const ClaimsSum *seasonClaims() const { return m_seasonClaims ? &*m_seasonClaims : nullptr; }
    // A claim marked, or the player's state changed: summed anew when asked.
    void forgetSeasonClaims() { m_seasonClaims.reset(); }
    // The state where the player buys tickets, where known: a season's
    // PRIZE says by when and where a ticket that names none is claimed.
    void setPlayerState(const UsState *state) { m_player = state; }
    // The draws marked claimed, which PRIZE no longer names.
    void setClaimedOn(ClaimedOn claimedOn) { m_claimedOn = std::move(claimedOn); }
    const ClaimedOn &claimedOn() const { return m_claimedOn; }
    const UsState *playerState() const { return m_player; }
    // The listed tickets, in the listing's order, while one is shown.
    std::span<const ListedTicket> listed() const { return m_listed; }
    int logRow(int listedRow) const;
    // -1 where the log's row is not listed.
    int listedRow(int logRow) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    using Listed = ListedTicket;
    struct Texts
    {
        QString result;
        QString draw;
        // Of a ticket of several draws: how many the file holds and are to
        // come, and each draw it won, with its day and prize.
        QString count;
        QStringList won;
        QString days(bool lines) const;
    };
    Texts seasonTexts(const Listed &listed) const;

    // Whether the listing is a list of its own rather than the log itself.
    bool isListing() const { return isFiltered() || m_order; }
    void endOrderWithoutResults();
    bool listedBefore(const Listed &a, const Listed &b) const;
    void relist();
    void listSeasonWithMoney();
    void sortBestFirst();
    std::optional<Listed> test(int row) const;
    void followInserted(int first, int last);
    void followChanged(int first, int last);
    void renumberFrom(int row, int by);
    void place(int row);
    void unlist(int first, int last);

    LogListModel &m_log;
    std::optional<TicketFinder> m_finder;
    std::optional<DrawCheck> m_check;
    std::optional<HistoryCheck> m_history;
    std::optional<TicketOrder> m_order;
    std::vector<Listed> m_listed; // while filtered or sorted
    std::optional<MoneySum> m_seasonMoney;
    const UsState *m_player = nullptr;
    ClaimedOn m_claimedOn;
    std::optional<ClaimsSum> m_seasonClaims;
};
