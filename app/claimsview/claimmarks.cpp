#include "claimmarks.h"

#include "civildate.h"
#include "claimwithholding.h"
#include "csvlines.h"
#include "markclaimeddialog.h"
#include "markclaimedstep.h"

#include <QDir>
#include <QUndoStack>

ClaimMarks::ClaimMarks(QWidget *window, QObject *parent)
    : QObject(parent), m_window(window), m_book(QString())
{
}

QString ClaimMarks::open(const QString &logPath)
{
    m_book = ClaimBook(ClaimBook::besideLog(logPath));
    if (m_book.read() != ClaimBook::Read::KeptAside) {
        const std::vector<int> &lines = m_book.unreadableLines();
        return lines.empty()
                   ? QString()
                   : CsvLines::unreadableText(lines, QStringLiteral("your claims"), m_book.path());
    }
    if (m_book.keptAside().isEmpty())
        return QStringLiteral("Your claims, %1, could not be read; it is left as it is, and no "
                              "claim can be marked until it is mended or moved.")
            .arg(QDir::toNativeSeparators(m_book.path()));
    return QStringLiteral("Your claims could not be read: the file is kept as %1, and new claims "
                          "start a new one.")
        .arg(QDir::toNativeSeparators(m_book.keptAside()));
}

int ClaimMarks::claimedOn(const LogList &log, int row, int drawDate) const
{
    return ClaimBook::claimedOn(m_book.records(), log, row, drawDate);
}

void ClaimMarks::ask(const Winning &winning, const LogList &log)
{
    // The row the winning was found at may hold another ticket by now.
    if (!winning.ticket.rowIn(log)) {
        emit refused(QStringLiteral("The ticket %1, %2 is no longer in the log")
                         .arg(winning.ticket.game, winning.ticket.numbers));
        return;
    }
    ClaimRecord suggested;
    suggested.game = winning.ticket.game;
    suggested.ticketDate = winning.ticket.date;
    suggested.numbers = winning.ticket.numbers;
    suggested.copy = winning.ticket.copy;
    suggested.drawDate = winning.drawDate;
    suggested.claimed = std::max(Today(), winning.drawDate);
    suggested.state = winning.rule ? QLatin1StringView(winning.rule->code.data(), 2) : QString();
    suggested.prize = winning.dollars * 100;
    suggested.wager = winning.wager * 100;
    suggested.paid = suggested.prize;
    // Filled in from the rules of the year it is claimed in, where known.
    FillWithholding(suggested);
    MarkClaimedDialog dialog(suggested,
                             QStringLiteral("%1, the draw of %2: %3, %4")
                                 .arg(winning.game,
                                      QString::fromStdString(CivilDate::text(winning.drawDate)),
                                      winning.numbers, winning.prize),
                             m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto *step = new QUndoCommand(QStringLiteral("Mark Claimed"));
    new MarkClaimedStep(
        m_book, dialog.record(), [this](const QString &problem) { emit changed(problem); }, step);
    if (m_alsoOnClaim)
        m_alsoOnClaim(dialog.record(), step);
    if (m_undo)
        m_undo->push(step);
    else {
        step->redo();
        delete step;
    }
}
