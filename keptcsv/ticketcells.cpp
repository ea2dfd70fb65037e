#include "ticketcells.h"

#include "keptcells.h"
#include "ticketdates.h"

bool TicketCells::operator==(const TicketCells &other) const
{
    if (game.trimmed() != other.game.trimmed())
        return false;
    if (date != other.date && dateKey(date) != dateKey(other.date))
        return false;
    return numbers == other.numbers || numbersKey(numbers) == numbersKey(other.numbers);
}

QString TicketCells::key() const
{
    return game.trimmed() + u'\x1f' + dateKey(date) + u'\x1f' + numbersKey(numbers);
}

namespace {

void appendNumber(QString &key, std::int64_t value)
{
    char digits[20];
    int count = 0;
    do {
        digits[count++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count > 0)
        key += QLatin1Char(digits[--count]);
}

} // namespace

QString TicketCells::dateKey(QStringView date)
{
    QString key;
    appendDateKey(key, date);
    return key;
}

QString TicketCells::dateKey(const TicketDates &dates)
{
    QString key;
    appendDateKey(key, dates);
    return key;
}

QString TicketCells::numbersKey(QStringView numbers)
{
    QString key;
    appendNumbersKey(key, numbers);
    return key;
}

void TicketCells::appendDateKey(QString &key, QStringView date)
{
    // A day as this program writes it, read without a pattern.
    if (date.size() == 10) {
        if (const int day = KeptCells::dayOf(date)) {
            key += u'd';
            appendNumber(key, day);
            return;
        }
    }
    if (const std::optional<TicketDates> dates = TicketDates::of(date))
        appendDateKey(key, *dates);
    else
        key += date.trimmed();
}

void TicketCells::appendDateKey(QString &key, const TicketDates &dates)
{
    key += u'd';
    appendNumber(key, dates.first);
    if (dates.last) {
        key += u'-';
        appendNumber(key, dates.last);
    } else if (dates.count > 1) {
        key += u'x';
        appendNumber(key, dates.count);
    }
}

void TicketCells::appendNumbersKey(QString &key, QStringView numbers)
{
    const qsizetype start = key.size();
    qsizetype at = 0;
    const qsizetype size = numbers.size();
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const auto isWord = [&](QChar c) {
        return (c.isLetterOrNumber() && !isDigit(c)) || c == u'*' || c == u'+';
    };
    while (at < size) {
        if (isDigit(numbers[at])) {
            while (at + 1 < size && numbers[at] == u'0' && isDigit(numbers[at + 1]))
                ++at;
            if (key.size() > start)
                key += u' ';
            while (at < size && isDigit(numbers[at]))
                key += numbers[at++];
        } else if (isWord(numbers[at])) {
            if (key.size() > start)
                key += u' ';
            while (at < size && isWord(numbers[at]))
                key += numbers[at++].toUpper();
        } else {
            ++at; // spaces, dashes, commas and colons between them
        }
    }
}
