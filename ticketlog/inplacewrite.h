#pragma once

#include <QFile>
#include <QString>

// What writing the saved log over itself needs of each system.

// Makes sure the disk holds room for the open file to grow to newSize, before
// any of its bytes is overwritten. Only the growth is reserved: the file is
// never shortened here. False, with the system's reason, when there is no
// room; the file then keeps its old length and every byte. True where the
// room is there, the file does not grow, or the file system cannot reserve
// room at all, as then the write itself must tell.
bool ReserveGrowth(QFile &file, qint64 newSize, QString *reason);

// Puts what was written on the disk itself, so that the save outlives a
// power cut once it is reported.
bool SyncToDisk(QFile &file, QString *reason);
