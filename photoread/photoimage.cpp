#include "photoimage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

QSize scaledFor(const QSize &size)
{
    const int longest = std::max(size.width(), size.height());
    if (longest <= PhotoImage::longestSide)
        return size;
    return size.scaled(PhotoImage::longestSide, PhotoImage::longestSide, Qt::KeepAspectRatio);
}

} // namespace

PhotoImage PhotoImage::fromFile(const QString &path)
{
    PhotoImage photo;
    const QString name = QDir::toNativeSeparators(path);
    QImageReader reader(path);
    reader.setAutoTransform(true);           // a phone's own turn, kept in its EXIF
    reader.setDecideFormatFromContent(true); // whatever its name says
    if (!reader.canRead()) {
        photo.problem = QFileInfo::exists(path)
                            ? QStringLiteral("%1 is no image Ticketwise can read.").arg(name)
                            : QStringLiteral("%1 is not there.").arg(name);
        return photo;
    }
    photo.original = reader.size();
    if (photo.original.isValid() &&
        qint64(photo.original.width()) * photo.original.height() > mostPixels) {
        photo.problem = QStringLiteral("%1 is %2 by %3 pixels: too large for a photo of a "
                                       "ticket.")
                            .arg(name)
                            .arg(photo.original.width())
                            .arg(photo.original.height());
        return photo;
    }
    // Decoded at the size it is read at, where the format can: a JPEG's
    // decoder scales as it decodes.
    if (photo.original.isValid())
        reader.setScaledSize(scaledFor(photo.original));
    reader.setAllocationLimit(512);
    // A JPEG cut short decodes to grey where its end is missing.
    if (reader.format() == "jpeg") {
        QFile file(path);
        QByteArray end;
        if (file.open(QIODevice::ReadOnly) && file.seek(std::max<qint64>(0, file.size() - 64)))
            end = file.readAll();
        while (end.endsWith('\0'))
            end.chop(1);
        if (!end.endsWith("\xFF\xD9")) {
            photo.problem =
                QStringLiteral("%1 is damaged: it ends before its image does.").arg(name);
            return photo;
        }
    }
    if (!reader.read(&photo.image)) {
        photo.problem = QStringLiteral("%1 could not be read: %2.").arg(name, reader.errorString());
        photo.image = {};
        return photo;
    }
    if (!photo.original.isValid())
        photo.original = photo.image.size();
    if (std::max(photo.image.width(), photo.image.height()) > longestSide)
        photo.image = photo.image.scaled(scaledFor(photo.image.size()), Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation);
    return photo;
}

PhotoImage PhotoImage::fromImage(const QImage &image)
{
    PhotoImage photo;
    photo.original = image.size();
    if (image.isNull()) {
        photo.problem = QStringLiteral("What was pasted is no image.");
        return photo;
    }
    photo.image =
        std::max(image.width(), image.height()) > longestSide
            ? image.scaled(scaledFor(image.size()), Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : image;
    return photo;
}
