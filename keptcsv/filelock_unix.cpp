#include "filelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

QString FileLock::besideKept(const QString &keptPath)
{
    const QFileInfo kept(keptPath);
    return kept.dir().filePath(u'.' + kept.fileName() + QStringLiteral(".lock"));
}

bool FileLock::tryLock(QString *reason)
{
    if (m_held)
        return true;
    if (m_handle < 0) {
        const int fd =
            ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            *reason = QStringLiteral("%1 could not be opened: %2")
                          .arg(QDir::toNativeSeparators(m_path),
                               QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        m_handle = fd;
    }
    if (::flock(int(m_handle), LOCK_EX | LOCK_NB) == 0) {
        m_held = true;
        return true;
    }
    if (errno != EWOULDBLOCK && errno != EINTR)
        *reason = QStringLiteral("%1 could not be locked: %2")
                      .arg(QDir::toNativeSeparators(m_path),
                           QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

void FileLock::release()
{
    if (m_handle < 0)
        return;
    if (m_held)
        ::flock(int(m_handle), LOCK_UN);
    ::close(int(m_handle));
    m_handle = -1;
    m_held = false;
}
