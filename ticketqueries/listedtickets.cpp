#include "listedtickets.h"

#include "seasonwinnings.h"

#include "checksummary.h"

#include <algorithm>

ListedTickets::ListedTickets(LogListModel &log, QObject *parent)
    : QAbstractTableModel(parent), m_log(log)
{
    // Unfiltered and unsorted, the log's changes pass straight through.
    connect(&log, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex &, int first, int last) {
                if (!isListing())
                    beginInsertRows({}, first, last);
            });
    connect(&log, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) {
                if (isListing())
                    followInserted(first, last);
                else
                    endInsertRows();
            });
    // Otherwise the tickets leave the listing while the log still holds
    // them, so that every listed row names its own ticket throughout.
    connect(&log, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                if (isListing())
                    unlist(first, last);
                else
                    beginRemoveRows({}, first, last);
            });
    connect(&log, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                if (isListing())
                    renumberFrom(last + 1, first - last - 1);
                else
                    endRemoveRows();
            });
    connect(&log, &QAbstractItemModel::modelAboutToBeReset, this, &ListedTickets::beginResetModel);
    connect(&log, &QAbstractItemModel::modelReset, this, [this] {
        if (isListing())
            relist();
        endResetModel();
    });
    connect(&log, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                followChanged(topLeft.row(), bottomRight.row());
            });
}

void ListedTickets::showAll()
{
    beginResetModel();
    m_finder.reset();
    m_check.reset();
    m_history.reset();
    endOrderWithoutResults();
    relist();
    endResetModel();
}

void ListedTickets::endOrderWithoutResults()
{
    if (m_order && m_order->column() == TicketOrder::Result && !isChecking())
        m_order.reset();
}

void ListedTickets::sortBy(std::optional<TicketOrder> order)
{
    beginResetModel();
    m_order = std::move(order);
    endOrderWithoutResults();
    relist();
    endResetModel();
}

void ListedTickets::find(QStringView text)
{
    TicketFinder finder(text);
    if (finder.isEmpty()) {
        showAll();
        return;
    }
    beginResetModel();
    // A longer text lists only tickets listed already.
    const bool narrowing = m_finder && !isChecking() && finder.narrows(*m_finder);
    m_check.reset();
    m_history.reset();
    endOrderWithoutResults();
    m_finder = std::move(finder);
    if (narrowing) {
        std::erase_if(m_listed, [this](const Listed &listed) {
            return !m_finder->matches(m_log, listed.row);
        });
    } else {
        relist();
    }
    endResetModel();
}

void ListedTickets::check(const DrawCheck &draw)
{
    beginResetModel();
    m_finder.reset();
    m_history.reset();
    m_check = draw;
    relist();
    endResetModel();
}

void ListedTickets::checkHistory(HistoryCheck history)
{
    beginResetModel();
    m_finder.reset();
    m_check.reset();
    m_history = std::move(history);
    relist();
    endResetModel();
}

void ListedTickets::relist()
{
    if (!isListing()) {
        m_listed = std::vector<Listed>(); // gives its memory back, as clear() would not
        return;
    }
    m_listed.clear();
    m_seasonMoney.reset();
    m_seasonClaims.reset();
    const int rows = m_log.size();
    // Room for every ticket, touched only as far as tickets are listed.
    m_listed.reserve(std::size_t(rows));
    if (m_history && showsPrizes()) {
        listSeasonWithMoney();
    } else {
        for (int row = 0; row < rows; ++row) {
            if (const std::optional<Listed> listed = test(row))
                m_listed.push_back(*listed);
        }
    }
    if (m_order)
        m_order->sort(m_listed);
    else if (isChecking())
        sortBestFirst();
}

// A season of a game with prizes: each ticket's money summed as its days are
// checked, which the money line takes rather than check them again.
void ListedTickets::listSeasonWithMoney()
{
    const DrawCheck &game = m_history->game();
    const DrawList &draws = m_history->draws();
    MoneySum sum;
    TicketMoney money;
    int held = 0;
    // What is left to claim, summed as the days are checked, by the rules of
    // the state of each winning ticket, asked once for each game cell.
    ClaimsSum claims;
    const int today = Today();
    const bool bigJackpots = game.rules() && (game.rules()->name == "Powerball" ||
                                              game.rules()->name == "Mega Millions");
    std::vector<std::pair<QByteArray, const ClaimRule *>> rulesOfCells;
    int row = 0;
    std::optional<const ClaimRule *> rule; // the ticket's, once it wins
    const auto ruleOfRow = [&]() -> const ClaimRule * {
        const std::optional<QByteArrayView> bytes = m_log.savedBytes(row, 0);
        if (bytes) {
            for (const auto &[cell, known] : rulesOfCells) {
                if (cell == *bytes)
                    return known;
            }
        }
        const UsState *state = ClaimStateOf(m_log.text(row, 0), m_player);
        const ClaimRule *found = state ? ClaimRuleOf(state->code) : nullptr;
        if (bytes && rulesOfCells.size() < 16)
            rulesOfCells.emplace_back(bytes->toByteArray(), found);
        return found;
    };
    const auto addDay = [&](const HistoryCheck::Day &day) {
        const std::int64_t before = money.won;
        const std::size_t namedBefore = money.named.size();
        const int unknownBefore = money.unknown;
        CheckSummary::addDay(money, game, game.play(), day, draws);
        ++held;
        if (!CheckSummary::wins(day.best(), game))
            return;
        if (!rule)
            rule = ruleOfRow();
        Winning winning;
        winning.drawDate = draws.date(day.draw);
        winning.dollars = money.won - before;
        winning.rule = *rule;
        winning.claimedOn = m_claimedOn ? m_claimedOn(m_log, row, winning.drawDate) : 0;
        if (money.named.size() > namedBefore)
            winning.named = money.named[namedBefore];
        winning.amountKnown = money.named.size() == namedBefore && money.unknown == unknownBefore;
        const bool jackpot = std::find(money.named.begin() + std::ptrdiff_t(namedBefore),
                                       money.named.end(), "jackpot") != money.named.end();
        if (*rule)
            winning.deadline = DeadlineOf(**rule, winning.drawDate, winning.dollars,
                                          jackpot && bigJackpots, winning.amountKnown);
        claims.add(winning, today);
    };
    for (int rows = m_log.size(); row < rows; ++row) {
        if (!m_history->concerns(m_log, row))
            continue;
        money = {};
        held = 0;
        rule.reset();
        const Listed listed = m_history->match(m_log, row, addDay);
        m_listed.push_back(listed);
        // A ticket with no numbers, or no draw, is no play.
        if (listed.match.kind != DrawMatch::Count && listed.match.kind != DrawMatch::CountAndExtra)
            continue;
        if (listed.severalDraws) {
            if (const std::optional<TicketDates> dates = TicketDates::of(m_log, row))
                money.toCome = m_history->toCome(*dates, held);
        }
        sum.add(money);
    }
    m_seasonMoney = std::move(sum);
    m_seasonClaims = claims;
}

// Best first, in log order among equals. Results rank in few ways: each
// ticket's place is counted out, and the tickets copied there in one pass.
void ListedTickets::sortBestFirst()
{
    std::vector<std::size_t> starts(std::size_t(DrawMatch::bestRank) + 2, 0);
    const auto bucket = [](const Listed &listed) {
        return std::size_t(DrawMatch::bestRank - listed.match.rank());
    };
    for (const Listed &listed : m_listed)
        ++starts[bucket(listed) + 1];
    for (std::size_t at = 1; at < starts.size(); ++at)
        starts[at] += starts[at - 1];
    std::vector<Listed> sorted(m_listed.size());
    for (const Listed &listed : m_listed)
        sorted[starts[bucket(listed)]++] = listed;
    m_listed = std::move(sorted);
}

// Best first, those with no draw last, in log order among equals.
bool ListedTickets::listedBefore(const Listed &a, const Listed &b) const
{
    const int rankA = a.match.rank();
    const int rankB = b.match.rank();
    return rankA != rankB ? rankA > rankB : a.row < b.row;
}

std::optional<ListedTickets::Listed> ListedTickets::test(int row) const
{
    if (!isFiltered())
        return Listed{row, {}};
    if (m_finder)
        return m_finder->matches(m_log, row) ? std::optional<Listed>({row, {}}) : std::nullopt;
    if (m_history) {
        if (!m_history->concerns(m_log, row))
            return std::nullopt;
        return m_history->match(m_log, row);
    }
    if (!m_check->concerns(m_log, row))
        return std::nullopt;
    const DrawMatch match = m_check->match(m_log, row);
    return Listed{row, match, -1, false, m_check->readAddsOn()};
}

void ListedTickets::followInserted(int first, int last)
{
    renumberFrom(first, last - first + 1);
    for (int row = first; row <= last; ++row)
        place(row);
}

void ListedTickets::renumberFrom(int row, int by)
{
    for (Listed &listed : m_listed) {
        if (listed.row >= row)
            listed.row += by;
    }
}

// Lists the ticket if it belongs: in log order for a find; for a check, after
// those that fared as well or better; where sorted, in the sort's order.
void ListedTickets::place(int row)
{
    const std::optional<Listed> listed = test(row);
    if (!listed)
        return;
    const auto at = std::find_if(m_listed.begin(), m_listed.end(), [&](const Listed &other) {
        if (m_order)
            return m_order->before(*listed, other);
        return isChecking() ? listedBefore(*listed, other) : other.row > row;
    });
    const int index = int(at - m_listed.begin());
    m_seasonMoney.reset();
    m_seasonClaims.reset();
    beginInsertRows({}, index, index);
    m_listed.insert(at, *listed);
    endInsertRows();
}

void ListedTickets::unlist(int first, int last)
{
    for (int at = int(m_listed.size()) - 1; at >= 0; --at) {
        const int row = m_listed[std::size_t(at)].row;
        if (row >= first && row <= last) {
            m_seasonMoney.reset();
            m_seasonClaims.reset();
            m_seasonClaims.reset();
            beginRemoveRows({}, at, at);
            m_listed.erase(m_listed.begin() + at);
            endRemoveRows();
        }
    }
}

// ADD sets a new ticket's date and numbers after its game: whether it is
// listed, and how it fared, is decided again.
void ListedTickets::followChanged(int first, int last)
{
    if (!isListing()) {
        emit dataChanged(index(first, 0), index(last, columnCount() - 1));
        return;
    }
    for (int row = first; row <= last; ++row) {
        unlist(row, row);
        place(row);
    }
}

int ListedTickets::logRow(int listedRow) const
{
    if (!isListing())
        return listedRow;
    return listedRow >= 0 && listedRow < int(m_listed.size()) ? m_listed[listedRow].row : -1;
}

int ListedTickets::listedRow(int logRow) const
{
    if (!isListing())
        return logRow >= 0 && logRow < m_log.size() ? logRow : -1;
    const auto found =
        std::find_if(m_listed.begin(), m_listed.end(),
                     [logRow](const Listed &listed) { return listed.row == logRow; });
    return found == m_listed.end() ? -1 : int(found - m_listed.begin());
}

int ListedTickets::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return isListing() ? int(m_listed.size()) : m_log.size();
}

const DrawCheck *ListedTickets::checkedGame() const
{
    return m_history ? &m_history->game() : m_check ? &*m_check : nullptr;
}

bool ListedTickets::showsPrizes() const
{
    const DrawCheck *game = checkedGame();
    return game && CheckSummary::hasMoney(*game);
}

int ListedTickets::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0
                            : m_log.columns() +
                                  (m_history ? 2
                                   : m_check ? 1
                                             : 0) +
                                  (showsPrizes() ? 1 : 0);
}

QVariant ListedTickets::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const bool prize = showsPrizes() && index.column() == columnCount() - 1;
    const bool result = index.column() == m_log.columns();
    const bool draw = index.column() > m_log.columns() && !prize;
    if (prize &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)) {
        const Listed &listed = m_listed[std::size_t(index.row())];
        // By when and where its earliest draw still to claim is claimed;
        // where none is left, the one that expired.
        QString claim;
        bool expired = false;
        if (m_history) {
            const int today = Today();
            // What is painted needs no texts: only whether a prize expired.
            for (const Winning &winning :
                 SeasonWinnings(m_log, *m_history, {&listed, 1}, m_player, today, m_claimedOn,
                                role != Qt::DisplayRole)) {
                if (winning.open(today)) {
                    expired = false;
                    claim = (winning.rule ? QStringLiteral("claim ") : QString()) +
                            winning.claimText(today);
                    break;
                }
                if (winning.expired(today) && claim.isEmpty()) {
                    claim = winning.claimText(today);
                    expired = true;
                }
            }
        }
        if (role == Qt::ToolTipRole)
            return claim.isEmpty() ? QVariant() : QVariant(claim);
        QString text =
            CheckSummary::prizeText(CheckSummary::moneyOf(m_log, *checkedGame(), listed, season()));
        if (expired)
            text += QStringLiteral(", ") + claim;
        if (role == Qt::DisplayRole)
            return text;
        return claim.isEmpty() || expired ? QStringLiteral("Prize: %1").arg(text)
                                          : QStringLiteral("Prize: %1; %2").arg(text, claim);
    }
    if ((result || draw) &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)) {
        const Listed &listed = m_listed[std::size_t(index.row())];
        const DrawCheck &game = *checkedGame();
        Texts texts;
        if (m_history)
            texts = seasonTexts(listed);
        else
            texts.result = listed.match.text(game.extraName());
        const QString &text = result ? texts.result : texts.draw;
        if (role == Qt::ToolTipRole)
            return texts.count.isEmpty() ? QVariant() : QVariant(texts.days(true));
        if (role == Qt::DisplayRole)
            return text;
        const QString spoken =
            (result ? QStringLiteral("Result: %1") : QStringLiteral("Draw: %1")).arg(text);
        return result && !texts.count.isEmpty() ? spoken + QStringLiteral("; ") + texts.days(false)
                                                : spoken;
    }
    if (result || draw || prize || role != Qt::DisplayRole)
        return {};
    return m_log.text(logRow(index.row()), index.column());
}

// A season's texts of a ticket: its result and its draw, and for a ticket
// of several draws, what its days came to. A ticket that plays Double Play
// shows that drawing's beside the game's.
ListedTickets::Texts ListedTickets::seasonTexts(const Listed &listed) const
{
    const DrawCheck &game = m_history->game();
    const QString extra = game.extraName();
    Texts texts;
    texts.result = listed.match.text(extra);
    if (listed.draw < 0)
        return texts;
    texts.draw = game.drawText(m_history->drawNumbers(listed.draw));
    const std::optional<TicketDates> dates = TicketDates::of(m_log, listed.row);
    const bool doublePlay = game.readPlay(m_log, listed.row).doublePlay;
    if (!dates || (!dates->isSeveral() && !doublePlay))
        return texts;
    const DrawList &draws = m_history->draws();
    const HistoryCheck::Days days = m_history->days(m_log, listed.row);
    const auto dayText = [&](int draw) {
        const int date = draws.date(draw);
        return QStringLiteral("%1/%2/%3")
            .arg(date / 100 % 100, 2, 10, QLatin1Char('0'))
            .arg(date % 100, 2, 10, QLatin1Char('0'))
            .arg(date / 10000);
    };
    const auto resultOf = [&](const HistoryCheck::Day &day) {
        return day.doublePlay ? QStringLiteral("%1; DP %2")
                                    .arg(day.match.text(extra), day.doublePlay->text(extra))
                              : day.match.text(extra);
    };
    for (const HistoryCheck::Day &day : days.held) {
        if (day.draw != listed.draw)
            continue;
        texts.result = resultOf(day);
        std::vector<int> second;
        if (doublePlay && draws.secondNumbers(day.draw, second))
            texts.draw += QStringLiteral("; DP ") + game.drawText(second);
        if (dates->isSeveral())
            texts.draw = dayText(day.draw) + QStringLiteral(": ") + texts.draw;
    }
    if (!dates->isSeveral())
        return texts;
    // "9 draws in the file, 1 to come; won 12/05/2026: 3 of 5 + PB, $100".
    const int held = int(days.held.size());
    QString count = held == 1 ? QStringLiteral("1 draw in the file")
                              : QStringLiteral("%1 draws in the file").arg(held);
    if (days.toCome > 0)
        count += QStringLiteral(", %1 to come").arg(days.toCome);
    else if (days.toCome < 0)
        count += QStringLiteral(", more to come");
    texts.count = count;
    const bool money = CheckSummary::hasMoney(game);
    for (const HistoryCheck::Day &day : days.held) {
        if (!CheckSummary::wins(day.best(), game))
            continue;
        QString text = QStringLiteral("%1: %2").arg(dayText(day.draw), resultOf(day));
        if (money) {
            TicketMoney dayMoney;
            CheckSummary::addDay(dayMoney, game, game.readPlay(m_log, listed.row), day, draws);
            if (const QString prize = CheckSummary::prizeText(dayMoney); !prize.isEmpty())
                text += QStringLiteral(", ") + prize;
        }
        texts.won << text;
    }
    return texts;
}

// Heard on one line; seen with a line for each draw won.
QString ListedTickets::Texts::days(bool lines) const
{
    if (won.isEmpty())
        return count + QStringLiteral("; none won");
    return lines ? count + QStringLiteral("; won:\n") + won.join(u'\n')
                 : count + QStringLiteral("; won ") + won.join(QStringLiteral("; "));
}

QVariant ListedTickets::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return m_log.headerData(section, orientation, role);
    if (role == Qt::AccessibleTextRole && m_order && m_order->column() == section) {
        // Screen readers hear which column sorts the list, and which way.
        return QStringLiteral("%1, sorted %2")
            .arg(headerData(section, orientation).toString(), m_order->isDescending()
                                                                  ? QStringLiteral("descending")
                                                                  : QStringLiteral("ascending"));
    }
    if (role == Qt::DisplayRole && section == m_log.columns() && isChecking())
        return QStringLiteral("MATCH");
    if (role == Qt::DisplayRole && section == columnCount() - 1 && showsPrizes())
        return QStringLiteral("PRIZE");
    if (role == Qt::DisplayRole && section == m_log.columns() + 1 && m_history)
        return QStringLiteral("DRAW");
    return m_log.headerData(section, orientation, role);
}
