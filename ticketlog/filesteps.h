#pragma once

#include <QByteArrayView>
#include <QString>

class QFile;
class QFileDevice;
class QSaveFile;

// The steps by which a log is written over itself, one call each. A test can
// make any one of them fail, or stop the program there or in the middle of a
// write, and a benchmark can count the bytes written, through beforeStep and
// bytesReaching. Each gives the system's reason when it fails.
class FileSteps
{
public:
    enum class Kind
    {
        Write,
        Resize,
        Sync,
        Commit,
        Rename,
        Remove
    };

    virtual ~FileSteps() = default;

    // The steps as the system takes them.
    static FileSteps &system();

    // All of the bytes, at the offset: a write cut short by a full disk is
    // taken up again, so that the system names what stopped it.
    bool write(QFileDevice &file, qint64 at, QByteArrayView bytes, QString *reason);
    bool resize(QFile &file, qint64 size, QString *reason);
    // On the disk itself; a file system that cannot sync has nothing to wait
    // for.
    bool sync(QFile &file, QString *reason);
    // Puts the new file in place, on the disk with its folder's entry.
    bool commit(QSaveFile &file, QString *reason);
    // Gives the file another name in its folder, on the disk too.
    bool rename(const QString &from, const QString &to, QString *reason);
    // Removes the file, and has its folder's entry gone on the disk too.
    bool remove(const QString &path, QString *reason);

protected:
    // Before each step, with the file it acts on and the bytes it writes:
    // false fails the step, with the reason given.
    virtual bool beforeStep(Kind kind, const QString &file, qint64 bytes, QString *reason);
    // How many of a write's bytes reach the file: all of them, but where a
    // test stops the program in the middle of the write. The write then
    // fails.
    virtual qint64 bytesReaching(const QString &file, qint64 bytes);
};
