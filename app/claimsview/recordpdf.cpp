#include "recordpdf.h"

#include "pdfpages.h"

#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

bool RecordPdf::write(const QString &heading, const std::vector<RecordSection> &sections,
                      const QString &path, QString *reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        SetUpPdfPages(pdf);
        pdf.setTitle(heading);
        pdf.setCreator(QStringLiteral("Ticketwise"));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            *reason = QStringLiteral("The PDF could not be begun");
            file.cancelWriting();
            return false;
        }
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(11);
        painter.setFont(font);
        const QRect page = painter.viewport();
        const QFontMetrics metrics = painter.fontMetrics();
        const int line = metrics.height() + 3;
        int pageNumber = 1;
        int y = 0;
        const auto header = [&] {
            const QString about =
                QStringLiteral("%1, made %2")
                    .arg(heading)
                    .arg(QLocale(QLocale::English)
                             .toString(QDate::currentDate(), QLocale::LongFormat));
            const QString number = QStringLiteral("Page %1").arg(pageNumber);
            painter.setPen(Qt::darkGray);
            painter.drawText(page.left(), page.top() + metrics.ascent(), about);
            painter.drawText(page.right() - metrics.horizontalAdvance(number),
                             page.top() + metrics.ascent(), number);
            painter.setPen(Qt::black);
            y = page.top() + line * 2;
        };
        const auto room = [&](int height) {
            if (y + height <= page.bottom())
                return;
            pdf.newPage();
            ++pageNumber;
            header();
        };
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
        header();
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
        }
        painter.end();
    }
    if (file.commit())
        return true;
    *reason = file.errorString();
    return false;
}
