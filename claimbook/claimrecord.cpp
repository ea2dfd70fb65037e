#include "claimrecord.h"

#include "civildate.h"

namespace {

QString dayText(int date)
{
    return QString::fromStdString(CivilDate::text(date));
}

// Cents in the file: "1200.24", whatever the user's locale.
QString plainCents(std::int64_t cents)
{
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    const std::uint64_t size = cents < 0 ? 0 - std::uint64_t(cents) : std::uint64_t(cents);
    return sign + QStringLiteral("%1.%2").arg(size / 100).arg(size % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

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
            plainCents(prize),
            plainCents(wager),
            plainCents(paid),
            plainCents(federal),
            plainCents(stateWithheld)};
}
