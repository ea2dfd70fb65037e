#include "claimrecord.h"

#include "civildate.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

QString dayText(int date)
{
    return QString::fromStdString(CivilDate::text(date));
}

// "12/10/2026" back to yyyymmdd.
int dayOf(const QString &text)
{
    static const QRegularExpression day(QStringLiteral("^(\\d{2})/(\\d{2})/(\\d{4})$"));
    const QRegularExpressionMatch match = day.match(text);
    if (!match.hasMatch())
        return 0;
    const int date = match.captured(3).toInt() * 10000 + match.captured(1).toInt() * 100 +
                     match.captured(2).toInt();
    return CivilDate::dateOf(CivilDate::daysOf(date)) == date ? date : 0;
}

// Cents in the file: "1200.24", whatever the user's locale.
QString plainCents(std::int64_t cents)
{
    return QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

std::optional<std::int64_t> plainCentsOf(const QString &text)
{
    static const QRegularExpression amount(QStringLiteral("^(\\d{1,15})\\.(\\d{2})$"));
    const QRegularExpressionMatch match = amount.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toLongLong() * 100 + match.captured(2).toInt();
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

std::optional<ClaimRecord> ClaimRecord::of(const QStringList &fields)
{
    if (fields.size() != titles().size())
        return std::nullopt;
    ClaimRecord record;
    record.claimed = dayOf(fields[0]);
    record.game = fields[1];
    record.ticketDate = fields[2];
    record.numbers = fields[3];
    record.drawDate = dayOf(fields[4]);
    record.state = fields[5];
    std::optional<std::int64_t> amounts[5];
    for (int at = 0; at < 5; ++at)
        amounts[at] = plainCentsOf(fields[6 + at]);
    if (!record.claimed || !record.drawDate ||
        std::any_of(std::begin(amounts), std::end(amounts), [](auto a) { return !a; }))
        return std::nullopt;
    record.prize = *amounts[0];
    record.wager = *amounts[1];
    record.paid = *amounts[2];
    record.federal = *amounts[3];
    record.stateWithheld = *amounts[4];
    return record;
}

QString CentsText(std::int64_t cents)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return QStringLiteral("$") + english.toString(qlonglong(cents / 100)) +
           (cents % 100 ? QStringLiteral(".%1").arg(cents % 100, 2, 10, QLatin1Char('0'))
                        : QString());
}

std::optional<std::int64_t> CentsOf(const QString &typed)
{
    QString text = typed.trimmed();
    text.remove(u'$');
    const QLocale locale;
    text.remove(locale.groupSeparator());
    if (locale.groupSeparator() != u',' && locale.decimalPoint() != u',')
        text.remove(u',');
    bool read = false;
    const double value = locale.toDouble(text, &read);
    if (!read) {
        // Typed as an American ticket prints it, whatever the locale.
        text = typed.trimmed().remove(u'$').remove(u',');
        const double plain = QLocale::c().toDouble(text, &read);
        if (!read)
            return std::nullopt;
        return std::llround(plain * 100);
    }
    return std::llround(value * 100);
}
