#include "codepage.h"

// The system's ANSI code page, as every copy of the program on this machine
// has always written the log.
const char *LogCodePageName()
{
    return "Locale";
}
