#include "seasonreport.h"

#include "numberschart.h"

#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

bool SeasonReport::write(const QString &path, QString *errorString) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *errorString = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        pdf.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                                      QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
        pdf.setResolution(96);
        pdf.setTitle(QStringLiteral("Ticketwise report: %1").arg(game));
        pdf.setCreator(QStringLiteral("Ticketwise"));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            *errorString = QStringLiteral("The PDF could not be begun");
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
        // On every page: the game, the file of draws and the day of the report.
        const auto header = [&] {
            const QString made =
                QLocale(QLocale::English).toString(this->made, QLocale::LongFormat);
            const QString about = drawsFile.isEmpty()
                                      ? QStringLiteral("Ticketwise report: %1, %2").arg(game, made)
                                      : QStringLiteral("Ticketwise report: %1 against %2, %3")
                                            .arg(game, drawsFile, made);
            painter.setPen(Qt::darkGray);
            painter.drawText(page.left(), page.top() + metrics.ascent(), about);
            const QString number = QStringLiteral("Page %1").arg(pageNumber);
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
        header();
        for (const QString &text : summary) {
            const QRect bounds = painter.boundingRect(
                QRect(page.left(), y, page.width(), page.height()), Qt::TextWordWrap, text);
            painter.drawText(bounds, Qt::TextWordWrap, text);
            y += bounds.height() + 4;
        }
        y += line / 2;
        const int chartHeight = page.height() / 3;
        NumbersChart::paint(painter, QRect(page.left(), y, page.width(), chartHeight), counts);
        y += chartHeight + line;
        // The winners, in the list's columns, each as wide as its widest.
        std::vector<int> widths(std::size_t(titles.size()), 0);
        const auto widen = [&](const QStringList &row) {
            for (int at = 0; at < row.size() && at < int(widths.size()); ++at)
                widths[std::size_t(at)] =
                    std::max(widths[std::size_t(at)], metrics.horizontalAdvance(row[at]) + 12);
        };
        widen(titles);
        for (const QStringList &row : winners)
            widen(row);
        const auto drawRow = [&](const QStringList &row, bool bold) {
            room(line);
            QFont rowFont = font;
            rowFont.setBold(bold);
            painter.setFont(rowFont);
            int x = page.left();
            for (int at = 0; at < row.size() && at < int(widths.size()); ++at) {
                painter.drawText(QRect(x, y, widths[std::size_t(at)], line), Qt::AlignVCenter,
                                 row[at]);
                x += widths[std::size_t(at)];
            }
            painter.setFont(font);
            y += line;
        };
        if (!winners.empty()) {
            drawRow(titles, true);
            for (const QStringList &row : winners)
                drawRow(row, false);
        }
        room(line * 2);
        y += line / 2;
        painter.drawText(
            page.left(), y + metrics.ascent(),
            winners.empty()
                ? QStringLiteral("No listed ticket won anything: %1 in all.").arg(others)
            : others == 1 ? QStringLiteral("And 1 other ticket, which won nothing.")
                          : QStringLiteral("And %1 other tickets, which won nothing.").arg(others));
        if (!painter.end()) {
            *errorString = QStringLiteral("The PDF could not be finished");
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        *errorString = file.errorString();
        return false;
    }
    return true;
}
