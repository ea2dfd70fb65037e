#pragma once

#include "logfile.h"
#include "loglist.h"
#include "loglocation.h"

#include <QString>

// What became of one save.
struct SaveOutcome
{
    bool saved = false;
    QString errorString; // the system's reason, when not saved
    QString keptAside;   // where an unread log went, when one was moved
    QString partlyRead;  // a log elsewhere that the list began from but did not hold
                         // all of, left as it is; named at the first save only
};

// The saved log of one run. It remembers whether the file that a save would
// replace was read whole, and before the first save over one that was not, it
// moves that file aside, so that no ticket the list never held is lost. A log
// read from elsewhere, not whole, stays where it is, and the first save says
// where.
class SavedLog
{
public:
    explicit SavedLog(const LogLocation &location) : m_location(location) {}

    const LogLocation &location() const { return m_location; }

    // Appends the stored rows to the list. A save in place that did not
    // finish is put back first; where it could not be, or was not its own,
    // startNotice() says so.
    void load(LogList &list, qsizetype limit = maxLogListBytes);
    QString startNotice() const { return m_startNotice; }
    // Writes the whole list. If the unread file cannot be moved aside,
    // nothing is written.
    SaveOutcome save(const LogList &list);

private:
    LogLocation m_location;
    bool m_unreadAtSavePath = false;
    bool m_partlyReadElsewhere = false;
    QString m_startNotice;
};
