#include "ticketpicture.h"

#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace {

QString two(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

struct Line
{
    QString text;
    int size; // points
    bool bold;
    bool centred;
};

} // namespace

TicketPicture TicketPicture::of(Layout layout, int plays, std::uint32_t seed, const Shot &shot)
{
    TicketPicture picture;
    QRandomGenerator random(seed);
    const bool mega = layout == Texas;
    const int last = mega ? 70 : 69;
    const int ballLast = mega ? 25 : 26;
    std::vector<Line> lines;
    const auto add = [&lines](const QString &text, int size = 20, bool bold = false,
                              bool centred = true) {
        lines.push_back({text, size, bold, centred});
    };
    switch (layout) {
    case NewHampshire:
        picture.game = QStringLiteral("Powerball NH");
        picture.date = QStringLiteral("04/01/2017");
        add(QStringLiteral("NEW HAMPSHIRE"), 22);
        add(QStringLiteral("POWERBALL"), 40, true);
        add(QStringLiteral("SOLD ON 03/30/2017  11:40:37"));
        add(QStringLiteral("Retailer: 006591"));
        add(QStringLiteral("00000 02234 00000 04617 03391"), 18);
        break;
    case Indiana:
        picture.game = QStringLiteral("Powerball IN");
        picture.date = QStringLiteral("06/30/2018");
        add(QStringLiteral("0773-013893378-128109"));
        add(QStringLiteral("hoosier lottery"), 24);
        add(QStringLiteral("POWERBALL"), 40, true);
        add(QStringLiteral("QUICK PICK"), 24);
        break;
    case Texas:
        picture.game = QStringLiteral("Mega Millions TX");
        picture.date = QStringLiteral("01/02/2018 x2");
        add(QStringLiteral("TEXAS LOTTERY"), 22);
        add(QStringLiteral("MEGA MILLIONS"), 36, true);
        break;
    }
    const char letters[] = "ABCDE";
    for (int play = 0; play < plays; ++play) {
        std::vector<int> numbers;
        while (numbers.size() < 5) {
            const int number = int(random.bounded(last)) + 1;
            if (std::find(numbers.begin(), numbers.end(), number) == numbers.end())
                numbers.push_back(number);
        }
        std::sort(numbers.begin(), numbers.end());
        const int ball = int(random.bounded(ballLast)) + 1;
        QStringList printed;
        QStringList cell;
        for (const int number : numbers) {
            printed << two(number);
            cell << QString::number(number);
        }
        const QString letter = QString(QLatin1Char(letters[play]));
        switch (layout) {
        case NewHampshire:
            add(letter + QStringLiteral(". ") + printed.join(u' ') + QStringLiteral("   PB: ") +
                    two(ball),
                26, true, false);
            picture.plays << cell.join(u' ') + QStringLiteral(" PB %1").arg(ball);
            break;
        case Indiana:
            add(letter + u' ' + printed.join(u' ') + QStringLiteral("   *") + two(ball) +
                    QStringLiteral("   QP"),
                26, true, false);
            picture.plays << cell.join(u' ') + QStringLiteral(" PB %1").arg(ball);
            break;
        case Texas:
            add(letter + u' ' + printed.join(u' ') + QStringLiteral(" MB ") + two(ball) +
                    QStringLiteral(" QP"),
                26, true, false);
            picture.plays << cell.join(u' ') + QStringLiteral(" MB %1 MP").arg(ball);
            break;
        }
    }
    switch (layout) {
    case NewHampshire:
        add(QStringLiteral("POWER PLAY - NO"));
        add(QStringLiteral("FOR 1 DRAW - Sat Apr 01 17"));
        add(QStringLiteral("$%1.00").arg(2 * plays), 28, true);
        add(QStringLiteral("CURRENT JACKPOT: $60,000,000"), 18);
        break;
    case Indiana:
        add(QStringLiteral("SINGLE DRAW      Jun 30 2018"), 20, false, false);
        add(QStringLiteral("TERMINAL 763169-04 Jun 30 2018/15:13:01"), 16, false, false);
        add(QStringLiteral("023747               $%1.00").arg(2 * plays), 20, true, false);
        add(QStringLiteral("Tuesday's Mega Millions Jackpot is $256 million."), 14);
        break;
    case Texas:
        add(QStringLiteral("MEGAPLIER YES"));
        add(QStringLiteral("2 DRAWS   TUE JAN02 18"));
        add(QStringLiteral("$%1.00").arg(6 * plays), 28, true);
        break;
    }
    // The receipt, black on white, as a thermal printer prints it.
    const int width = 640;
    int height = 60;
    for (const Line &line : lines)
        height += int(line.size * 1.9);
    QImage paper(width, height, QImage::Format_RGB32);
    paper.fill(Qt::white);
    {
        // Drawn as the font's outlines, not by the platform's text
        // rasterizer, so that both platforms print the same ticket.
        QPainter painter(&paper);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        int y = 30;
        for (const Line &line : lines) {
            QFont font(QStringLiteral("Liberation Mono"));
            font.setPixelSize(line.size);
            font.setBold(line.bold);
            const int lineHeight = int(line.size * 1.9);
            QPainterPath text;
            text.addText(0, 0, font, line.text);
            const QRectF ink = text.boundingRect();
            const double left =
                line.centred ? 24 + (width - 48 - ink.width()) / 2 - ink.left() : 24;
            painter.drawPath(text.translated(left, y + lineHeight / 2.0 + line.size * 0.36));
            y += lineHeight;
        }
    }
    // The photograph: the paper on a dark table, turned and in perspective.
    const QSize canvas(int(width * 1.6), int(height * 1.3));
    QImage photo(canvas, QImage::Format_RGB32);
    photo.fill(QColor(40, 36, 34));
    {
        const double narrowed = width * shot.perspective / 2;
        QTransform toPhoto;
        QTransform::quadToQuad(QPolygonF(QRectF(0, 0, width, height)),
                               QPolygonF({QPointF(narrowed, 0), QPointF(width - narrowed, 0),
                                          QPointF(width, height), QPointF(0, height)}),
                               toPhoto);
        QTransform place;
        place.translate(canvas.width() / 2.0, canvas.height() / 2.0);
        place.rotate(shot.turn);
        place.translate(-width / 2.0, -height / 2.0);
        QPainter painter(&photo);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setTransform(toPhoto * place);
        painter.drawImage(0, 0, paper);
    }
    if (shot.blur > 0) {
        const QSize size = photo.size();
        photo =
            photo.scaled(size / (1 + shot.blur), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (shot.shadow > 0) {
        QPainter painter(&photo);
        QLinearGradient light(0, 0, canvas.width(), canvas.height());
        light.setColorAt(0, QColor(0, 0, 0, 0));
        light.setColorAt(1, QColor(0, 0, 0, int(255 * shot.shadow)));
        painter.fillRect(photo.rect(), light);
    }
    if (shot.noise > 0) {
        for (int y = 0; y < photo.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) {
                const int shift = int((random.generateDouble() - 0.5) * 2 * shot.noise);
                const int grey = std::clamp(qGray(line[x]) + shift, 0, 255);
                line[x] = qRgb(grey, grey, grey);
            }
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "JPEG", shot.quality);
    picture.photo = QImage::fromData(jpeg, "JPEG");
    return picture;
}
