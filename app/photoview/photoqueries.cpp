#include "photoqueries.h"

#include "backgroundwork.h"
#include "dialogfolder.h"
#include "photoreader.h"
#include "photoreviewdialog.h"
#include "reportlist.h"
#include "tesseractreader.h"
#include "ticketphotos.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QMimeData>
#include <QShortcut>
#include <QStandardPaths>

PhotoQueries::PhotoQueries(ReportList &list, const QString &logPath, AddTickets add)
    : QObject(&list), m_list(list), m_logPath(logPath), m_add(std::move(add)),
      m_makeReader([] { return std::make_unique<TesseractReader>(); }),
      m_work(new BackgroundWork(list.window()))
{
    m_work->setParent(this);
    // Dropped on the list, pasted where it has the focus.
    m_viewport = m_list.viewport();
    m_viewport->setAcceptDrops(true);
    m_viewport->installEventFilter(this);
    auto *paste = new QShortcut(QKeySequence::Paste, &m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(paste, &QShortcut::activated, this, [this] {
        const QMimeData *pasted = QApplication::clipboard()->mimeData();
        if (!pasted)
            return;
        if (const QStringList files = imagesOf(pasted->urls()); !files.isEmpty())
            readPhotos(files);
        else if (pasted->hasImage())
            readImage(qvariant_cast<QImage>(pasted->imageData()));
    });
}

PhotoQueries::~PhotoQueries() = default;

PhotoReviewDialog *PhotoQueries::review() const
{
    return m_review;
}

QStringList PhotoQueries::imagesOf(const QList<QUrl> &urls)
{
    QStringList files;
    for (const QUrl &url : urls) {
        if (url.isLocalFile() && !QImageReader::imageFormat(url.toLocalFile()).isEmpty())
            files << url.toLocalFile();
    }
    return files;
}

bool PhotoQueries::eventFilter(QObject *watched, QEvent *event)
{
    // Compared by the pointer kept: the list may be on its way out.
    if (watched == m_viewport) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (!imagesOf(drag->mimeData()->urls()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto *drop = static_cast<QDropEvent *>(event);
            if (const QStringList files = imagesOf(drop->mimeData()->urls()); !files.isEmpty()) {
                drop->acceptProposedAction();
                readPhotos(files);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void PhotoQueries::askPhotos()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QStringList files = QFileDialog::getOpenFileNames(
        m_list.window(), QStringLiteral("Add from Photo"),
        DialogFolder(QStandardPaths::PicturesLocation),
        QStringLiteral("Photos and scans (%1);;All files (*)").arg(patterns.join(u' ')));
    if (!files.isEmpty())
        readPhotos(files);
}

void PhotoQueries::readPhotos(const QStringList &paths)
{
    for (const QString &path : paths)
        m_stack.push_back({path, {}});
    if (!m_work->isRunning() && !m_review)
        readNext();
}

void PhotoQueries::readImage(const QImage &image)
{
    m_stack.push_back({{}, image});
    if (!m_work->isRunning() && !m_review)
        readNext();
}

void PhotoQueries::readNext()
{
    if (m_stack.empty()) {
        emit stackEnded();
        return;
    }
    const Photo photo = m_stack.front();
    m_stack.pop_front();
    auto reading = std::make_shared<PhotoReading>();
    m_work->start(
        photo.path.isEmpty()
            ? QStringLiteral("Reading the pasted image...")
            : QStringLiteral("Reading %1...").arg(QFileInfo(photo.path).fileName()),
        [photo, reading, make = m_makeReader](const BackgroundWork::Progress &progress) {
            const std::unique_ptr<TextReader> reader = make();
            *reading = PhotoReading::read(
                photo.path.isEmpty() ? PhotoImage::fromImage(photo.image)
                                     : PhotoImage::fromFile(photo.path),
                *reader, [&progress](int done, int of) { return progress(done, of); });
        },
        [this, photo, reading](bool cancelled) {
            if (cancelled) {
                m_stack.clear();
                emit stackEnded();
                return;
            }
            review(photo, *reading);
        });
}

void PhotoQueries::review(const Photo &photo, const PhotoReading &reading)
{
    if (!reading.problem.isEmpty() && reading.ticket.plays.empty()) {
        QMessageBox::information(
            m_list.window(), QStringLiteral("Add from Photo"),
            reading.problem +
                (m_stack.empty() ? QString() : QStringLiteral("\n\nThe next photo is read now.")));
        readNext();
        return;
    }
    auto *dialog = new PhotoReviewDialog(reading, int(m_stack.size()), m_list.window());
    m_review = dialog;
    const int outcome = dialog->exec();
    const std::vector<LogEntry> tickets = dialog->tickets();
    const bool keepPhoto = dialog->keepPhoto();
    delete dialog;
    if (outcome == PhotoReviewDialog::Add && !tickets.empty()) {
        m_add(tickets);
        if (keepPhoto)
            keep(photo, tickets);
    }
    if (outcome == PhotoReviewDialog::CancelAll) {
        m_stack.clear();
        emit stackEnded();
        return;
    }
    readNext();
}

// The photo as it was taken, the file's own bytes; a pasted image as a PNG.
void PhotoQueries::keep(const Photo &photo, const std::vector<LogEntry> &tickets)
{
    QByteArray bytes;
    QString suffix = QStringLiteral("png");
    if (photo.path.isEmpty()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        photo.image.save(&buffer, "PNG");
    } else {
        QFile file(photo.path);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        suffix = QFileInfo(photo.path).suffix().toLower();
        if (suffix.isEmpty())
            suffix = QString::fromLatin1(QImageReader::imageFormat(photo.path));
    }
    std::vector<TicketCells> plays;
    for (const LogEntry &ticket : tickets)
        plays.push_back({ticket.game, ticket.date, ticket.numbers});
    QString why = QStringLiteral("the photo could not be read again");
    const TicketPhotos photos = TicketPhotos::besideLog(m_logPath);
    if (bytes.isEmpty() ||
        photos.keep(bytes, suffix, plays, QDateTime::currentDateTime(), &why).isEmpty())
        QMessageBox::warning(m_list.window(), QStringLiteral("Add from Photo"),
                             QStringLiteral("The ticket was added, but its photo could not be "
                                            "kept in %1: %2.")
                                 .arg(QDir::toNativeSeparators(photos.folder()), why));
}
