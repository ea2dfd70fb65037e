#include "disksync.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool synced(int result, QString *reason)
{
    if (result == 0 || errno == EINVAL || errno == ENOTSUP || errno == EOPNOTSUPP)
        return true;
    *reason = qt_error_string(errno);
    return false;
}

} // namespace

bool SyncToDisk(QFile &file, QString *reason)
{
    if (!file.flush()) {
        *reason = file.errorString();
        return false;
    }
    return synced(::fsync(file.handle()), reason);
}

bool SyncFolder(const QString &folder, QString *reason)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) {
        *reason = qt_error_string(errno);
        return false;
    }
    const bool result = synced(::fsync(descriptor), reason);
    ::close(descriptor);
    return result;
}
