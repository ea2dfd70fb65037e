#include "loglocation.h"

#include <QFile>
#include <QTemporaryFile>

// Windows file attributes say nothing of who may write where: a standard
// user may not write Program Files, whose folders are not read-only. Only
// trying tells, and the tries leave nothing behind.
bool MayCreateFileIn(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.ticketwise-XXXXXX"));
    return probe.open();
}

bool MayWriteFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly);
}
