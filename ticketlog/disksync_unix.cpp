#include "disksync.h"

#include <cerrno>
#include <unistd.h>

bool SyncToDisk(QFile &file, QString *reason)
{
    if (!file.flush()) {
        *reason = file.errorString();
        return false;
    }
    if (::fsync(file.handle()) == 0)
        return true;
    *reason = qt_error_string(errno);
    return false;
}
