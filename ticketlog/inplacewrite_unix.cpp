#include "inplacewrite.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool ReserveGrowth(QFile &file, qint64 newSize, QString *reason)
{
    const int fd = file.handle();
    struct stat info = {};
    if (::fstat(fd, &info) != 0) {
        *reason = qt_error_string(errno);
        return false;
    }
    const off_t oldSize = info.st_size;
    if (newSize <= oldSize)
        return true;
    const int error = ::posix_fallocate(fd, oldSize, off_t(newSize) - oldSize);
    if (error == 0)
        return true;
    // ext4 keeps the blocks a reservation got before the disk ran full, and
    // the file's length with them: the old log must end where it ended.
    if (::ftruncate(fd, oldSize) != 0) {
        *reason = qt_error_string(errno);
        return false;
    }
    if (error == EOPNOTSUPP || error == EINVAL)
        return true;
    *reason = qt_error_string(error);
    return false;
}

bool SyncToDisk(QFile &file, QString *reason)
{
    if (::fsync(file.handle()) == 0)
        return true;
    *reason = qt_error_string(errno);
    return false;
}
