#include "reserveroom.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>

bool ReserveRoom(QFile &file, qint64 size, QString *reason)
{
    const int error = ::posix_fallocate(file.handle(), 0, off_t(size));
    if (error == 0 || error == EOPNOTSUPP || error == EINVAL)
        return true;
    *reason = QString::fromLocal8Bit(std::strerror(error));
    return false;
}
