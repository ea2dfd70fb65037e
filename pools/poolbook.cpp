#include "poolbook.h"

#include "csvlines.h"
#include "delimitedtext.h"
#include "poolcolumns.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <unordered_set>

using namespace CsvLines;

PoolBook::PoolBook(const QString &path) : m_path(path) {}

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
    m_onDisk.clear();
    m_blocked = false;
    QFile file(m_path);
    if (!file.exists())
        return Read::Read;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    const bool whole = file.error() == QFileDevice::NoError;
    file.close(); // Windows moves no file that is open
    if (whole && empty(bytes)) {
        m_onDisk = digestOf(bytes);
        return Read::Read;
    }
    std::optional<PoolColumns> columns;
    if (whole) {
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
        m_onDisk = digestOf(bytes);
        return Read::Read;
    }
    m_entries.clear();
    m_unreadableLines.clear();
    m_kept.clear();
    const QFileInfo info(m_path);
    m_keptAside = info.dir().filePath(
        QStringLiteral("pools-unreadable-%1.csv")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    if (!QFile::rename(m_path, m_keptAside)) {
        m_keptAside.clear();
        m_blocked = true;
    }
    return Read::KeptAside;
}

bool PoolBook::followDisk(QString *reason)
{
    m_readAgain = false;
    QFile file(m_path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    const bool there = file.exists();
    file.close();
    if (m_blocked || (!there && m_onDisk.isEmpty()) || (there && digestOf(bytes) == m_onDisk))
        return true;
    m_readAgain = true;
    if (read() == Read::Read)
        return true;
    if (reason)
        *reason =
            m_keptAside.isEmpty()
                ? QStringLiteral("%1 was changed and can no longer be read")
                      .arg(QDir::toNativeSeparators(m_path))
                : QStringLiteral("%1 was changed and can no longer be read: it is kept as %2")
                      .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(m_keptAside));
    return false;
}

std::optional<std::vector<int>> PoolBook::add(std::vector<PoolEntry> entries, QString *reason)
{
    if (!followDisk(reason))
        return std::nullopt;
    if (m_blocked) {
        if (reason)
            *reason = QStringLiteral("%1 could not be read, nor moved aside")
                          .arg(QDir::toNativeSeparators(m_path));
        return std::nullopt;
    }
    int next = 1;
    for (const PoolEntry &entry : m_entries)
        next = std::max(next, entry.number + 1);
    const QString now = m_clock().toString(QStringLiteral("MM/dd/yyyy HH:mm:ss"));
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
    QSaveFile file(m_path);
    if (!(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())) {
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    for (PoolEntry &entry : entries)
        m_entries.push_back(std::move(entry));
    m_kept = bytes;
    m_columns = std::move(columns);
    m_onDisk = digestOf(bytes);
    return numbers;
}
