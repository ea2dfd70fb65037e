#include "photopreparer.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int readWidth = 900; // a ticket's width as it is read: its digits ~40 pixels high
constexpr int findWidth = 400; // the photo's width as its paper is looked for

// The grey level that parts the darker pixels from the brighter best
// (Otsu's).
int otsuOf(const QImage &grey)
{
    std::array<qint64, 256> counts = {};
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            ++counts[line[x]];
    }
    const qint64 total = qint64(grey.width()) * grey.height();
    double sum = 0;
    for (int level = 0; level < 256; ++level)
        sum += double(level) * double(counts[std::size_t(level)]);
    double below = 0;
    qint64 weight = 0;
    double best = -1;
    int threshold = 128;
    for (int level = 0; level < 256; ++level) {
        weight += counts[std::size_t(level)];
        if (weight == 0 || weight == total)
            continue;
        below += double(level) * double(counts[std::size_t(level)]);
        const double meanBelow = below / double(weight);
        const double meanAbove = (sum - below) / double(total - weight);
        const double between = double(weight) * double(total - weight) * (meanBelow - meanAbove) *
                               (meanBelow - meanAbove);
        if (between > best) {
            best = between;
            threshold = level;
        }
    }
    return threshold;
}

// The corners of the largest bright shape of a small grey image, top left
// first and round; nothing where the shape is most of the image, or none.
std::optional<std::array<QPointF, 4>> paperCorners(const QImage &small)
{
    const int width = small.width();
    const int height = small.height();
    const int threshold = otsuOf(small);
    std::vector<int> label(std::size_t(width) * std::size_t(height), 0);
    int best = 0;
    qint64 bestArea = 0;
    std::vector<int> stack;
    for (int start = 0, next = 1; start < width * height; ++start) {
        if (label[std::size_t(start)] ||
            small.constScanLine(start / width)[start % width] <= threshold)
            continue;
        qint64 area = 0;
        stack.push_back(start);
        label[std::size_t(start)] = next;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            ++area;
            const int x = at % width;
            const int y = at / width;
            for (const auto &[dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                    continue;
                const int neighbour = ny * width + nx;
                if (!label[std::size_t(neighbour)] && small.constScanLine(ny)[nx] > threshold) {
                    label[std::size_t(neighbour)] = next;
                    stack.push_back(neighbour);
                }
            }
        }
        if (area > bestArea) {
            bestArea = area;
            best = next;
        }
        ++next;
    }
    const qint64 all = qint64(width) * height;
    if (bestArea < all / 8 || bestArea > all * 9 / 10)
        return std::nullopt;
    // The corners: the shape's points farthest toward each corner.
    std::array<QPointF, 4> corners;
    std::array<double, 4> most = {-1e9, -1e9, -1e9, -1e9};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (label[std::size_t(y * width + x)] != best)
                continue;
            const std::array<double, 4> toward = {-double(x) - y, double(x) - y, double(x) + y,
                                                  -double(x) + y};
            for (std::size_t corner = 0; corner < 4; ++corner) {
                if (toward[corner] > most[corner]) {
                    most[corner] = toward[corner];
                    corners[corner] = QPointF(x + 0.5, y + 0.5);
                }
            }
        }
    }
    return corners;
}

double length(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Each pixel set against the brightest of the paper around it: shadows,
// a yellowed paper and faded print come out as black on white.
QImage levelled(const QImage &grey)
{
    constexpr int block = 24;
    const int columns = (grey.width() + block - 1) / block;
    const int rows = (grey.height() + block - 1) / block;
    QImage paper(columns, rows, QImage::Format_Grayscale8);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            // The block's bright end, not its brightest pixel: a speck of
            // glare is no paper.
            std::array<int, 256> counts = {};
            int seen = 0;
            for (int y = row * block; y < std::min(grey.height(), (row + 1) * block); ++y) {
                const uchar *line = grey.constScanLine(y);
                for (int x = column * block; x < std::min(grey.width(), (column + 1) * block);
                     ++x) {
                    ++counts[line[x]];
                    ++seen;
                }
            }
            int level = 255;
            for (int passed = 0; level > 0 && passed < seen / 10; --level)
                passed += counts[std::size_t(level)];
            paper.scanLine(row)[column] = uchar(std::max(level, 32));
        }
    }
    const QImage around =
        paper.scaled(grey.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage out(grey.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *in = grey.constScanLine(y);
        const uchar *bright = around.constScanLine(y);
        uchar *to = out.scanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            to[x] = uchar(std::min(255, in[x] * 255 / std::max<int>(bright[x], 1)));
    }
    return out;
}

// The small turn, in degrees, that lines the text up with the rows: the
// one whose rows of dark pixels stand out most.
double skewOf(const QImage &grey)
{
    const QImage small = grey.scaledToWidth(std::min(600, grey.width()), Qt::SmoothTransformation);
    const int threshold = otsuOf(small);
    std::vector<QPointF> dark;
    for (int y = 0; y < small.height(); y += 2) {
        const uchar *line = small.constScanLine(y);
        for (int x = 0; x < small.width(); x += 2) {
            if (line[x] < threshold)
                dark.emplace_back(x, y);
        }
    }
    if (dark.size() < 100)
        return 0;
    double bestAngle = 0;
    double bestSpread = -1;
    for (double angle = -5; angle <= 5.001; angle += 0.5) {
        const double slope = std::tan(angle * M_PI / 180);
        std::vector<int> rows(std::size_t(small.height() + small.width()), 0);
        for (const QPointF &point : dark) {
            const int row = int(point.y() - point.x() * slope) + small.width();
            if (row >= 0 && row < int(rows.size()))
                ++rows[std::size_t(row)];
        }
        double spread = 0;
        for (const int count : rows)
            spread += double(count) * count;
        if (spread > bestSpread) {
            bestSpread = spread;
            bestAngle = angle;
        }
    }
    return bestAngle;
}

// Whether the text runs up and down rather than across: its lines then part
// the columns of dark pixels, not the rows.
bool textRunsDown(const QImage &grey)
{
    const QImage small = grey.scaled(grey.size().scaled(600, 600, Qt::KeepAspectRatio),
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int threshold = otsuOf(small);
    std::vector<double> rows(std::size_t(small.height()), 0);
    std::vector<double> columns(std::size_t(small.width()), 0);
    for (int y = 0; y < small.height(); ++y) {
        const uchar *line = small.constScanLine(y);
        for (int x = 0; x < small.width(); ++x) {
            if (line[x] < threshold) {
                ++rows[std::size_t(y)];
                ++columns[std::size_t(x)];
            }
        }
    }
    // How unevenly the dark pixels fall: lines and the gaps between them.
    const auto unevenness = [](const std::vector<double> &sums) {
        double mean = 0;
        for (const double sum : sums)
            mean += sum;
        mean /= double(std::max<std::size_t>(sums.size(), 1));
        double spread = 0;
        for (const double sum : sums)
            spread += (sum - mean) * (sum - mean);
        return mean > 0 ? spread / double(sums.size()) / (mean * mean) : 0.0;
    };
    return unevenness(columns) > 1.5 * unevenness(rows);
}

} // namespace

PreparedPhoto PreparedPhoto::of(const QImage &photo, std::optional<int> quarters)
{
    PreparedPhoto prepared;
    const QImage grey = photo.convertToFormat(QImage::Format_Grayscale8);
    const double toSmall = double(std::min(findWidth, grey.width())) / grey.width();
    const QImage small = grey.scaled(int(grey.width() * toSmall), int(grey.height() * toSmall),
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::array<QPointF, 4> corners = {QPointF(0, 0), QPointF(grey.width(), 0),
                                      QPointF(grey.width(), grey.height()),
                                      QPointF(0, grey.height())};
    if (const std::optional<std::array<QPointF, 4>> found = paperCorners(small)) {
        for (std::size_t at = 0; at < 4; ++at)
            corners[at] = (*found)[at] / toSmall;
        prepared.paperFound = true;
    }
    double width = (length(corners[0], corners[1]) + length(corners[3], corners[2])) / 2;
    double height = (length(corners[0], corners[3]) + length(corners[1], corners[2])) / 2;
    // A ticket photographed on its side: its lines run down the photo.
    const QImage paper = grey.copy(QPolygonF({corners[0], corners[1], corners[2], corners[3]})
                                       .boundingRect()
                                       .toAlignedRect()
                                       .intersected(grey.rect()));
    prepared.quarters = quarters.value_or(textRunsDown(paper) ? 1 : 0) % 4;
    for (int turn = 0; turn < prepared.quarters; ++turn) {
        std::rotate(corners.begin(), corners.begin() + 1, corners.end());
        std::swap(width, height);
    }
    const QSize size(readWidth, std::max(1, int(std::lround(readWidth * height / width))));
    QTransform toPhoto;
    QTransform::quadToQuad(
        QPolygonF({QPointF(0, 0), QPointF(size.width(), 0), QPointF(size.width(), size.height()),
                   QPointF(0, size.height())}),
        QPolygonF({corners[0], corners[1], corners[2], corners[3]}), toPhoto);
    QImage flat(size, QImage::Format_Grayscale8);
    flat.fill(255);
    {
        QPainter painter(&flat);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setTransform(toPhoto.inverted());
        painter.drawImage(0, 0, grey);
    }
    flat = levelled(flat);
    if (const double angle = skewOf(flat); std::abs(angle) >= 0.5) {
        QTransform turn;
        turn.translate(flat.width() / 2.0, flat.height() / 2.0);
        turn.rotate(-angle);
        turn.translate(-flat.width() / 2.0, -flat.height() / 2.0);
        QImage straight(flat.size(), QImage::Format_Grayscale8);
        straight.fill(255);
        QPainter painter(&straight);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setTransform(turn);
        painter.drawImage(0, 0, flat);
        painter.end();
        flat = straight;
        toPhoto = turn.inverted() * toPhoto;
    }
    prepared.image = flat;
    prepared.toPhoto = toPhoto;
    return prepared;
}

PreparedPhoto PreparedPhoto::turnedOver() const
{
    PreparedPhoto turned;
    turned.image = image.mirrored(true, true);
    QTransform half;
    half.translate(image.width(), image.height());
    half.rotate(180);
    turned.toPhoto = half * toPhoto;
    turned.paperFound = paperFound;
    turned.quarters = (quarters + 2) % 4;
    return turned;
}
