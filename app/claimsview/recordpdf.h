#pragma once

#include "recordsection.h"

#include <QString>

#include <vector>

// A record the player saves as a PDF (the tax year, a pool's sheet, a
// prize's split): its heading on every page, each section's table in
// columns fitted to the page, on A4 or Letter as the system's locale
// measures.
class RecordPdf
{
public:
    static bool write(const QString &heading, const std::vector<RecordSection> &sections,
                      const QString &path, QString *reason);
};
