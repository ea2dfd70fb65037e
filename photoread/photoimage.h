#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A photo or a scan of a ticket as it is read: decoded by Qt's image
// plugins (JPEG, PNG, BMP, TIFF, WebP, HEIC where the system reads it),
// scaled down as it is decoded where it is larger than a ticket needs, so
// that a 50-megapixel photo takes no more memory than a 12-megapixel one;
// refused, with the reason, where it is no image, a damaged one, or too
// large to be a photo at all.
struct PhotoImage
{
    QImage image;    // at most longestSide on its long side
    QSize original;  // the photo's own size
    QString problem; // empty where it was read

    // The long side a ticket is read at: a ticket's digits a few dozen
    // pixels high.
    static constexpr int longestSide = 3000;
    // Past this, no camera's photo: 200 megapixels.
    static constexpr qint64 mostPixels = 200'000'000;

    static PhotoImage fromFile(const QString &path);
    static PhotoImage fromImage(const QImage &image); // pasted
};
