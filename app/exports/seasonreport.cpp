#include "seasonreport.h"

#include "numberschart.h"
#include "pdfpages.h"

#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

QStringList SeasonReport::closing() const
{
    QStringList lines;
    if (winners.empty())
        lines << QStringLiteral("No listed ticket won anything: %1 in all.").arg(others);
    else if (others > 0)
        lines << (others == 1
                      ? QStringLiteral("And 1 other ticket, which won nothing.")
                      : QStringLiteral("And %1 other tickets, which won nothing.").arg(others));
    if (noDraw > 0)
        lines << (noDraw == 1 ? QStringLiteral("1 ticket had no draw in the file.")
                              : QStringLiteral("%1 tickets had no draw in the file.").arg(noDraw));
    return lines;
}

bool SeasonReport::write(const QString &path, QString *errorString) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *errorString = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        SetUpPdfPages(pdf);
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
        constexpr int padding = 12;
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
            const QString number = QStringLiteral("Page %1").arg(pageNumber);
            painter.setPen(Qt::darkGray);
            painter.drawText(
                page.left(), page.top() + metrics.ascent(),
                metrics.elidedText(about, Qt::ElideRight,
                                   page.width() - metrics.horizontalAdvance(number) - padding));
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
        // The winners, in the list's columns, each as wide as its widest;
        // where they pass the page's width, the widest are cut to the room
        // left, and their long cells end in an ellipsis.
        std::vector<int> widths(std::size_t(titles.size()), 0);
        QFont boldFont = font;
        boldFont.setBold(true);
        const auto widen = [&](const QStringList &row, const QFontMetrics &rowMetrics) {
            for (int at = 0; at < row.size() && at < int(widths.size()); ++at)
                widths[std::size_t(at)] = std::max(widths[std::size_t(at)],
                                                   rowMetrics.horizontalAdvance(row[at]) + padding);
        };
        widen(titles, QFontMetrics(boldFont, &pdf));
        for (const Winner &winner : winners)
            widen(winner.cells, metrics);
        const std::vector<int> natural = widths;
        FitColumns(widths, page.width());
        const auto drawRow = [&](const QStringList &row, bool bold) {
            room(line);
            painter.setFont(bold ? boldFont : font);
            const QFontMetrics rowMetrics = painter.fontMetrics();
            int x = page.left();
            for (int at = 0; at < row.size() && at < int(widths.size()); ++at) {
                const int width = widths[std::size_t(at)];
                const bool cut = width < natural[std::size_t(at)];
                painter.drawText(QRect(x, y, width, line), Qt::AlignVCenter,
                                 cut ? rowMetrics.elidedText(row[at], Qt::ElideRight,
                                                             std::max(width - padding, 0))
                                     : row[at]);
                x += width;
            }
            painter.setFont(font);
            y += line;
        };
        if (!winners.empty()) {
            drawRow(titles, true);
            for (const Winner &winner : winners) {
                drawRow(winner.cells, false);
                if (winner.days.isEmpty())
                    continue;
                const QRect text(page.left() + padding, y, page.width() - padding, page.height());
                QRect bounds = painter.boundingRect(text, Qt::TextWordWrap, winner.days);
                room(bounds.height());
                bounds.moveTop(y);
                painter.setPen(Qt::darkGray);
                painter.drawText(bounds, Qt::TextWordWrap, winner.days);
                painter.setPen(Qt::black);
                y += bounds.height() + 2;
            }
        }
        y += line / 2;
        for (const QString &text : closing()) {
            room(line);
            painter.drawText(page.left(), y + metrics.ascent(), text);
            y += line;
        }
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
