#include "textfile.h"

#include <QFile>

std::optional<QByteArray> ReadTextFile(const QString &path, QString *why)
{
    constexpr qint64 largest = 256 * 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return std::nullopt;
    }
    if (file.size() > largest) {
        *why = QStringLiteral("the file is larger than 256 MB");
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError) {
        *why = file.errorString();
        return std::nullopt;
    }
    return bytes;
}
