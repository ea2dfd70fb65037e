#include "taxyearpdf.h"

#include "seasonreport.h"

#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

bool TaxYearPdf::write(const TaxYearRecord &record, const QString &path, QString *reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        pdf.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                                      QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
        pdf.setResolution(96);
        pdf.setTitle(QStringLiteral("Ticketwise tax year %1").arg(record.year));
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
                QStringLiteral("Ticketwise tax year %1, made %2")
                    .arg(record.year)
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
        for (const TaxYearRecord::Section &section : record.sections) {
            y += line / 2;
            paragraph(section.title, true);
            if (!section.columns.isEmpty() && !section.rows.empty()) {
                std::vector<int> widths;
                for (int column = 0; column < section.columns.size(); ++column) {
                    int widest = metrics.horizontalAdvance(section.columns[column]);
                    for (const QStringList &row : section.rows)
                        widest = std::max(widest, metrics.horizontalAdvance(row.value(column)));
                    widths.push_back(widest + 8);
                }
                FitColumns(widths, page.width());
                const auto cells = [&](const QStringList &texts, bool bold) {
                    room(line);
                    QFont face = font;
                    face.setBold(bold);
                    painter.setFont(face);
                    int x = page.left();
                    for (std::size_t column = 0; column < widths.size(); ++column) {
                        const int width = widths[column];
                        painter.drawText(QRect(x, y, width - 4, line), Qt::AlignVCenter,
                                         metrics.elidedText(texts.value(int(column)),
                                                            Qt::ElideRight, width - 6));
                        x += width;
                    }
                    painter.setFont(font);
                    y += line;
                };
                cells(section.columns, true);
                for (const QStringList &row : section.rows)
                    cells(row, false);
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
