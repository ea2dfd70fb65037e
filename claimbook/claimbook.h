#pragma once

#include "claimrecord.h"

#include <QString>

#include <vector>

// claims.csv beside the log in use: one line a claim, a CSV as Excel opens
// it (UTF-8 with its byte order mark, CR LF), written whole through a
// temporary file, so that a crash leaves the old file or the new one. A
// file that cannot be read is kept aside whole, never written over.
class ClaimBook
{
public:
    explicit ClaimBook(const QString &path);

    // The claims.csv of a log: in the same folder.
    static QString besideLog(const QString &logPath);

    enum class Read
    {
        Read,     // read, or none yet
        KeptAside // unreadable: moved aside, named by keptAside()
    };
    Read read();
    // Where it went; empty where it could not be moved, and is then never
    // written over.
    QString keptAside() const { return m_keptAside; }

    const std::vector<ClaimRecord> &records() const { return m_records; }
    const ClaimRecord *find(const ClaimRecord &draw) const;
    // Each writes the file whole; false, with the reason, where it could
    // not be written, and the book stays as it was.
    bool add(const ClaimRecord &record, QString *reason);
    bool remove(const ClaimRecord &draw, QString *reason);

    QString path() const { return m_path; }

private:
    bool write(const std::vector<ClaimRecord> &records, QString *reason);

    QString m_path;
    QString m_keptAside;
    std::vector<ClaimRecord> m_records;
    bool m_blocked = false; // unreadable and not moved aside
};
