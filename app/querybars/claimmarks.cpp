#include "claimmarks.h"

#include "civildate.h"
#include "markclaimeddialog.h"
#include "markclaimedstep.h"
#include "taxyear.h"

#include <QDir>
#include <QUndoStack>

ClaimMarks::ClaimMarks(QWidget *window, QObject *parent)
    : QObject(parent), m_window(window), m_book(QString())
{
}

QString ClaimMarks::open(const QString &logPath)
{
    m_book = ClaimBook(ClaimBook::besideLog(logPath));
    if (m_book.read() != ClaimBook::Read::KeptAside)
        return {};
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
    if (m_book.records().empty())
        return 0;
    ClaimRecord draw;
    draw.game = log.text(row, 0);
    draw.ticketDate = log.text(row, 1);
    draw.numbers = log.text(row, 2);
    draw.drawDate = drawDate;
    const ClaimRecord *found = m_book.find(draw);
    return found ? found->claimed : 0;
}

void ClaimMarks::ask(const Winning &winning, const LogList &log)
{
    ClaimRecord suggested;
    suggested.game = log.text(winning.row, 0);
    suggested.ticketDate = log.text(winning.row, 1);
    suggested.numbers = log.text(winning.row, 2);
    suggested.drawDate = winning.drawDate;
    suggested.claimed = std::max(Today(), winning.drawDate);
    suggested.state = winning.rule ? QLatin1StringView(winning.rule->code.data(), 2) : QString();
    suggested.prize = winning.dollars * 100;
    suggested.wager = winning.wager * 100;
    suggested.paid = suggested.prize;
    // Filled in from the rules of the year it is claimed in, where known.
    const int year = suggested.claimed / 10000;
    if (const TaxYear *tax = TaxYearOf(year))
        suggested.federal = FederalWithholding(*tax, suggested.prize, suggested.wager);
    if (const StateWithholding *state = StateWithholdingOf(suggested.state.toStdString(), year))
        suggested.stateWithheld = StateWithheld(*state, suggested.prize, suggested.wager);
    MarkClaimedDialog dialog(suggested,
                             QStringLiteral("%1, the draw of %2: %3, %4")
                                 .arg(winning.game,
                                      QString::fromStdString(CivilDate::text(winning.drawDate)),
                                      winning.numbers, winning.prize),
                             m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto *step = new MarkClaimedStep(m_book, dialog.record(),
                                     [this](const QString &problem) { emit changed(problem); });
    if (m_undo)
        m_undo->push(step);
    else {
        step->redo();
        delete step;
    }
}
