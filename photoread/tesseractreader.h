#pragma once

#include "textreader.h"

#include <QString>

#include <memory>

namespace tesseract {
class TessBaseAPI;
}

// Text read by Tesseract, with its English data: each character with the
// confidence Tesseract gives it, and doubtful where its next choice was a
// digit nearly as likely.
class TesseractReader : public TextReader
{
public:
    // dataFolder: the folder holding eng.traineddata; empty for where the
    // system keeps it.
    explicit TesseractReader(const QString &dataFolder = {});
    ~TesseractReader() override;

    QString problem() const override { return m_problem; }
    ReadText read(const QImage &image, const std::atomic<bool> &cancelled) override;

    // Where the English data is: beside the program (a zip, a setup), else
    // where the system keeps it.
    static QString dataFolder();

private:
    std::unique_ptr<tesseract::TessBaseAPI> m_api;
    QString m_problem;
};
