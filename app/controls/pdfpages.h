#pragma once

#include <vector>

class QPdfWriter;

// A4 or Letter, as the system's locale measures, with margins of 15 mm, at
// the window's 96 dots an inch.
void SetUpPdfPages(QPdfWriter &pdf);

// Cuts the widest of widths so that together they fit room, leaving those
// narrower than an even share whole.
void FitColumns(std::vector<int> &widths, int room);
