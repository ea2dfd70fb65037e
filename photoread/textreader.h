#pragma once

#include "readtext.h"

#include <QImage>

#include <atomic>

// What reads the text of an image: Tesseract in the program, text given
// in a test. It is given an image made ready for it, in shades of grey,
// upright, the ticket filling it; and whether the user cancelled, which it
// heeds as soon as it can.
class TextReader
{
public:
    virtual ~TextReader() = default;
    // Where it could not start, why: its data not found, say; else empty.
    virtual QString problem() const { return {}; }
    virtual ReadText read(const QImage &image, const std::atomic<bool> &cancelled) = 0;
};
