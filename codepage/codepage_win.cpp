#include "codepage.h"

#include <windows.h>

// The system's ANSI code page, as every copy of the program on this machine
// has always written the log.
const char *LogCodePageName()
{
    return "Locale";
}

bool LogCodePageIsSingleByte()
{
    CPINFO info{};
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
}
