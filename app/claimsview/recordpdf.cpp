#include "recordpdf.h"

#include "pdfdocument.h"
#include "pdfpages.h"

#include <QDate>
#include <QDir>
#include <QImageReader>
#include <QLocale>

bool RecordPdf::write(const QString &heading, const std::vector<RecordSection> &sections,
                      const QString &path, QString *reason)
{
    PdfDocument document(path, heading);
    if (!document.begin(reason))
        return false;
    {
        QPainter &painter = document.painter();
        const QFont font = painter.font();
        document.startPages(
            QStringLiteral("%1, made %2")
                .arg(heading)
                .arg(
                    QLocale(QLocale::English).toString(QDate::currentDate(), QLocale::LongFormat)));
        const QRect page = document.page();
        const QFontMetrics metrics = painter.fontMetrics();
        const int line = document.line();
        int &y = document.y;
        const auto room = [&document](int height) { document.room(height); };
        const auto paragraph = [&](const QString &text, bool bold) {
            QFont face = font;
            face.setBold(bold);
            painter.setFont(face);
            const QRect bounds = painter.boundingRect(
                QRect(page.left(), y, page.width(), page.height()), Qt::TextWordWrap, text);
            room(bounds.height());
            painter.drawText(QRect(page.left(), y, page.width(), bounds.height()), Qt::TextWordWrap,
                             text);
            y += bounds.height() + 4;
            painter.setFont(font);
        };
        for (const RecordSection &section : sections) {
            y += line / 2;
            paragraph(section.title, true);
            if (!section.columns.isEmpty() && !section.rows.empty()) {
                // Each cell measured once: its column's width, and whether
                // it must be cut to fit.
                const qsizetype columns = section.columns.size();
                std::vector<int> widths(std::size_t(columns), 0);
                std::vector<int> advances;
                advances.reserve(section.rows.size() * std::size_t(columns));
                // Titles are bold: measured so, so that none is cut.
                QFont boldFont = font;
                boldFont.setBold(true);
                const QFontMetrics bold(boldFont, painter.device());
                for (qsizetype column = 0; column < columns; ++column)
                    widths[std::size_t(column)] =
                        bold.horizontalAdvance(section.columns[column]) + 8;
                for (const QStringList &row : section.rows) {
                    for (qsizetype column = 0; column < columns; ++column) {
                        advances.push_back(metrics.horizontalAdvance(row.value(column)));
                        widths[std::size_t(column)] =
                            std::max(widths[std::size_t(column)], advances.back() + 8);
                    }
                }
                FitColumns(widths, page.width());
                const auto cells = [&](const QStringList &texts, bool bold, const int *measured) {
                    room(line);
                    QFont face = font;
                    face.setBold(bold);
                    painter.setFont(face);
                    int x = page.left();
                    for (std::size_t column = 0; column < widths.size(); ++column) {
                        const int width = widths[column];
                        const QString &text = texts.value(int(column));
                        const bool fits = measured && measured[column] <= width - 6;
                        painter.drawText(
                            QRect(x, y, width - 4, line), Qt::AlignVCenter,
                            fits ? text : metrics.elidedText(text, Qt::ElideRight, width - 6));
                        x += width;
                    }
                    painter.setFont(font);
                    y += line;
                };
                cells(section.columns, true, nullptr);
                for (std::size_t row = 0; row < section.rows.size(); ++row)
                    cells(section.rows[row], false, &advances[row * std::size_t(columns)]);
                y += 4;
            }
            for (const QString &note : section.notes)
                paragraph(note, false);
            for (const RecordSection::Picture &picture : section.pictures) {
                // A page's width at most, and two thirds of its height, so
                // that its caption stays beside it; decoded at no more than
                // a printer shows of it, so that a phone's photo does not
                // make the file large.
                QImageReader reader(picture.path);
                reader.setAutoTransform(true);
                const QSize most(page.width(), page.height() * 2 / 3);
                if (const QSize size = reader.size();
                    size.isValid() && std::max(size.width(), size.height()) > 1600)
                    reader.setScaledSize(size.scaled(1600, 1600, Qt::KeepAspectRatio));
                const QImage image = reader.read();
                y += line / 2;
                if (image.isNull()) {
                    paragraph(QStringLiteral("%1 (the photo %2 could not be read: %3)")
                                  .arg(picture.caption, QDir::toNativeSeparators(picture.path),
                                       reader.errorString()),
                              false);
                    continue;
                }
                const QSize drawn = image.size().scaled(most, Qt::KeepAspectRatio);
                room(drawn.height() + line);
                paragraph(picture.caption, false);
                painter.drawImage(QRect(QPoint(page.left(), y), drawn), image);
                y += drawn.height() + 4;
            }
        }
    }
    return document.finish(reason);
}
