#include "loglocation.h"

#include "logfile.h"

#include <QFileInfo>
#include <QStandardPaths>

QString UserLogFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/saved.wok");
}

LogLocation ChooseLogLocation(const QString &programLog, const QString &userLog)
{
    const QFileInfo program(programLog);
    if (MayCreateFileIn(program.absolutePath()) || MayWriteFile(programLog))
        return LogLocation(programLog);
    const QFileInfo user(userLog);
    return LogLocation(user.exists() || user.isSymLink() ? userLog : programLog, userLog);
}

LogLocation ChooseLogLocation()
{
    return ChooseLogLocation(LogFilePath(), UserLogFilePath());
}
