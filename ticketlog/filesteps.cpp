#include "filesteps.h"

#include "disksync.h"

#include <QFileInfo>
#include <QSaveFile>

FileSteps &FileSteps::system()
{
    static FileSteps steps;
    return steps;
}

bool FileSteps::beforeStep(Kind, const QString &, qint64, QString *)
{
    return true;
}

qint64 FileSteps::bytesReaching(const QString &, qint64 bytes)
{
    return bytes;
}

bool FileSteps::write(QFileDevice &file, qint64 at, QByteArrayView bytes, QString *reason)
{
    if (!beforeStep(Kind::Write, file.fileName(), bytes.size(), reason))
        return false;
    if (!file.seek(at)) {
        *reason = file.errorString();
        return false;
    }
    const qint64 reaching = bytesReaching(file.fileName(), bytes.size());
    const bool cut = reaching < bytes.size();
    bytes = bytes.first(reaching);
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0) {
            *reason = file.errorString();
            return false;
        }
        bytes = bytes.sliced(written);
    }
    if (cut)
        *reason = QStringLiteral("The write was cut short");
    return !cut;
}

bool FileSteps::resize(QFile &file, qint64 size, QString *reason)
{
    if (!beforeStep(Kind::Resize, file.fileName(), 0, reason))
        return false;
    if (file.resize(size))
        return true;
    *reason = file.errorString();
    return false;
}

bool FileSteps::sync(QFile &file, QString *reason)
{
    return beforeStep(Kind::Sync, file.fileName(), 0, reason) && SyncToDisk(file, reason);
}

bool FileSteps::commit(QSaveFile &file, QString *reason)
{
    if (!beforeStep(Kind::Commit, file.fileName(), 0, reason))
        return false;
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return SyncFolder(QFileInfo(file.fileName()).absolutePath(), reason);
}

bool FileSteps::rename(const QString &from, const QString &to, QString *reason)
{
    if (!beforeStep(Kind::Rename, from, 0, reason))
        return false;
    QFile file(from);
    if (!file.rename(to)) {
        *reason = file.errorString();
        return false;
    }
    return SyncFolder(QFileInfo(to).absolutePath(), reason);
}

bool FileSteps::remove(const QString &path, QString *reason)
{
    if (!beforeStep(Kind::Remove, path, 0, reason))
        return false;
    QFile file(path);
    if (file.remove())
        return SyncFolder(QFileInfo(path).absolutePath(), reason);
    if (!file.exists())
        return true;
    *reason = file.errorString();
    return false;
}
