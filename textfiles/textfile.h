#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The bytes of a file the user chose to read tickets or draws from; nothing,
// and why, where it cannot be read, is no regular file (a folder, a pipe or a
// device, which might never end), or is larger than such a file can sensibly
// be (256 MB).
std::optional<QByteArray> ReadTextFile(const QString &path, QString *why);
