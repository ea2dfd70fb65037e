#pragma once

#include <QImage>
#include <QTransform>

#include <optional>

// A photo of a ticket made ready for a reader of text: the paper found in
// it (the largest bright shape, where the photo shows more than the paper)
// and the perspective of a photo taken at an angle undone from its four
// corners; turned a quarter where its lines run down the photo, and a
// small skew straightened; faded thermal print and shadows evened out against
// the paper's own brightness; scaled to the size Tesseract reads best, a
// ticket about 1,200 pixels wide. toPhoto maps its pixels back onto the
// photo's, to outline there what was read.
struct PreparedPhoto
{
    QImage image; // shades of grey
    QTransform toPhoto;
    bool paperFound = false;

    // quarters: the quarter turns to give the paper, clockwise; nothing
    // where its lines seem to run down the photo, a quarter.
    static PreparedPhoto of(const QImage &photo, std::optional<int> quarters = std::nullopt);
    // The same turned half round, for a ticket photographed upside down.
    PreparedPhoto turnedOver() const;
    int quarters = 0;
};
