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
// it, written whole through a temporary file. Nothing in it is rewritten:
// lines are only added, and what is taken back is a line saying so. It
// reads back what a spreadsheet saves: a line it cannot read is kept word
// for word in its place and the rest is used; a file another copy of the
// program, or a hand, changed since it was read is read again before a line
// is added, so that nothing written meanwhile is lost. A file that is no
// pools file at all is kept aside whole, never written over.
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
    const std::vector<int> &unreadableLines() const { return m_unreadableLines; }
    // Whether the last add found the file changed by another hand, and read
    // it again first.
    bool readAgain() const { return m_readAgain; }

    const std::vector<PoolEntry> &entries() const { return m_entries; }
    // Adds the lines, numbered on from the file's last and stamped with the
    // time; their numbers, or nothing, with the reason, where the file could
    // not be written, and the book stays as it was.
    std::optional<std::vector<int>> add(std::vector<PoolEntry> entries, QString *reason);

    QString path() const { return m_file.path(); }

private:
    bool followDisk(QString *reason);

    KeptFile m_file;
    std::vector<PoolEntry> m_entries;
    // The file's lines as they stand, its titles first: never rewritten.
    QByteArray m_kept;
    std::optional<PoolColumns> m_columns;
    std::vector<int> m_unreadableLines;
    bool m_readAgain = false;
};
