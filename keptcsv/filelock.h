#pragma once

#include <QString>

#include <cstdint>

// An advisory lock the system holds for the program on a small file beside
// a kept file, taken before the kept file is read again and written, so
// that two copies of the program adding at once never write over each
// other's lines. The system lets it go when the program ends, however it
// ends.
class FileLock
{
public:
    explicit FileLock(const QString &keptPath);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Waits up to waitMs while another copy holds it; false, with the
    // reason, where it could not be had.
    bool lock(int waitMs, QString *reason);

    // The lock's file beside a kept file: hidden, as none of the player's.
    static QString besideKept(const QString &keptPath);

private:
    bool tryLock(QString *reason);
    void release();

    QString m_path;
    std::intptr_t m_handle = -1;
    bool m_held = false;
};
