#include "systemtessdata.h"

QStringList SystemTessdataFolders()
{
    return {QStringLiteral("/usr/share/tesseract-ocr/5/tessdata"),
            QStringLiteral("/usr/share/tesseract-ocr/4.00/tessdata"),
            QStringLiteral("/usr/share/tessdata")};
}
