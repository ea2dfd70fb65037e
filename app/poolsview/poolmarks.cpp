#include "poolmarks.h"

#include "csvlines.h"
#include "poolentriesstep.h"

#include <QDir>

PoolMarks::PoolMarks(QObject *parent)
    : QObject(parent), m_book(QString()), m_ledger(std::make_unique<PoolLedger>(m_book.entries()))
{
}

QString PoolMarks::open(const QString &logPath)
{
    m_book = PoolBook(PoolBook::besideLog(logPath));
    const PoolBook::Read read = m_book.read();
    m_ledger = std::make_unique<PoolLedger>(m_book.entries());
    if (read == PoolBook::Read::KeptAside)
        return m_book.keptAside().isEmpty()
                   ? QStringLiteral("Your pools, %1, could not be read; it is left as it is, and "
                                    "no pool can be changed until it is mended or moved.")
                         .arg(QDir::toNativeSeparators(m_book.path()))
                   : QStringLiteral("Your pools could not be read: the file is kept as %1, and "
                                    "new pools start a new one.")
                         .arg(QDir::toNativeSeparators(m_book.keptAside()));
    QStringList said;
    if (const std::vector<int> &lines = m_book.unreadableLines(); !lines.empty())
        said << CsvLines::unreadableText(lines, QStringLiteral("your pools"), m_book.path());
    if (const int broken = m_book.brokenChain())
        said << QStringLiteral("Line %1 of your pools, %2, was changed after it was written: its "
                               "chain does not hold, and a member's sheet or statement shows the "
                               "record as it stood.")
                    .arg(broken)
                    .arg(QDir::toNativeSeparators(m_book.path()));
    if (const std::vector<int> &lines = m_book.unchainedLines(); !lines.empty())
        said << QStringLiteral("%1 of your pools carr%2 no chain: written by a hand, not by "
                               "Ticketwise.")
                    .arg(lines.size() == 1 ? QStringLiteral("Line %1").arg(lines.front())
                                           : QStringLiteral("%1 lines, the first line %2")
                                                 .arg(lines.size())
                                                 .arg(lines.front()),
                         lines.size() == 1 ? QStringLiteral("ies") : QStringLiteral("y"));
    return said.join(u' ');
}

QString PoolMarks::add(std::vector<PoolEntry> entries, const QString &text)
{
    for (const PoolEntry &entry : entries) {
        if (const QString problem = m_ledger->problemOf(entry); !problem.isEmpty())
            return problem;
    }
    auto *step = new PoolEntriesStep(m_book, std::move(entries), text,
                                     [this](const QString &problem) { report(problem); });
    if (m_undo) {
        m_undo->push(step);
    } else {
        step->redo();
        delete step;
    }
    return {};
}

void PoolMarks::addWith(QUndoCommand *parent, std::vector<PoolEntry> entries)
{
    new PoolEntriesStep(
        m_book, std::move(entries), parent->text(),
        [this](const QString &problem) { report(problem); }, parent);
}

void PoolMarks::report(const QString &problem)
{
    m_ledger = std::make_unique<PoolLedger>(m_book.entries());
    emit changed(problem);
    if (!m_book.keptBefore().isEmpty())
        emit noticed(QStringLiteral("A name you typed has a character the code page of your "
                                    "pools, %1, cannot write: it is written anew in UTF-8, and "
                                    "the file as it was is kept as %2.")
                         .arg(QDir::toNativeSeparators(m_book.path()),
                              QDir::toNativeSeparators(m_book.keptBefore())));
}
