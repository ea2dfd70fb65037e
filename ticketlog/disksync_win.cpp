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
    *reason = qt_error_string(int(GetLastError()));
    return false;
}
