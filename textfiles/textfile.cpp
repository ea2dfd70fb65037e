#include "textfile.h"

#include <QFile>
#include <QFileInfo>

std::optional<QByteArray> ReadTextFile(const QString &path, QString *why)
{
    constexpr qint64 largest = 256 * 1024 * 1024;
    // Asked before opening: a pipe would not open until someone writes to it.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        *why = QStringLiteral("it is not a file");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.size() > largest ? QByteArray() : file.readAll();
    if (file.error() != QFile::NoError) {
        *why = file.errorString();
        return std::nullopt;
    }
    if (file.size() > largest || bytes.size() > largest) {
        *why = QStringLiteral("the file is larger than 256 MB");
        return std::nullopt;
    }
    return bytes;
}
