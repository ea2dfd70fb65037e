#include "dialogfolder.h"

#include <QDir>
#include <QFileInfo>

QString DialogFolder(QStandardPaths::StandardLocation kind)
{
    const QString folder = QStandardPaths::writableLocation(kind);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}
