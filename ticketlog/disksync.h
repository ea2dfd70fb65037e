#pragma once

#include <QFile>
#include <QString>

// Puts what was written to the open file on the disk itself, so that a save
// outlives a power cut once it is reported, and so that a full disk or an
// exceeded quota that a network file system tells only then is told before
// the save goes on. False, with the system's reason, where it could not; a
// file system that has no such call has nothing to wait for, which is no
// failure.
bool SyncToDisk(QFile &file, QString *reason);

// The same for the folder's entries, so that a file renamed into it stays
// there.
bool SyncFolder(const QString &folder, QString *reason);
