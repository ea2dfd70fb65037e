#pragma once

#include <QStandardPaths>

class QString;

// The folder a file dialog opens in: the system's folder for such files, or
// the home folder where there is none, since a folder that does not exist
// stands in the dialog as a file's name.
QString DialogFolder(QStandardPaths::StandardLocation kind);
