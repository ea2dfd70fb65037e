#include "inplacewrite.h"

#include <io.h>
#include <windows.h>

namespace {

HANDLE handleOf(QFile &file)
{
    return HANDLE(_get_osfhandle(file.handle()));
}

} // namespace

bool ReserveGrowth(QFile &file, qint64 newSize, QString *reason)
{
    const HANDLE handle = handleOf(file);
    LARGE_INTEGER oldSize{};
    if (!GetFileSizeEx(handle, &oldSize)) {
        *reason = qt_error_string(int(GetLastError()));
        return false;
    }
    // An allocation below the file's end would cut the old log.
    if (newSize <= oldSize.QuadPart)
        return true;
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = newSize;
    if (SetFileInformationByHandle(handle, FileAllocationInfo, &allocation, sizeof allocation))
        return true;
    const DWORD error = GetLastError();
    // Whatever the file system did with the file's end, the old log ends
    // where it ended.
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile = oldSize;
    if (!SetFileInformationByHandle(handle, FileEndOfFileInfo, &end, sizeof end)) {
        *reason = qt_error_string(int(GetLastError()));
        return false;
    }
    if (error != ERROR_DISK_FULL && error != ERROR_HANDLE_DISK_FULL &&
        error != ERROR_DISK_QUOTA_EXCEEDED)
        return true;
    *reason = qt_error_string(int(error));
    return false;
}

bool SyncToDisk(QFile &file, QString *reason)
{
    if (FlushFileBuffers(handleOf(file)))
        return true;
    *reason = qt_error_string(int(GetLastError()));
    return false;
}
