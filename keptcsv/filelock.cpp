#include "filelock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

FileLock::FileLock(const QString &keptPath) : m_path(besideKept(keptPath)) {}

FileLock::~FileLock()
{
    release();
}

bool FileLock::lock(int waitMs, QString *reason)
{
    const QDeadlineTimer deadline(waitMs);
    QString why;
    while (!tryLock(&why)) {
        // Another copy writes a few lines at a time: it lets go soon.
        if (!why.isEmpty() || deadline.hasExpired()) {
            if (reason)
                *reason = why.isEmpty() ? QStringLiteral("%1 is held by another copy of "
                                                         "Ticketwise, which did not let it go")
                                              .arg(QDir::toNativeSeparators(m_path))
                                        : why;
            return false;
        }
        QThread::msleep(2);
    }
    return true;
}
