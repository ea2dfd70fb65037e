#include "pdfpages.h"

#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>

#include <algorithm>

void FitColumns(std::vector<int> &widths, int room)
{
    int total = 0;
    for (const int width : widths)
        total += width;
    if (total <= room || widths.empty())
        return;
    // The widest are cut to one width, as many as it takes, the narrow kept.
    std::vector<int> sorted = widths;
    std::sort(sorted.begin(), sorted.end());
    int keep = 0; // the width of the columns kept whole, narrowest first
    std::size_t at = 0;
    int cap = room / int(widths.size());
    for (; at < sorted.size(); ++at) {
        const int left = int(sorted.size() - at);
        cap = (room - keep) / left;
        if (sorted[at] > cap)
            break;
        keep += sorted[at];
    }
    for (int &width : widths)
        width = std::min(width, cap);
}

void SetUpPdfPages(QPdfWriter &pdf)
{
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    pdf.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                                  QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                  QPageLayout::Millimeter));
    pdf.setResolution(96);
}
