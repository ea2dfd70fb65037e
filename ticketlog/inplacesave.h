#pragma once

#include "filesteps.h"
#include "loglist.h"

#include <QString>

// A log written over itself, where its folder takes no new file. Only what
// differs from the file is written, from the first byte that differs: an ADD
// touches no old byte. Before any byte of the file changes, what it held from
// there on is kept in a rollback copy in the user's own data folder, on the
// disk, with what the save expects to leave: the lengths, and checksums of
// the bytes before the change, of the growth and of each block of the new
// bytes. What the log grows by is written first, past the old end, so that a
// full disk fails the save before an old byte changes. A save that fails puts
// the old log back at once; one cut short by a crash is put back at the next
// start, onto a file the save left and no other. Either way the file holds
// the old log or the new one, never a mix. While a copy waits to be put back,
// no save in place is made: it would replace the copy.
bool SaveLogFileInPlace(const LogList &list, const QString &path, QString *errorString = nullptr,
                        FileSteps &steps = FileSteps::system());

// Where the rollback copy of the log at path is kept while it is written, and
// where it lies while the old log is being put back from it.
QString RollbackFilePath(const QString &logPath);
QString RestoringFilePath(const QString &logPath);

struct RestoreOutcome
{
    enum Kind
    {
        Nothing,    // no save was unfinished
        Restored,   // the old log is back
        KeptAside,  // the log is not what the save left: it stays as it is
        LogMissing, // the log is not there now: the copy stays until it is
        Failed      // the old log could not be put back; the copy stays
    };
    Kind kind = Nothing;
    QString keptAside; // where the copy went, in its folder
    QString reason;    // the system's, where it failed
};

// Puts back the old log where a save in place did not finish, and removes the
// rollback copy. Onto a log that is not as that save left it (another log
// put in its place, a save of another copy since), nothing is put back, and
// the copy is kept aside beside where it lay, as rollback-YYYYMMDD-HHMMSS.
RestoreOutcome RestoreUnfinishedSave(const QString &logPath,
                                     FileSteps &steps = FileSteps::system());
