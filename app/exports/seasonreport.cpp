#include "seasonreport.h"

#include "numberschart.h"
#include "pdfdocument.h"
#include "pdfpages.h"

#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

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
    PdfDocument document(path, QStringLiteral("Ticketwise report: %1").arg(game));
    if (!document.begin(errorString))
        return false;
    {
        QPainter &painter = document.painter();
        const QFont font = painter.font();
        const QString made = QLocale(QLocale::English).toString(this->made, QLocale::LongFormat);
        // On every page: the game, the file of draws and the day of the report.
        document.startPages(drawsFile.isEmpty()
                                ? QStringLiteral("Ticketwise report: %1, %2").arg(game, made)
                                : QStringLiteral("Ticketwise report: %1 against %2, %3")
                                      .arg(game, drawsFile, made));
        const QRect page = document.page();
        const QFontMetrics metrics = painter.fontMetrics();
        const int line = document.line();
        constexpr int padding = 12;
        int &y = document.y;
        const auto room = [&document](int height) { document.room(height); };
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
        widen(titles, QFontMetrics(boldFont, &document.writer()));
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
    }
    return document.finish(errorString);
}
