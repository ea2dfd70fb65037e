#include "amounttext.h"

#include <limits>

namespace {

bool isSpace(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

// Digits grouped by group in threes, the first group of one to three, or
// not grouped at all; then, after point, any digits that make whole cents.
std::optional<std::int64_t> readForm(QStringView text, QChar group, QChar point)
{
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    const qsizetype pointAt = text.indexOf(point);
    const QStringView whole = pointAt < 0 ? text : text.left(pointAt);
    const QStringView fraction = pointAt < 0 ? QStringView() : text.mid(pointAt + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    const auto isGroup = [group](QChar c) { return c == group || (isSpace(group) && isSpace(c)); };
    std::int64_t dollars = 0;
    int run = 0;    // digits since the last group mark
    int groups = 0; // group marks seen
    for (const QChar c : whole) {
        if (isGroup(c) && !group.isNull()) {
            if (run == 0 || run > 3 || (groups > 0 && run != 3))
                return std::nullopt;
            ++groups;
            run = 0;
            continue;
        }
        if (!c.isDigit() || c.unicode() > u'9')
            return std::nullopt;
        if (dollars > (most / 100 - (c.unicode() - u'0')) / 10)
            return std::nullopt;
        dollars = dollars * 10 + (c.unicode() - u'0');
        ++run;
    }
    if ((groups > 0 && run != 3) || (pointAt >= 0 && fraction.isEmpty()))
        return std::nullopt;
    int cents = 0;
    for (qsizetype at = 0; at < fraction.size(); ++at) {
        const QChar c = fraction[at];
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return std::nullopt;
        if (at < 2)
            cents += (c.unicode() - u'0') * (at == 0 ? 10 : 1);
        else if (c != u'0')
            return std::nullopt; // a part of a cent
    }
    if (dollars * 100 > most - cents)
        return std::nullopt;
    return dollars * 100 + cents;
}

} // namespace

QString CentsText(std::int64_t cents)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    const std::uint64_t size = cents < 0 ? 0 - std::uint64_t(cents) : std::uint64_t(cents);
    return sign + QStringLiteral("$") + english.toString(qulonglong(size / 100)) +
           (size % 100 ? QStringLiteral(".%1").arg(size % 100, 2, 10, QLatin1Char('0'))
                       : QString());
}

AmountReading AmountReading::of(const QString &typed, const QLocale &locale)
{
    QString text = typed.trimmed();
    bool below = false;
    bool dollar = false;
    for (bool more = true; more;) {
        more = false;
        if (text.startsWith(u'-') || text.startsWith(QChar(0x2212))) {
            below = !below;
            text.remove(0, 1);
            more = true;
        } else if (text.startsWith(u'$') || text.startsWith(QStringLiteral("US$"))) {
            text.remove(0, text.indexOf(u'$') + 1);
            dollar = more = true;
        }
        text = text.trimmed();
    }
    AmountReading reading;
    const std::optional<std::int64_t> american = readForm(text, u',', u'.');
    std::optional<std::int64_t> local = american;
    const QString group = locale.groupSeparator();
    const QString point = locale.decimalPoint();
    if (!dollar && point.size() == 1 && group.size() <= 1 &&
        (point != QStringLiteral(".") || (!group.isEmpty() && group != QStringLiteral(","))))
        local = readForm(text, group.isEmpty() ? QChar() : group[0], point[0]);
    if (american && local && *american != *local) {
        reading.twoWays = true;
        return reading;
    }
    reading.cents = american ? american : local;
    if (reading.cents && *reading.cents > MostCents) {
        reading.cents.reset();
        reading.tooLarge = true;
    }
    if (reading.cents && below)
        *reading.cents = -*reading.cents;
    return reading;
}

QString AmountProblem(const QString &text, const AmountReading &reading)
{
    if (reading.twoWays)
        return QStringLiteral("\"%1\" could be read two ways: write it with a $ as a ticket "
                              "prints it, such as $1,200.24, or with no separator, such as "
                              "1200.")
            .arg(text.trimmed());
    if (reading.tooLarge)
        return QStringLiteral("\"%1\" is more than any lottery pays: the largest jackpot ever "
                              "was $2.04 billion.")
            .arg(text.trimmed());
    if (!reading.cents)
        return QStringLiteral("\"%1\" is not a sum of dollars, such as $1,200.24.")
            .arg(text.trimmed());
    return {};
}
