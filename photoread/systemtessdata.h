#pragma once

#include <QStringList>

// Where the system keeps Tesseract's data, to be looked in after the folder
// beside the program: Debian's packages on Linux; on Windows none, the data
// comes with the program.
QStringList SystemTessdataFolders();
