#include "claimrecord.h"

#include "civildate.h"
#include "csvlines.h"

namespace {

QString dayText(int date)
{
    return QString::fromStdString(CivilDate::text(date));
}

} // namespace

bool ClaimRecord::sameDraw(const ClaimRecord &other) const
{
    return drawDate == other.drawDate && copy == other.copy && cells() == other.cells();
}

QStringList ClaimRecord::titles()
{
    return {QStringLiteral("Claimed"),       QStringLiteral("Game"),
            QStringLiteral("Ticket Date"),   QStringLiteral("Numbers"),
            QStringLiteral("Draw"),          QStringLiteral("State"),
            QStringLiteral("Prize"),         QStringLiteral("Wager"),
            QStringLiteral("Paid"),          QStringLiteral("Federal Withheld"),
            QStringLiteral("State Withheld")};
}

QStringList ClaimRecord::fields() const
{
    return {dayText(claimed),
            game,
            ticketDate,
            numbers,
            dayText(drawDate),
            state,
            CsvLines::plainCents(prize),
            CsvLines::plainCents(wager),
            CsvLines::plainCents(paid),
            CsvLines::plainCents(federal),
            CsvLines::plainCents(stateWithheld)};
}
