#include "tesseractreader.h"

#include "systemtessdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <cmath>
#include <cstring>

namespace {

// Tesseract asks now and then whether to stop.
struct Cancel
{
    const std::atomic<bool> *cancelled;
};

bool cancelWhen(void *cancel, int)
{
    return static_cast<Cancel *>(cancel)->cancelled->load();
}

std::u32string codePoints(const char *utf8)
{
    return QString::fromUtf8(utf8).toStdU32String();
}

} // namespace

QString TesseractReader::dataFolder()
{
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tessdata"));
    if (QFileInfo::exists(QDir(beside).filePath(QStringLiteral("eng.traineddata"))))
        return beside;
    for (const QString &folder : SystemTessdataFolders()) {
        if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("eng.traineddata"))))
            return folder;
    }
    return beside;
}

TesseractReader::TesseractReader(const QString &dataFolder)
    : m_api(std::make_unique<tesseract::TessBaseAPI>())
{
    const QString folder = dataFolder.isEmpty() ? TesseractReader::dataFolder() : dataFolder;
    if (m_api->Init(QDir::toNativeSeparators(folder).toLocal8Bit().constData(), "eng",
                    tesseract::OEM_LSTM_ONLY) != 0) {
        m_problem = QStringLiteral("The English data Tesseract reads with, eng.traineddata, was "
                                   "not found in %1")
                        .arg(QDir::toNativeSeparators(folder));
        m_api.reset();
        return;
    }
    // A ticket is a column of lines of many sizes; choices kept, to tell a
    // digit read plainly from one nearly another.
    m_api->SetPageSegMode(tesseract::PSM_SINGLE_COLUMN);
    m_api->SetVariable("lstm_choice_mode", "2");
    m_api->SetVariable("user_defined_dpi", "300");
}

TesseractReader::~TesseractReader()
{
    if (m_api)
        m_api->End();
}

ReadText TesseractReader::read(const QImage &image, const std::atomic<bool> &cancelled)
{
    ReadText text;
    if (!m_api || image.isNull())
        return text;
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    m_api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, int(grey.bytesPerLine()));
    Cancel cancel{&cancelled};
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = &cancelWhen;
    monitor.cancel_this = &cancel;
    if (m_api->Recognize(&monitor) != 0 || cancelled)
        return text;
    std::unique_ptr<tesseract::ResultIterator> at(m_api->GetIterator());
    if (!at)
        return text;
    ReadText::Line line;
    do {
        if (at->IsAtBeginningOf(tesseract::RIL_TEXTLINE) && !line.words.empty()) {
            text.lines.push_back(std::move(line));
            line = {};
        }
        if (at->IsAtBeginningOf(tesseract::RIL_WORD)) {
            ReadWord word;
            int left = 0, top = 0, right = 0, bottom = 0;
            at->BoundingBox(tesseract::RIL_WORD, &left, &top, &right, &bottom);
            word.box = {left, top, right - left, bottom - top};
            line.words.push_back(std::move(word));
            line.box = line.box.united(line.words.back().box);
        }
        const std::unique_ptr<char[]> symbol(at->GetUTF8Text(tesseract::RIL_SYMBOL));
        if (!symbol || line.words.empty())
            continue;
        ReadWord &word = line.words.back();
        const std::u32string read = codePoints(symbol.get());
        const float sureness = at->Confidence(tesseract::RIL_SYMBOL) / 100.0f;
        // Doubtful where another digit came near the one chosen.
        bool doubtful = false;
        tesseract::ChoiceIterator choice(*at);
        float best = -1;
        do {
            const char *other = choice.GetUTF8Text();
            const float confidence = choice.Confidence();
            if (best < 0)
                best = confidence;
            else if (other && other[0] >= '0' && other[0] <= '9' && other[1] == 0 &&
                     std::strcmp(other, symbol.get()) != 0 && confidence >= 50 &&
                     best - confidence < 10.0f)
                doubtful = true;
        } while (choice.Next());
        for (const char32_t c : read) {
            word.text += c;
            word.sureness.push_back(sureness);
            word.doubtful.push_back(doubtful);
        }
    } while (at->Next(tesseract::RIL_SYMBOL) && !cancelled);
    if (!line.words.empty())
        text.lines.push_back(std::move(line));
    return text;
}
