#pragma once

#include <QString>

// Where the ticket log is read from at start-up and saved to after ADD and
// DELETE: one file, or a file carried over from the program's folder into
// the user's own.
struct LogLocation
{
    LogLocation(const QString &path) : readFrom(path), saveTo(path) {}
    LogLocation(const QString &readFrom, const QString &saveTo) : readFrom(readFrom), saveTo(saveTo)
    {
    }

    QString readFrom;
    QString saveTo;
};

// Whether this user may create a file in the folder, and whether they may
// write the file, as the system will really allow it.
bool MayCreateFileIn(const QString &folder);
bool MayWriteFile(const QString &path);

// "saved.wok" in the user's own data folder.
QString UserLogFilePath();

// The program's log where the user may write it, directly or through its
// folder. Otherwise, as for a program installed for all users, the log in
// the user's data folder: read from the program's folder until it exists, so
// that a log kept there is carried over, and never written there.
LogLocation ChooseLogLocation(const QString &programLog, const QString &userLog);
LogLocation ChooseLogLocation();
