#include "keptcells.h"

#include "amounttext.h"
#include "civildate.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace KeptCells {

QString text(QStringView field)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (field.size() > 1 && field[0] == u'\'' && formulaStarts.contains(field[1]))
        field = field.mid(1);
    return field.toString();
}

int dayOf(QStringView text)
{
    if (text.isEmpty())
        return 0;
    // As this program writes it, 06/06/2027, read without a pattern: a
    // file of many thousand lines has as many days.
    if (text.size() == 10 && text[2] == u'/' && text[5] == u'/') {
        int digits[8];
        int count = 0;
        for (const qsizetype at : {0, 1, 3, 4, 6, 7, 8, 9}) {
            if (!text[at].isDigit())
                break;
            digits[count++] = text[at].digitValue();
        }
        if (count == 8) {
            const int date =
                (digits[4] * 1000 + digits[5] * 100 + digits[6] * 10 + digits[7]) * 10000 +
                (digits[0] * 10 + digits[1]) * 100 + digits[2] * 10 + digits[3];
            return date && CivilDate::dateOf(CivilDate::daysOf(date)) == date ? date : 0;
        }
    }
    static const QRegularExpression american(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression dotted(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
    const QString day = text.trimmed().toString();
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
    if (const QRegularExpressionMatch match = american.match(day); match.hasMatch()) {
        month = match.captured(1).toInt();
        dayOfMonth = match.captured(2).toInt();
        year = match.captured(3).toInt();
    } else if (const QRegularExpressionMatch match = iso.match(day); match.hasMatch()) {
        year = match.captured(1).toInt();
        month = match.captured(2).toInt();
        dayOfMonth = match.captured(3).toInt();
    } else if (const QRegularExpressionMatch match = dotted.match(day); match.hasMatch()) {
        dayOfMonth = match.captured(1).toInt();
        month = match.captured(2).toInt();
        year = match.captured(3).toInt();
    }
    const int date = year * 10000 + month * 100 + dayOfMonth;
    return date && CivilDate::dateOf(CivilDate::daysOf(date)) == date ? date : 0;
}

namespace {

// Seconds from midnight of "23:30:05", "23:30", "11:30 PM"; -1 where none.
int secondsOf(QStringView text)
{
    text = text.trimmed();
    int afternoon = -1; // 0 AM, 1 PM
    for (const auto &[mark, half] : {std::pair{u"AM", 0}, std::pair{u"PM", 1}}) {
        if (text.endsWith(QStringView(mark), Qt::CaseInsensitive)) {
            afternoon = half;
            text = text.chopped(2).trimmed();
        }
    }
    int parts[3] = {0, 0, 0};
    int count = 0;
    int digits = 0;
    for (const QChar c : text) {
        if (c == u':' && digits > 0 && count < 2) {
            ++count;
            digits = 0;
        } else if (c.isDigit() && c.unicode() <= u'9' && digits < 2) {
            parts[count] = parts[count] * 10 + c.digitValue();
            ++digits;
        } else {
            return -1;
        }
    }
    if (count < 1 || digits == 0 || parts[1] > 59 || parts[2] > 59)
        return -1;
    if (afternoon >= 0) {
        if (parts[0] < 1 || parts[0] > 12)
            return -1;
        parts[0] = parts[0] % 12 + 12 * afternoon;
    }
    return parts[0] > 23 ? -1 : parts[0] * 3600 + parts[1] * 60 + parts[2];
}

} // namespace

std::optional<std::pair<int, int>> localTimeOf(QStringView field)
{
    field = field.trimmed();
    qsizetype split = field.indexOf(u' ');
    if (split < 0)
        split = field.indexOf(u'T');
    // A day a hand wrote without its time: its beginning.
    if (split < 0) {
        const int date = dayOf(field);
        return date ? std::optional(std::pair(date, 0)) : std::nullopt;
    }
    const int date = dayOf(field.left(split));
    const int seconds = secondsOf(field.mid(split + 1));
    if (!date || seconds < 0)
        return std::nullopt;
    return std::pair(date, seconds);
}

std::optional<std::int64_t> timeOf(QStringView field)
{
    const std::optional<std::pair<int, int>> time = localTimeOf(field);
    if (!time)
        return std::nullopt;
    const auto [date, seconds] = *time;
    const QDate day(date / 10000, date / 100 % 100, date % 100);
    // The clock's offset from UTC at noon of the day, found once a day: a
    // file of many thousand lines has few days. Near the small hours, when
    // daylight saving time begins or ends, each time is found on its own.
    if (seconds < 5 * 3600)
        return QDateTime(day, QTime(0, 0).addSecs(seconds)).toSecsSinceEpoch();
    thread_local int lastDate = 0;
    thread_local std::int64_t lastNoon = 0;
    if (date != lastDate) {
        lastNoon = QDateTime(day, QTime(12, 0)).toSecsSinceEpoch();
        lastDate = date;
    }
    return lastNoon + seconds - 12 * 3600;
}

std::optional<std::int64_t> centsOf(QStringView field, QChar separator)
{
    field = field.trimmed();
    if (field.isEmpty())
        return 0;
    std::optional<std::int64_t> cents;
    // "1200.24", as this program writes it, read without a pattern.
    if (const qsizetype point = field.size() - 3;
        point > 0 && point <= 16 && field[point] == u'.' && field[point + 1].isDigit() &&
        field[point + 2].isDigit()) {
        const bool minus = field[0] == u'-';
        bool whole = point > (minus ? 1 : 0);
        std::int64_t value = 0;
        for (qsizetype at = minus ? 1 : 0; whole && at < point; ++at) {
            whole = field[at] >= u'0' && field[at] <= u'9';
            value = value * 10 + field[at].digitValue();
        }
        if (whole) {
            value =
                value * 100 + field[point + 1].digitValue() * 10 + field[point + 2].digitValue();
            cents = minus ? -value : value;
        }
    }
    if (!cents) {
        // A semicolon between cells is a spreadsheet's whose decimal point is
        // the comma.
        static const QLocale comma(QLocale::German, QLocale::Germany);
        cents = AmountReading::of(field.toString(), separator == u';' ? comma : QLocale()).cents;
    }
    if (cents && (*cents > MostCents || *cents < -MostCents))
        return std::nullopt;
    return cents;
}

std::optional<int> wholeOf(QStringView field)
{
    bool number = false;
    const int value = field.trimmed().toInt(&number);
    return number && value > 0 ? std::optional<int>(value) : std::nullopt;
}

} // namespace KeptCells
