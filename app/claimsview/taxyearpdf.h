#pragma once

#include "taxyearrecord.h"

#include <QString>

// The year's record for taxes as a PDF, each section's table in columns
// fitted to the page, on A4 or Letter as the system's locale measures.
class TaxYearPdf
{
public:
    static bool write(const TaxYearRecord &record, const QString &path, QString *reason);
};
