#pragma once

#include "logentry.h"
#include "textreader.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class BackgroundWork;
class PhotoReviewDialog;
class ReportList;
struct PhotoReading;

// Tickets added from photos or scans: "Add from Photo..." in the list's
// menu, image files dropped on the list, an image pasted with Ctrl+V where
// the list has the focus. Several at once are a stack of tickets: each is
// read on a thread of its own, with its progress and a Cancel, then
// reviewed before anything is added; what the review takes is added as one
// step.
class PhotoQueries : public QObject
{
    Q_OBJECT

public:
    using AddTickets = std::function<void(std::vector<LogEntry> tickets)>;
    using MakeReader = std::function<std::unique_ptr<TextReader>()>;

    // logPath: the log's, beside which a photo is kept for a pool.
    PhotoQueries(ReportList &list, const QString &logPath, AddTickets add);
    ~PhotoQueries() override;

    void askPhotos();
    void readPhotos(const QStringList &paths);
    void readImage(const QImage &image);
    // Tesseract, unless a test reads otherwise.
    void setMakeReader(MakeReader make) { m_makeReader = std::move(make); }
    // The review open now, for a test to answer.
    PhotoReviewDialog *review() const;
    // The image files of a drop, or a clipboard's: those Qt reads.
    static QStringList imagesOf(const QList<QUrl> &urls);

signals:
    // Every photo of the stack was reviewed, skipped or cancelled.
    void stackEnded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Photo
    {
        QString path;
        QImage image;
    };
    void readNext();
    void review(const Photo &photo, const PhotoReading &reading);
    void keep(const Photo &photo, const std::vector<LogEntry> &tickets);

    ReportList &m_list;
    QWidget *m_viewport = nullptr; // the list's, where photos are dropped
    QString m_logPath;
    AddTickets m_add;
    MakeReader m_makeReader;
    BackgroundWork *m_work;
    std::deque<Photo> m_stack;
    QPointer<PhotoReviewDialog> m_review;
};
