#include "poolbook.h"

#include "csvlines.h"
#include "keptlines.h"
#include "poolchain.h"
#include "poolledger.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <unordered_set>

PoolBook::PoolBook(const QString &path) : m_file(path) {}

QString PoolBook::besideLog(const QString &logPath)
{
    return QFileInfo(logPath).dir().filePath(QStringLiteral("pools.csv"));
}

PoolBook::Read PoolBook::read()
{
    m_entries.clear();
    m_bytes.clear();
    m_columns.reset();
    m_unreadableLines.clear();
    m_unchainedLines.clear();
    m_brokenChain = 0;
    m_nextNumber = 1;
    m_lines = 0;
    m_lastChain.clear();
    const KeptFile::Contents file = m_file.read();
    if (!file.exists)
        return Read::Read;
    if (file.whole && CsvLines::empty(file.bytes)) {
        m_bytes = file.bytes;
        m_file.settle(file.bytes);
        return Read::Read;
    }
    std::optional<PoolColumns> columns;
    if (file.whole) {
        const KeptLines lines(file.bytes);
        const std::vector<KeptLines::Line> &all = lines.lines();
        QList<QStringView> fields;
        QString text;
        if (!all.empty()) {
            text = lines.text(all.front());
            if (lines.cells(text, fields))
                columns = PoolColumns::of(fields);
        }
        // A number no line of the file can have, as each line is numbered
        // one past the last: beyond the file's count of lines.
        m_lines = lines.count();
        std::unordered_set<int> numbers;
        m_entries.reserve(all.size());
        int most = 0;
        bool chained = false;
        for (std::size_t at = 1; columns && at < all.size(); ++at) {
            const KeptLines::Line &line = all[at];
            text = lines.text(line);
            const bool closed = lines.cells(text, fields);
            std::optional<PoolEntry> entry =
                closed ? columns->read(fields, lines.separator()) : std::nullopt;
            if (const std::optional<int> number = columns->numberOf(fields);
                number && *number <= m_lines)
                most = std::max(most, *number);
            if (entry && (entry->number > m_lines || !numbers.insert(entry->number).second))
                entry.reset();
            const QString chain = columns->chainOf(fields);
            if (entry) {
                entry->line = line.number;
                if (!chain.isEmpty()) {
                    if (!m_brokenChain && PoolChain::next(m_lastChain, entry->values()) != chain)
                        m_brokenChain = line.number;
                } else if (chained) {
                    m_unchainedLines.push_back(line.number);
                }
                m_entries.push_back(std::move(*entry));
            } else {
                m_unreadableLines.push_back(line.number);
            }
            if (!chain.isEmpty()) {
                m_lastChain = chain;
                chained = true;
            }
        }
        m_nextNumber = most + 1;
    }
    if (columns) {
        m_columns = std::move(columns);
        m_bytes = file.bytes;
        m_file.settle(file.bytes);
        return Read::Read;
    }
    // As if there were no file, once it is moved aside.
    m_entries.clear();
    m_unreadableLines.clear();
    m_unchainedLines.clear();
    m_brokenChain = 0;
    m_nextNumber = 1;
    m_lines = 0;
    m_lastChain.clear();
    m_file.keepAside(QStringLiteral("pools"));
    return Read::KeptAside;
}

bool PoolBook::followDisk(QString *reason)
{
    m_readAgain = m_file.changed();
    if (!m_readAgain || read() == Read::Read)
        return true;
    if (reason)
        *reason = m_file.changedText();
    return false;
}

std::optional<std::vector<int>> PoolBook::add(std::vector<PoolEntry> entries, QString *reason)
{
    m_keptBefore.clear();
    const KeptFile::Held lock = m_file.lock(reason);
    if (!lock)
        return std::nullopt;
    // What was checked against the file as it was read is checked again
    // against what another copy wrote since: a line that could be taken
    // then and no longer can (a member another copy took back, a pool it
    // made meanwhile) is refused.
    const std::vector<PoolEntry> before = m_file.changed() ? m_entries : std::vector<PoolEntry>();
    if (!followDisk(reason))
        return std::nullopt;
    if (m_readAgain) {
        const PoolLedger then(before);
        const PoolLedger fresh(m_entries);
        const auto problem = [](const PoolLedger &ledger, const PoolEntry &entry) {
            if (entry.kind == PoolEntry::Kind::Pool && ledger.pool(entry.pool))
                return QStringLiteral("A pool named %1 is already kept.").arg(entry.pool);
            return entry.kind == PoolEntry::Kind::Share || entry.kind == PoolEntry::Kind::TakenBack
                       ? QString()
                       : ledger.problemOf(entry);
        };
        for (const PoolEntry &entry : entries) {
            if (const QString now = problem(fresh, entry);
                !now.isEmpty() && problem(then, entry).isEmpty()) {
                if (reason)
                    *reason = QStringLiteral("Another copy of Ticketwise changed your pools "
                                             "meanwhile: %1")
                                  .arg(now);
                return std::nullopt;
            }
        }
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QString recorded = now.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss"));
    std::vector<int> numbers;
    QString chain = m_lastChain;
    int next = m_nextNumber;
    for (PoolEntry &entry : entries) {
        entry.number = next++;
        entry.recorded = recorded;
        entry.recordedAt = now.toSecsSinceEpoch();
        entry.chain.clear();
        entry.chain = chain = PoolChain::next(chain, entry.values());
        numbers.push_back(entry.number);
    }
    QByteArray bytes;
    std::optional<PoolColumns> columns = m_columns;
    if (!columns) {
        bytes = CsvLines::byteOrderMark;
        const QStringList titles = PoolEntry::titles();
        CsvLines::append(bytes, titles);
        columns = PoolColumns::of(QList<QStringView>(titles.begin(), titles.end()));
        int line = 1;
        for (PoolEntry &entry : entries) {
            CsvLines::append(bytes, columns->arranged(entry));
            entry.line = ++line;
        }
    } else {
        const KeptLines lines(m_bytes);
        int line = lines.count();
        for (PoolEntry &entry : entries)
            entry.line = ++line;
        std::vector<QStringList> added;
        for (const PoolEntry &entry : entries)
            added.push_back(columns->arranged(entry));
        if (const std::optional<QByteArray> more = lines.added(added)) {
            bytes = m_bytes + *more;
        } else {
            // A name the file's code page cannot write: the file as it was
            // kept beside it, and written anew in UTF-8, which writes all.
            m_keptBefore = m_file.keepCopy(QStringLiteral("pools-before-UTF-8"));
            if (m_keptBefore.isEmpty()) {
                if (reason)
                    *reason = QStringLiteral("%1 holds a character its code page cannot write, "
                                             "and a copy of it as it is could not be kept")
                                  .arg(QDir::toNativeSeparators(m_file.path()));
                return std::nullopt;
            }
            bytes = lines.asUtf8(added);
        }
    }
    if (!m_file.write(bytes, reason))
        return std::nullopt;
    for (PoolEntry &entry : entries)
        m_entries.push_back(std::move(entry));
    m_bytes = bytes;
    m_columns = std::move(columns);
    m_nextNumber = next;
    m_lines += int(numbers.size());
    m_lastChain = chain;
    return numbers;
}

PoolBook::Mark PoolBook::markAt(std::int64_t instant) const
{
    Mark mark;
    for (const PoolEntry &entry : m_entries) {
        if (entry.recordedAt <= instant && !entry.chain.isEmpty())
            mark = {entry.number, entry.chain, entry.recorded};
    }
    return mark;
}
