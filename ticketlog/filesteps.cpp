#include "filesteps.h"

#include "disksync.h"

#include <QFileInfo>
#include <QSaveFile>

FileSteps &FileSteps::system()
{
    static FileSteps steps;
    return steps;
}

bool FileSteps::write(QFileDevice &file, qint64 at, QByteArrayView bytes, QString *reason)
{
    if (!file.seek(at)) {
        *reason = file.errorString();
        return false;
    }
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0) {
            *reason = file.errorString();
            return false;
        }
        bytes = bytes.sliced(written);
    }
    return true;
}

bool FileSteps::resize(QFile &file, qint64 size, QString *reason)
{
    if (file.resize(size))
        return true;
    *reason = file.errorString();
    return false;
}

bool FileSteps::sync(QFile &file, QString *reason)
{
    return SyncToDisk(file, reason);
}

bool FileSteps::commit(QSaveFile &file, QString *reason)
{
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return SyncFolder(QFileInfo(file.fileName()).absolutePath(), reason);
}

bool FileSteps::remove(const QString &path, QString *reason)
{
    QFile file(path);
    if (file.remove() || !file.exists())
        return true;
    *reason = file.errorString();
    return false;
}
