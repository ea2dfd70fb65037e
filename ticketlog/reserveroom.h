#pragma once

#include <QFile>
#include <QString>

// Makes sure the disk holds room for the open file to be size bytes long,
// before any of its bytes is overwritten. False, with the system's reason,
// when there is no room; true where the room is there or where the file
// system cannot reserve room at all, as then the write itself must tell.
bool ReserveRoom(QFile &file, qint64 size, QString *reason);
