#include "codepage.h"

// Logs come from Windows, where they were written in the ANSI code page of
// Western Europe and the Americas.
const char *LogCodePageName()
{
    return "windows-1252";
}

bool LogCodePageIsSingleByte()
{
    return true;
}
