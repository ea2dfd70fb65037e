#include "photoreader.h"

#include <algorithm>

namespace {

// How well a reading went: plays read, the fewer marked the better.
int scoreOf(const ReadTicket &ticket)
{
    int score = 0;
    for (const ReadPlay &play : ticket.plays)
        score += play.marked() ? 1 : 3;
    return score + (ticket.game ? 1 : 0) + (ticket.firstDraw ? 1 : 0);
}

} // namespace

QPolygonF PhotoReading::onPhoto(const TextBox &box) const
{
    return prepared.toPhoto.map(QPolygonF(QRectF(box.left, box.top, box.width, box.height)));
}

PhotoReading PhotoReading::read(PhotoImage photo, TextReader &reader,
                                const std::function<bool(int, int)> &progress)
{
    PhotoReading reading;
    reading.photo = std::move(photo);
    if (!reading.photo.problem.isEmpty()) {
        reading.problem = reading.photo.problem;
        return reading;
    }
    if (!reader.problem().isEmpty()) {
        reading.problem = reader.problem();
        return reading;
    }
    std::atomic<bool> cancelled = false;
    const auto step = [&](int done) {
        if (progress && !progress(done, 4))
            cancelled = true;
        return !cancelled;
    };
    // Read the way it seems to stand; where that reads as no ticket, or one
    // with half its plays marked, turned half round, then a quarter each
    // way; the best kept.
    reading.prepared = PreparedPhoto::of(reading.photo.image);
    const int first = reading.prepared.quarters;
    reading.ticket = ReadTicket::of(reader.read(reading.prepared.image, cancelled).rows());
    int done = 1;
    for (const int turn : {2, 1, 3}) {
        const auto marked = std::count_if(reading.ticket.plays.begin(), reading.ticket.plays.end(),
                                          [](const ReadPlay &play) { return play.marked(); });
        if (!step(done++) ||
            (!reading.ticket.plays.empty() && marked * 2 < qsizetype(reading.ticket.plays.size())))
            break;
        PreparedPhoto turned = PreparedPhoto::of(reading.photo.image, first + turn);
        ReadTicket other = ReadTicket::of(reader.read(turned.image, cancelled).rows());
        if (scoreOf(other) > scoreOf(reading.ticket)) {
            reading.ticket = std::move(other);
            reading.prepared = std::move(turned);
        }
    }
    if (cancelled)
        return reading.cancelled = true, reading;
    if (!step(4))
        return reading.cancelled = true, reading;
    reading.problem = QString::fromStdString(reading.ticket.problem);
    return reading;
}
