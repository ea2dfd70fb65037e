#pragma once

#include "filesteps.h"
#include "loglist.h"

#include <QString>

// A log written over itself, where its folder takes no new file. Only what
// differs from the file is written, from the first byte that differs: an ADD
// touches no old byte. Before any byte of the file changes, what it held from
// there on is kept in a rollback copy in the user's own data folder, on the
// disk; what the log grows by is written first, past the old end, so that a
// full disk fails the save before an old byte changes. A save that fails puts
// the old log back at once; one cut short by a crash is put back at the next
// start. Either way the file holds the old log or the new one, never a mix.
bool SaveLogFileInPlace(const LogList &list, const QString &path, QString *errorString = nullptr,
                        FileSteps &steps = FileSteps::system());

// Where the rollback copy of the log at path is kept while it is written.
QString RollbackFilePath(const QString &logPath);

// Puts back the old log where a save in place did not finish, and removes the
// rollback copy. False where one was there and could not be put back.
bool RestoreUnfinishedSave(const QString &logPath);
