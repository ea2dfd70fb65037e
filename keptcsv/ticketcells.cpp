#include "ticketcells.h"

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

QString TicketCells::dateKey(QStringView date)
{
    const std::optional<TicketDates> dates = TicketDates::of(date);
    if (!dates)
        return date.trimmed().toString();
    if (dates->last)
        return QStringLiteral("d%1-%2").arg(dates->first).arg(dates->last);
    return dates->count > 1 ? QStringLiteral("d%1x%2").arg(dates->first).arg(dates->count)
                            : QStringLiteral("d%1").arg(dates->first);
}

QString TicketCells::numbersKey(QStringView numbers)
{
    QString key;
    key.reserve(numbers.size());
    qsizetype at = 0;
    const qsizetype size = numbers.size();
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const auto isWord = [&](QChar c) { return c.isLetterOrNumber() && !isDigit(c); };
    while (at < size) {
        if (isDigit(numbers[at])) {
            while (at + 1 < size && numbers[at] == u'0' && isDigit(numbers[at + 1]))
                ++at;
            if (!key.isEmpty())
                key += u' ';
            while (at < size && isDigit(numbers[at]))
                key += numbers[at++];
        } else if (isWord(numbers[at]) || numbers[at] == u'*' || numbers[at] == u'+') {
            if (!key.isEmpty())
                key += u' ';
            while (at < size && (isWord(numbers[at]) || numbers[at] == u'*' || numbers[at] == u'+'))
                key += numbers[at++].toUpper();
        } else {
            ++at; // spaces, dashes, commas and colons between them
        }
    }
    return key;
}
