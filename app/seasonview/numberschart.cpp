#include "numberschart.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor ticketColor(40, 90, 170);
const QColor drawnColor(220, 120, 30);

void paintBars(QPainter &painter, const QRect &area, const std::vector<NumberCounts::Bar> &bars,
               bool drawn, const QString &caption)
{
    const int mostTickets =
        std::max(1, std::max_element(bars.begin(), bars.end(), [](auto &a, auto &b) {
                        return a.tickets < b.tickets;
                    })->tickets);
    const int mostDrawn =
        std::max(1, std::max_element(bars.begin(), bars.end(), [](auto &a, auto &b) {
                        return a.drawn < b.drawn;
                    })->drawn);
    const QFontMetrics metrics = painter.fontMetrics();
    const int labels = metrics.height() + 2;
    const QRect plot = area.adjusted(0, metrics.height() + 2, 0, -labels);
    painter.setPen(Qt::black);
    painter.drawText(area.left(), area.top() + metrics.ascent(), caption);
    const double slot = double(plot.width()) / double(bars.size());
    // One number label in so many, so that they do not run together.
    const int every =
        std::max(1, int(std::ceil(metrics.horizontalAdvance(QStringLiteral("888")) / slot)));
    for (std::size_t at = 0; at < bars.size(); ++at) {
        const double left = plot.left() + slot * double(at);
        const double width = std::max(1.0, (drawn ? slot / 2 : slot) - 1);
        const auto height = [&](int count, int most) {
            return double(plot.height()) * count / most;
        };
        const double ticketHeight = height(bars[at].tickets, mostTickets);
        painter.fillRect(QRectF(left, plot.bottom() - ticketHeight, width, ticketHeight),
                         ticketColor);
        if (drawn) {
            const double drawnHeight = height(bars[at].drawn, mostDrawn);
            painter.fillRect(
                QRectF(left + slot / 2, plot.bottom() - drawnHeight, width, drawnHeight),
                drawnColor);
        }
        if (int(at) % every == 0) {
            painter.drawText(QRectF(left - slot, plot.bottom() + 1, slot * 3, labels),
                             Qt::AlignHCenter | Qt::AlignTop, QString::number(bars[at].number));
        }
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

} // namespace

NumbersChart::NumbersChart(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(320, 180);
}

void NumbersChart::setCounts(NumberCounts counts)
{
    m_counts = std::move(counts);
    update();
}

void NumbersChart::paint(QPainter &painter, const QRect &area, const NumberCounts &counts)
{
    painter.save();
    const QFontMetrics metrics = painter.fontMetrics();
    if (counts.numbers.empty()) {
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("No numbers to show"));
        painter.restore();
        return;
    }
    const bool drawn = counts.draws > 0;
    // The legend, then the numbers, then the ball in a narrower part of its own.
    const int legend = metrics.height() + 6;
    int x = area.left();
    const auto key = [&](const QColor &color, const QString &text) {
        painter.fillRect(x, area.top() + 2, metrics.height() - 4, metrics.height() - 4, color);
        x += metrics.height();
        painter.setPen(Qt::black);
        painter.drawText(x, area.top() + metrics.ascent(), text);
        x += metrics.horizontalAdvance(text) + 16;
    };
    key(ticketColor, QStringLiteral("on the listed tickets"));
    if (drawn)
        key(drawnColor, QStringLiteral("in the file's draws"));
    QRect bars = area.adjusted(0, legend, 0, 0);
    QRect ball;
    if (!counts.balls.empty()) {
        const int ballWidth =
            std::max(bars.width() / 4, int(bars.width() * counts.balls.size() /
                                           (counts.balls.size() + counts.numbers.size())));
        ball = QRect(bars.right() - ballWidth + 1, bars.top(), ballWidth, bars.height());
        bars.setRight(ball.left() - 16);
    }
    QString caption = counts.rules && counts.rules->kind == LotteryGame::Kind::Digits
                          ? QStringLiteral("Digits")
                          : QStringLiteral("Numbers");
    if (counts.moreNumbers > 0)
        caption += QStringLiteral(", the first %1, and %2 more")
                       .arg(counts.numbers.size())
                       .arg(counts.moreNumbers);
    paintBars(painter, bars, counts.numbers, drawn, caption);
    if (!ball.isNull()) {
        paintBars(painter, ball, counts.balls, drawn,
                  QString::fromLatin1(counts.rules->extraShort.data(),
                                      qsizetype(counts.rules->extraShort.size())));
    }
    painter.restore();
}

void NumbersChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paint(painter, rect().adjusted(8, 8, -8, -8), m_counts);
}
