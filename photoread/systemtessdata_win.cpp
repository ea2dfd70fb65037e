#include "systemtessdata.h"

QStringList SystemTessdataFolders()
{
    return {};
}
