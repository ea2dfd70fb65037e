#include "disksync.h"

#include <io.h>
#include <windows.h>

bool SyncToDisk(QFile &file, QString *reason)
{
    if (!file.flush()) {
        *reason = file.errorString();
        return false;
    }
    if (FlushFileBuffers(HANDLE(_get_osfhandle(file.handle()))))
        return true;
    const DWORD error = GetLastError();
    if (error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED)
        return true;
    *reason = qt_error_string(int(error));
    return false;
}

// NTFS keeps a renamed file's entry in its own journal.
bool SyncFolder(const QString &, QString *)
{
    return true;
}
