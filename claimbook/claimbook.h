#pragma once

#include "claimrecord.h"
#include "keptfile.h"
#include "loglist.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// claims.csv beside the log in use: one line a claim, a CSV as Excel opens
// it (UTF-8 with its byte order mark, CR LF), written whole through a
// temporary file, so that a crash leaves the old file or the new one. It
// reads back what a spreadsheet saves of it: a line it cannot read is kept
// word for word and written back so, and the rest is used; a file changed
// since it was read is read again before it is written, so that nothing
// edited meanwhile is lost. A file that is no claims file at all is kept
// aside whole, never written over.
class ClaimBook
{
public:
    explicit ClaimBook(const QString &path);

    // The claims.csv of a log: in the same folder.
    static QString besideLog(const QString &logPath);

    enum class Read
    {
        Read,     // read, or none yet; unreadableLines() says what was not
        KeptAside // no claims file: moved aside, named by keptAside()
    };
    Read read();
    // Where it went; empty where it could not be moved, and is then never
    // written over.
    QString keptAside() const { return m_file.keptAside(); }
    // The lines that could not be read as claims, from 1, as read last.
    const std::vector<int> &unreadableLines() const { return m_unreadableLines; }

    const std::vector<ClaimRecord> &records() const { return m_records; }
    const ClaimRecord *find(const ClaimRecord &draw) const;
    // The day the draw of the log's row was marked claimed among records:
    // yyyymmdd, 0 for none.
    static int claimedOn(const std::vector<ClaimRecord> &records, const LogList &log, int row,
                         int drawDate);
    // Each writes the file whole; false, with the reason, where it could
    // not be written, and the book stays as it was.
    bool add(const ClaimRecord &record, QString *reason);
    bool remove(const ClaimRecord &draw, QString *reason);

    QString path() const { return m_file.path(); }

private:
    // Reads the file again where it changed since it was read or written;
    // false, with the reason, where it became no claims file.
    bool followDisk(QString *reason);
    bool write(const std::vector<ClaimRecord> &records, QString *reason);

    KeptFile m_file;
    std::vector<ClaimRecord> m_records;
    QStringList m_extraTitles;
    QStringList m_unreadable; // kept word for word
    std::vector<int> m_unreadableLines;
};
