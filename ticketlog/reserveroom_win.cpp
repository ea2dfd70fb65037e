#include "reserveroom.h"

#include <io.h>
#include <windows.h>

bool ReserveRoom(QFile &file, qint64 size, QString *reason)
{
    const auto handle = HANDLE(_get_osfhandle(file.handle()));
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = size;
    if (SetFileInformationByHandle(handle, FileAllocationInfo, &allocation, sizeof allocation))
        return true;
    const DWORD error = GetLastError();
    if (error != ERROR_DISK_FULL && error != ERROR_HANDLE_DISK_FULL)
        return true;
    *reason = QStringLiteral("There is not enough space on the disk.");
    return false;
}
