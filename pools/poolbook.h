#pragma once

#include "keptfile.h"
#include "poolcolumns.h"
#include "poolentry.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// pools.csv beside the log in use: every pool's lines, a CSV as Excel opens
// it. Nothing in it is rewritten, moved or dropped: a line is only added
// after every byte the file holds, in the file's own separator, code page
// and line ends, and what is taken back is a line saying so. Each line is
// chained to the one before it, and a line whose chain does not hold is
// named. It reads back what a hand or a spreadsheet wrote: a line it cannot
// read stays in its place, unread, and the rest is used; the file is read
// again and written under a lock another copy of the program waits for, so
// that nothing written meanwhile is lost. A file that is no pools file at
// all is kept aside whole, never written over.
class PoolBook
{
public:
    explicit PoolBook(const QString &path);

    static QString besideLog(const QString &logPath);

    enum class Read
    {
        Read,
        KeptAside
    };
    Read read();
    QString keptAside() const { return m_file.keptAside(); }
    // The file's lines that could not be read, from 1: unclosed, a cell too
    // few or too many, a value that is none, a number written twice or
    // beyond the file's count of lines.
    const std::vector<int> &unreadableLines() const { return m_unreadableLines; }
    // The file's first line whose chain does not hold, 0 where none; the
    // lines after the first chained one that carry none, as a hand wrote.
    int brokenChain() const { return m_brokenChain; }
    const std::vector<int> &unchainedLines() const { return m_unchainedLines; }
    // Whether the last add found the file changed by another hand, and read
    // it again first.
    bool readAgain() const { return m_readAgain; }
    // Where the last add wrote the file anew as UTF-8, since a character of
    // its lines is not in the file's code page: the copy of it as it was.
    QString keptBefore() const { return m_keptBefore; }

    const std::vector<PoolEntry> &entries() const { return m_entries; }
    // Adds the lines, numbered after every number in the file, read or not,
    // stamped with the time and chained; their numbers, or nothing, with the
    // reason, where the file could not be written, and the book stays as it
    // was.
    std::optional<std::vector<int>> add(std::vector<PoolEntry> entries, QString *reason);

    QString path() const { return m_file.path(); }

    // The record as it stood at a moment: its last line recorded then,
    // with its chain; no number where none was.
    struct Mark
    {
        int number = 0;
        QString chain;
        QString recorded;
    };
    Mark markAt(std::int64_t instant) const;

private:
    bool followDisk(QString *reason);

    KeptFile m_file;
    std::vector<PoolEntry> m_entries;
    QByteArray m_bytes; // the file as it is, never rewritten
    std::optional<PoolColumns> m_columns;
    std::vector<int> m_unreadableLines;
    std::vector<int> m_unchainedLines;
    int m_brokenChain = 0;
    int m_nextNumber = 1;
    int m_lines = 0; // the file's, blank ones and its titles too
    QString m_lastChain;
    bool m_readAgain = false;
    QString m_keptBefore;
};
