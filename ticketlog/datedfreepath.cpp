#include "datedfreepath.h"

#include <QDateTime>
#include <QFileInfo>

QString DatedFreePath(const QString &stem)
{
    const QString dated =
        stem + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = dated;
    for (int number = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++number)
        path = dated + QStringLiteral("-%1").arg(number);
    return path;
}
