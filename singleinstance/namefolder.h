#pragma once

#include <QString>

// A folder where the name of the copies' local server may lie, on a system
// that names a local server by a path; empty on one that does not. made: the
// program makes it, private, where it is missing; a folder the system makes
// is only used.
struct NameFolder
{
    QString path;
    bool made = false;
};
