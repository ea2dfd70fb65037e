// A ticket photographed as phones take them, 12 and 50 megapixels, read as
// the program reads one: the photo decoded (scaled as it is decoded), made
// ready and read by Tesseract. Each photo is read in a process of its own,
// so that its peak memory is its own and its allocator is fresh. Prints the
// seconds and the peak memory of each. Checks nothing.
#include "photoreader.h"
#include "tesseractreader.h"
#include "ticketpicture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

// Reads one photo and prints its figures: the child's part.
int readOne(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    TesseractReader reader;
    const qint64 started = timer.elapsed();
    const PhotoReading reading = PhotoReading::read(PhotoImage::fromFile(path), reader);
    const qint64 read = timer.elapsed();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    int plain = 0;
    for (const ReadPlay &play : reading.ticket.plays)
        plain += play.marked() ? 0 : 1;
    std::printf("%5d x %-5d %7.1f MB %8.2f s %8.2f s %9ld MB %4zu plays, %zu unmarked\n",
                reading.photo.original.width(), reading.photo.original.height(),
                double(QFileInfo(path).size()) / 1e6, double(started) / 1000,
                double(read - started) / 1000, usage.ru_maxrss / 1024, reading.ticket.plays.size(),
                std::size_t(plain));
    return 0;
}

// A ticket drawn and photographed, filling a photo of that size on a table.
QString photograph(const QTemporaryDir &folder, QSize size)
{
    TicketPicture::Shot shot;
    shot.turn = 3;
    shot.perspective = 0.08;
    const TicketPicture ticket = TicketPicture::of(TicketPicture::Texas, 5, 12, shot);
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(QColor(40, 36, 34));
    {
        QPainter painter(&photo);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize paper = ticket.photo.size().scaled(size, Qt::KeepAspectRatio);
        painter.drawImage(
            QRect(QPoint((size.width() - paper.width()) / 2, (size.height() - paper.height()) / 2),
                  paper),
            ticket.photo);
    }
    const QString path = folder.filePath(QStringLiteral("photo-%1.jpg").arg(size.width()));
    photo.save(path, "JPEG", 90);
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--read") {
        QGuiApplication app(argc, argv);
        return readOne(QString::fromLocal8Bit(argv[2]));
    }
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    std::printf("A ticket's photo read, each in a process of its own\n");
    std::printf("%-13s %10s %10s %10s %12s\n", "pixels", "file", "Tesseract", "reading",
                "peak memory");
    std::fflush(stdout);
    for (const QSize size : {QSize(4000, 3000), QSize(8660, 5773)}) {
        const QString path = photograph(folder, size);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--read"), path});
        child.waitForFinished(-1);
    }
    return 0;
}
