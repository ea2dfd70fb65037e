#include "filelock.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

QString FileLock::besideKept(const QString &keptPath)
{
    // Hidden by its attribute, as Explorer hides files.
    return keptPath + QStringLiteral(".lock");
}

bool FileLock::tryLock(QString *reason)
{
    if (m_held)
        return true;
    if (m_handle < 0) {
        const HANDLE file = CreateFileW(
            reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(m_path).utf16()),
            GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            *reason = QStringLiteral("%1 could not be opened (error %2)")
                          .arg(QDir::toNativeSeparators(m_path))
                          .arg(GetLastError());
            return false;
        }
        m_handle = std::intptr_t(file);
    }
    OVERLAPPED at = {};
    if (LockFileEx(HANDLE(m_handle), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &at)) {
        m_held = true;
        return true;
    }
    if (const DWORD error = GetLastError();
        error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING)
        *reason = QStringLiteral("%1 could not be locked (error %2)")
                      .arg(QDir::toNativeSeparators(m_path))
                      .arg(error);
    return false;
}

void FileLock::release()
{
    if (m_handle < 0)
        return;
    if (m_held) {
        OVERLAPPED at = {};
        UnlockFileEx(HANDLE(m_handle), 0, 1, 0, &at);
    }
    CloseHandle(HANDLE(m_handle));
    m_handle = -1;
    m_held = false;
}
