#pragma once

#include <QString>

// stem followed by the day and time, yyyyMMdd-HHmmss, and a number where a
// file or link of that name is there already: a name to keep a file under.
QString DatedFreePath(const QString &stem);
