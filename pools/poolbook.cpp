#include "poolbook.h"

#include "csvlines.h"
#include "delimitedtext.h"
#include "poolcolumns.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <unordered_set>

using namespace CsvLines;

PoolBook::PoolBook(const QString &path) : m_file(path) {}

QString PoolBook::besideLog(const QString &logPath)
{
    return QFileInfo(logPath).dir().filePath(QStringLiteral("pools.csv"));
}

PoolBook::Read PoolBook::read()
{
    m_entries.clear();
    m_kept.clear();
    m_columns.reset();
    m_unreadableLines.clear();
    const KeptFile::Contents file = m_file.read();
    if (!file.exists)
        return Read::Read;
    const QByteArray &bytes = file.bytes;
    if (file.whole && empty(bytes)) {
        m_file.settle(bytes);
        return Read::Read;
    }
    std::optional<PoolColumns> columns;
    if (file.whole) {
        DelimitedText text(bytes, DelimitedText::Separators::Csv);
        TextRecord line;
        // Every line is written back with its cells as they were, as this
        // program writes a CSV: whatever encoding and separator a
        // spreadsheet saved it in, the lines added match the lines kept.
        std::unordered_set<int> numbers;
        m_entries.reserve(std::size_t(bytes.count('\n')));
        const auto keep = [&] { m_kept += lineOf(line.fields, u',').toUtf8() + "\r\n"; };
        m_kept = byteOrderMark;
        if (text.next(line) && !line.unclosedQuote)
            columns = PoolColumns::of(line.fields);
        if (columns)
            keep();
        while (columns && text.next(line)) {
            if (blank(line.fields))
                continue;
            keep();
            std::optional<PoolEntry> entry =
                line.unclosedQuote ? std::nullopt : columns->read(line.fields);
            // A number written twice, by a hand or a copy: the later line is
            // kept as it stands, never taken for the earlier.
            if (entry && !numbers.insert(entry->number).second)
                entry.reset();
            if (entry)
                m_entries.push_back(std::move(*entry));
            else
                m_unreadableLines.push_back(line.line);
        }
    }
    if (columns) {
        m_columns = std::move(columns);
        m_file.settle(bytes);
        return Read::Read;
    }
    m_entries.clear();
    m_unreadableLines.clear();
    m_kept.clear();
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
    if (!followDisk(reason))
        return std::nullopt;
    int next = 1;
    for (const PoolEntry &entry : m_entries)
        next = std::max(next, entry.number + 1);
    const QString now =
        QDateTime::currentDateTime().toString(QStringLiteral("MM/dd/yyyy HH:mm:ss"));
    std::vector<int> numbers;
    for (PoolEntry &entry : entries) {
        entry.number = next++;
        entry.recorded = now;
        numbers.push_back(entry.number);
    }
    QByteArray bytes = m_kept;
    std::optional<PoolColumns> columns = m_columns;
    if (!columns) {
        bytes = byteOrderMark;
        const QStringList titles = PoolEntry::titles();
        append(bytes, titles);
        columns = PoolColumns::of(QList<QStringView>(titles.begin(), titles.end()));
    }
    for (const PoolEntry &entry : entries)
        append(bytes, columns->arranged(entry));
    if (!m_file.write(bytes, reason))
        return std::nullopt;
    for (PoolEntry &entry : entries)
        m_entries.push_back(std::move(entry));
    m_kept = bytes;
    m_columns = std::move(columns);
    return numbers;
}
