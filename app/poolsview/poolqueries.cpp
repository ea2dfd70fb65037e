#include "poolqueries.h"

#include "amounttext.h"
#include "civildate.h"
#include "claimqueries.h"
#include "claimshares.h"
#include "dialogfolder.h"
#include "filewarning.h"
#include "listedtickets.h"
#include "loglistmodel.h"
#include "poolentrydialog.h"
#include "poolmarks.h"
#include "poolmoves.h"
#include "poolprize.h"
#include "poolrecord.h"
#include "poolsheet.h"
#include "poolswindow.h"
#include "recordpdf.h"
#include "reportlist.h"
#include "splitstatement.h"
#include "texttablemodel.h"
#include "ticketcopies.h"
#include "ticketphotos.h"
#include "windowplacement.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTableView>
#include <QUndoStack>

#include <map>
#include <unordered_map>

namespace {

QString dayText(int date)
{
    return QString::fromStdString(CivilDate::text(date));
}

// A name as part of a file's: what no system refuses.
QString fileNameOf(const QString &name)
{
    QString file;
    for (const QChar c : name)
        file += c.isLetterOrNumber() ? c : u'-';
    return file;
}

} // namespace

PoolQueries::PoolQueries(ReportList &list, const LogListModel &log, ListedTickets &listed,
                         ClaimQueries &claims)
    : QObject(&claims), m_list(list), m_log(log), m_listed(listed), m_claims(claims),
      m_marks(new PoolMarks(this))
{
    m_claims.setPools(
        [this] { return &m_marks->ledger(); },
        [this](const ClaimRecord &claim, QUndoCommand *step) {
            // The pool that held the ticket when it was drawn.
            const PoolLedger &ledger = m_marks->ledger();
            if (const PoolLedger::Pool *pool =
                    ledger.holderAt(claim.cells(), claim.copy, DrawnAt(claim.game, claim.drawDate))
                        .pool) {
                std::vector<PoolEntry> shares = ClaimShares(ledger, *pool, claim);
                if (!shares.empty())
                    m_marks->addWith(step, std::move(shares));
            }
        });
    connect(m_marks, &PoolMarks::changed, this, [this](const QString &problem) {
        if (m_window && m_window->isVisible())
            showPool(m_pool);
        m_claims.followListing();
        if (!problem.isEmpty())
            warn(QStringLiteral("The pool could not be saved to pools.csv."), problem);
    });
    connect(m_marks, &PoolMarks::noticed, this, [this](const QString &notice) {
        QMessageBox::information(m_window && m_window->isActiveWindow()
                                     ? static_cast<QWidget *>(m_window)
                                     : m_list.window(),
                                 QStringLiteral("Pools"), notice);
    });
    connect(&m_claims, &ClaimQueries::claimsChanged, this, [this] {
        if (m_window && m_window->isVisible())
            showPool(m_pool);
    });
}

QString PoolQueries::openPools(const QString &logPath, QUndoStack *undo)
{
    m_marks->setUndoStack(undo);
    return m_marks->open(logPath);
}

void PoolQueries::warn(const QString &what, const QString &problem)
{
    WarnNotWritten(m_window && m_window->isActiveWindow() ? static_cast<QWidget *>(m_window)
                                                          : m_list.window(),
                   what, problem);
}

void PoolQueries::addSelectedToPool()
{
    QStringList names;
    for (const PoolLedger::Pool &pool : m_marks->ledger().pools())
        names << pool.name;
    const QModelIndexList selected = m_list.selectionModel()->selectedRows();
    if (selected.isEmpty() || names.isEmpty()) {
        QMessageBox::information(
            m_list.window(), QStringLiteral("Add to Pool"),
            names.isEmpty() ? QStringLiteral("No pool is kept yet: make one in Pools... first.")
                            : QStringLiteral("Select the pool's tickets in the list first."));
        return;
    }
    bool chosen = false;
    const QString pool = QInputDialog::getItem(
        m_list.window(), QStringLiteral("Add to Pool"),
        QStringLiteral("Add %1 selected ticket(s) to the pool:").arg(selected.size()), names,
        std::max(0, int(names.indexOf(m_pool))), false, &chosen);
    if (!chosen)
        return;
    std::vector<int> rows;
    for (const QModelIndex &index : selected)
        rows.push_back(m_listed.listed()[std::size_t(index.row())].row);
    std::sort(rows.begin(), rows.end());
    std::vector<PoolEntry> entries;
    QStringList refused;
    const PoolLedger &ledger = m_marks->ledger(); // as it is once the pool is chosen
    const std::vector<Winning> winnings = m_claims.seasonWinnings();
    for (const int row : rows) {
        const TicketCopy ticket = TicketCopy::of(m_log, row);
        if (const QString won = PoolMoves::refused(ledger, winnings, ticket, pool);
            !won.isEmpty()) {
            refused << won;
            continue;
        }
        PoolEntry entry;
        entry.pool = pool;
        entry.kind = PoolEntry::Kind::Ticket;
        entry.game = ticket.game;
        entry.ticketDate = ticket.date;
        entry.numbers = ticket.numbers;
        entry.copy = ticket.copy;
        if (const QString problem = ledger.problemOf(entry); !problem.isEmpty())
            refused << problem;
        else
            entries.push_back(entry);
    }
    if (!entries.empty()) {
        m_pool = pool;
        m_marks->add(std::move(entries), QStringLiteral("Add to Pool"));
    }
    if (!refused.isEmpty())
        QMessageBox::information(m_list.window(), QStringLiteral("Add to Pool"),
                                 QStringLiteral("Not added:\n") + refused.join(u'\n'));
}

// Beside the main window the first time, where the user put it after.
void PoolQueries::openPoolsWindow()
{
    if (!m_window) {
        m_window = new PoolsWindow(m_list.window());
        // A step is undone where it was made, as in the main window.
        if (QUndoStack *undo = m_marks->undoStack()) {
            QAction *back = undo->createUndoAction(m_window);
            QAction *again = undo->createRedoAction(m_window);
            back->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
            again->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
            for (QAction *action : {back, again}) {
                action->setShortcutContext(Qt::WindowShortcut);
                m_window->addAction(action);
            }
        }
        connect(m_window, &PoolsWindow::poolChosen, this, &PoolQueries::showPool);
        connect(m_window, &PoolsWindow::newPoolAsked, this,
                [this] { askEntry(int(PoolEntry::Kind::Pool)); });
        connect(m_window, &PoolsWindow::addMemberAsked, this,
                [this] { askEntry(int(PoolEntry::Kind::Member)); });
        connect(m_window, &PoolsWindow::recordPaymentAsked, this,
                [this] { askEntry(int(PoolEntry::Kind::Payment)); });
        connect(m_window, &PoolsWindow::takeBackAsked, this,
                [this](PoolsWindow::Table table, int row) { takeBack(int(table), row); });
        connect(m_window, &PoolsWindow::sheetAsked, this, &PoolQueries::askSheet);
        connect(m_window, &PoolsWindow::recordAsked, this, &PoolQueries::askRecord);
        connect(m_window, &PoolsWindow::statementAsked, this, &PoolQueries::askStatement);
        PlaceBeside(m_window, m_list.window());
    }
    showPool(m_pool);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void PoolQueries::showPool(const QString &name)
{
    const PoolLedger &ledger = m_marks->ledger();
    const PoolLedger::Pool *pool = ledger.pool(name);
    if (!pool && !ledger.pools().empty())
        pool = &ledger.pools().front();
    m_pool = pool ? pool->name : QString();
    QStringList names;
    for (const PoolLedger::Pool &each : ledger.pools())
        names << each.name;
    m_window->setPools(names, m_pool);
    m_memberLines.clear();
    m_paymentLines.clear();
    m_ticketLines.clear();
    m_prizes.clear();
    std::vector<QStringList> members;
    std::vector<QStringList> payments;
    std::vector<QStringList> tickets;
    std::vector<QStringList> prizes;
    QStringList prizeTips;
    QStringList line;
    QStringList moved;
    if (!pool) {
        line << QStringLiteral("No pool is kept yet: New Pool... makes one, then add its members, "
                               "record their payments, and add its tickets from the list's "
                               "menu, Add to Pool...");
    } else {
        // When a member joined, a ticket was added: by the line's number.
        std::unordered_map<int, const QString *> recorded;
        for (const PoolEntry &entry : m_marks->book().entries())
            recorded.emplace(entry.number, &entry.recorded);
        const auto recordedOf = [&recorded](int number) {
            const auto found = recorded.find(number);
            return found == recorded.end() ? QString() : *found->second;
        };
        std::map<QString, std::int64_t> paidIn;
        for (const PoolLedger::Payment &payment : pool->payments) {
            if (!payment.life.now())
                continue;
            paidIn[payment.member.toCaseFolded()] += payment.amount;
            m_paymentLines.push_back(payment.number);
            payments.push_back({payment.member, CentsText(payment.amount), payment.draws,
                                payment.recorded,
                                payment.late() ? QStringLiteral("recorded after the draw of %1")
                                                     .arg(dayText(payment.dates.first))
                                               : QString()});
        }
        for (const PoolLedger::Ticket &ticket : pool->tickets) {
            if (!ticket.life.now())
                continue;
            m_ticketLines.push_back(ticket.number);
            tickets.push_back(
                {ticket.game, ticket.date, ticket.numbers, recordedOf(ticket.number)});
        }
        const std::vector<Winning> winnings = m_claims.seasonWinnings();
        const int today = Today();
        // The money the pool keeps of its small prizes claimed, each
        // member's part of it theirs.
        std::map<QString, std::int64_t> keptFor;
        std::int64_t keptMoney = 0;
        for (const Winning &winning : winnings) {
            std::optional<PoolPrize> prize =
                PoolPrize::of(ledger, winning, m_claims.claimRecords(), today);
            if (!prize || prize->pool != pool)
                continue;
            m_prizes.push_back(winning);
            if (prize->claimed && prize->split.kept) {
                keptMoney += prize->split.prize;
                for (const PrizeSplit::Share &share : prize->split.shares)
                    keptFor[share.member.toCaseFolded()] += share.share;
            }
            QString tip = prize->split.text();
            if (prize->ticketLate)
                tip +=
                    QStringLiteral(" (the ticket was put into %1 after the draw)").arg(pool->name);
            prizes.push_back({winning.game, dayText(winning.drawDate), winning.numbers,
                              CentsText(prize->claim.paid),
                              CentsText(prize->claim.federal + prize->claim.stateWithheld),
                              prize->claimed ? dayText(prize->claim.claimed) : QString(),
                              prize->split.text()});
            prizeTips << tip;
        }
        moved = PoolMoves::afterWins(ledger, *pool, winnings);
        for (const PoolLedger::Member &member : pool->members) {
            m_memberLines.push_back(member.number);
            members.push_back({member.name, member.contact, recordedOf(member.number),
                               CentsText(paidIn[member.name.toCaseFolded()]),
                               CentsText(keptFor[member.name.toCaseFolded()])});
        }
        line << QStringLiteral("Manager %1; split %2; small prizes %3; begun %4.")
                    .arg(pool->manager,
                         pool->split == PoolEntry::Split::Equal
                             ? QStringLiteral("equally")
                             : QStringLiteral("by what each paid"),
                         pool->keepsSmallPrizes
                             ? QStringLiteral("up to %1 kept").arg(CentsText(pool->keptUpTo))
                             : QStringLiteral("split"),
                         dayText(pool->began));
        line << QStringLiteral("%1 member(s), %2 payment(s), %3 ticket(s).")
                    .arg(members.size())
                    .arg(payments.size())
                    .arg(tickets.size());
        if (keptMoney)
            line << QStringLiteral("%1 of small prizes claimed is kept toward the next draws, "
                                   "each member's part of it under Kept for them.")
                        .arg(CentsText(keptMoney));
        if (!m_listed.season())
            line << QStringLiteral("Check a season (Get Results) for its prizes.");
        else
            line << QStringLiteral("%1 prize(s) in the season checked.").arg(prizes.size());
    }
    for (const QString &problem : ledger.problems())
        line << problem + u'.';
    line << moved;
    if (const int broken = m_marks->book().brokenChain())
        line << QStringLiteral("Line %1 of pools.csv was changed after it was written: its "
                               "chain does not hold.")
                    .arg(broken);
    m_window->model(PoolsWindow::Members).setRows(std::move(members));
    m_window->model(PoolsWindow::Payments).setRows(std::move(payments));
    m_window->model(PoolsWindow::Tickets).setRows(std::move(tickets));
    m_window->model(PoolsWindow::Prizes).setRows(std::move(prizes), prizeTips);
    m_window->setLine(line.join(u' '));
}

void PoolQueries::askEntry(int kind)
{
    const PoolLedger &ledger = m_marks->ledger();
    const PoolLedger::Pool *pool = ledger.pool(m_pool);
    const auto entryKind = PoolEntry::Kind(kind);
    if (entryKind != PoolEntry::Kind::Pool && !pool) {
        m_window->setLine(QStringLiteral("Make a pool first: New Pool..."));
        return;
    }
    QStringList members;
    if (pool) {
        for (const PoolLedger::Member &member : pool->members)
            members << member.name;
    }
    if (entryKind == PoolEntry::Kind::Payment && members.isEmpty()) {
        m_window->setLine(QStringLiteral("Add a member first: Add Member..."));
        return;
    }
    PoolEntryDialog dialog(
        entryKind, m_pool, members, Today(),
        [this, entryKind](const PoolEntry &entry) {
            const PoolLedger &now = m_marks->ledger();
            if (entryKind == PoolEntry::Kind::Pool && now.pool(entry.pool))
                return QStringLiteral("A pool named %1 is already kept.").arg(entry.pool);
            return now.problemOf(entry);
        },
        m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    static const char *const steps[] = {"New Pool", "Add Member", "Record Payment"};
    if (entryKind == PoolEntry::Kind::Pool)
        m_pool = dialog.entries().front().pool;
    const QString problem =
        m_marks->add(dialog.entries(), QString::fromLatin1(steps[std::min(kind, 2)]));
    if (!problem.isEmpty())
        m_window->setLine(problem);
}

void PoolQueries::takeBack(int table, int row)
{
    const std::vector<int> *lines = table == PoolsWindow::Members    ? &m_memberLines
                                    : table == PoolsWindow::Payments ? &m_paymentLines
                                                                     : &m_ticketLines;
    if (row < 0 || row >= int(lines->size()))
        return;
    PoolEntry back;
    back.pool = m_pool;
    back.kind = PoolEntry::Kind::TakenBack;
    back.takesBack = (*lines)[std::size_t(row)];
    m_marks->add({back}, QStringLiteral("Take Back"));
}

QString PoolQueries::savePath(const QString &title, const QString &name, const QString &kind)
{
    const QString documents = DialogFolder(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(
        m_window, title, QDir(documents).filePath(name + u'.' + kind.toLower()),
        QStringLiteral("%1 files (*.%2)").arg(kind, kind.toLower()));
}

bool PoolQueries::savePoolSheet(const QString &pool, const QString &path, QString *reason)
{
    const PoolLedger::Pool *kept = m_marks->ledger().pool(pool);
    if (!kept) {
        if (reason)
            *reason = QStringLiteral("No pool named %1 is kept").arg(pool);
        return false;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const PoolSheet sheet =
        PoolSheet::of(*kept, now, m_marks->book().markAt(now.toSecsSinceEpoch()),
                      TicketPhotos::besideLog(m_marks->book().path()).photos());
    QString why;
    const bool saved = RecordPdf::write(sheet.heading, sheet.sections, path, &why);
    if (reason)
        *reason = why;
    return saved;
}

bool PoolQueries::savePoolRecord(const QString &pool, const QString &path, QString *reason)
{
    const PoolLedger &ledger = m_marks->ledger();
    const PoolLedger::Pool *kept = ledger.pool(pool);
    if (!kept) {
        if (reason)
            *reason = QStringLiteral("No pool named %1 is kept").arg(pool);
        return false;
    }
    std::vector<PoolPrize> prizes;
    for (const Winning &winning : m_claims.seasonWinnings()) {
        std::optional<PoolPrize> prize =
            PoolPrize::of(ledger, winning, m_claims.claimRecords(), Today());
        if (prize && prize->pool == kept)
            prizes.push_back(std::move(*prize));
    }
    const PoolRecord record =
        PoolRecord::of(m_marks->book(), *kept, prizes, QDateTime::currentDateTime());
    QString why;
    const bool saved = RecordPdf::write(record.heading, record.sections, path, &why);
    if (reason)
        *reason = why;
    return saved;
}

void PoolQueries::askRecord()
{
    askPoolPdf(QStringLiteral("Record"), &PoolQueries::savePoolRecord);
}

void PoolQueries::askSheet()
{
    askPoolPdf(QStringLiteral("Sheet"), &PoolQueries::savePoolSheet);
}

// "Save Pool Sheet as PDF", to pool-sheet-Office.pdf in the documents.
void PoolQueries::askPoolPdf(const QString &what,
                             bool (PoolQueries::*save)(const QString &, const QString &, QString *))
{
    if (m_pool.isEmpty())
        return;
    const QString path =
        savePath(QStringLiteral("Save Pool %1 as PDF").arg(what),
                 QStringLiteral("pool-%1-%2").arg(what.toLower(), fileNameOf(m_pool)),
                 QStringLiteral("PDF"));
    QString reason;
    if (!path.isEmpty() && !(this->*save)(m_pool, path, &reason))
        warn(QStringLiteral("The pool %1 could not be saved to \"%2\".")
                 .arg(what.toLower(), QDir::toNativeSeparators(path)),
             reason);
}

bool PoolQueries::saveSplitStatement(const QString &pool, int prize, const QString &path, bool pdf,
                                     QString *reason)
{
    const PoolLedger::Pool *kept = m_marks->ledger().pool(pool);
    if (!kept || pool != m_pool || prize < 0 || prize >= int(m_prizes.size())) {
        if (reason)
            *reason = QStringLiteral("No prize of %1 is listed").arg(pool);
        return false;
    }
    const Winning &winning = m_prizes[std::size_t(prize)];
    const std::optional<PoolPrize> held =
        PoolPrize::of(m_marks->ledger(), winning, m_claims.claimRecords(), Today());
    const PoolPrize won =
        held ? *held : PoolPrize::of(*kept, winning, m_claims.claimRecords(), Today());
    const PoolBook &book = m_marks->book();
    const SplitStatement statement =
        SplitStatement::of(*kept, won, book.markAt(won.split.drawnAt),
                           book.markAt(QDateTime::currentSecsSinceEpoch()));
    QString why;
    const bool saved = pdf ? RecordPdf::write(statement.heading, statement.sections, path, &why)
                           : WriteSectionsCsv(statement.heading, statement.sections, path, &why);
    if (reason)
        *reason = why;
    return saved;
}

void PoolQueries::askStatement(int prize, bool pdf)
{
    if (prize < 0 || prize >= int(m_prizes.size())) {
        m_window->setLine(m_prizes.empty()
                              ? QStringLiteral("The pool has no prize in the season checked.")
                              : QStringLiteral("Select a prize in the Prizes table first."));
        return;
    }
    const QString kind = pdf ? QStringLiteral("PDF") : QStringLiteral("CSV");
    const Winning &winning = m_prizes[std::size_t(prize)];
    const QString path = savePath(
        QStringLiteral("Save Split Statement as %1").arg(kind),
        QStringLiteral("pool-split-%1-%2").arg(fileNameOf(m_pool)).arg(winning.drawDate), kind);
    QString reason;
    if (!path.isEmpty() && !saveSplitStatement(m_pool, prize, path, pdf, &reason))
        warn(QStringLiteral("The split statement could not be saved to \"%1\".")
                 .arg(QDir::toNativeSeparators(path)),
             reason);
}
