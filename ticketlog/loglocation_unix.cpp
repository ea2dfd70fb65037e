#include "loglocation.h"

#include <QFileInfo>

// The permission bits and ACLs say it all here.
bool MayCreateFileIn(const QString &folder)
{
    return QFileInfo(folder).isWritable();
}

bool MayWriteFile(const QString &path)
{
    return QFileInfo(path).isWritable();
}
