#include "claimcolumns.h"

#include "amounttext.h"
#include "civildate.h"
#include "csvlines.h"

#include <QRegularExpression>

namespace {

// A leading ' that kept a formula from running in a spreadsheet is not
// part of the cell.
QString cellOf(QStringView field)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (field.size() > 1 && field[0] == u'\'' && formulaStarts.contains(field[1]))
        field = field.mid(1);
    return field.toString();
}

} // namespace

int ClaimDayOf(QStringView text)
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

std::optional<ClaimColumns> ClaimColumns::of(const QList<QStringView> &titles)
{
    QStringList known = ClaimRecord::titles();
    known << QStringLiteral("Copy");
    ClaimColumns columns;
    columns.m_width = int(titles.size());
    for (int at = 0; at < titles.size(); ++at) {
        const QStringView title = titles[at].trimmed();
        qsizetype column = -1;
        for (qsizetype each = 0; each < known.size() && column < 0; ++each) {
            if (title.compare(known[each], Qt::CaseInsensitive) == 0)
                column = each;
        }
        if (column >= 0 && columns.m_at[std::size_t(column)] < 0) {
            columns.m_at[std::size_t(column)] = at;
        } else {
            columns.m_extraAt.push_back(at);
            columns.m_extraTitles << titles[at].toString();
        }
    }
    for (const Column needed : {Claimed, Game, TicketDate, Numbers, Draw}) {
        if (columns.m_at[needed] < 0)
            return std::nullopt;
    }
    return columns;
}

std::optional<ClaimRecord> ClaimColumns::read(const QList<QStringView> &fields) const
{
    // A cell too few or too many: which column it lacks is not known.
    if (fields.size() != m_width)
        return std::nullopt;
    const auto field = [&](Column column) {
        return m_at[column] < 0 ? QStringView() : fields[m_at[column]];
    };
    ClaimRecord record;
    record.claimed = ClaimDayOf(field(Claimed));
    record.drawDate = ClaimDayOf(field(Draw));
    record.game = cellOf(field(Game));
    record.ticketDate = cellOf(field(TicketDate));
    record.numbers = cellOf(field(Numbers));
    record.state = field(State).trimmed().toString();
    if (!record.claimed || !record.drawDate || record.game.isEmpty())
        return std::nullopt;
    if (const QStringView copy = field(Copy).trimmed(); !copy.isEmpty()) {
        bool number = false;
        record.copy = copy.toInt(&number);
        if (!number || record.copy < 1)
            return std::nullopt;
    }
    const std::pair<Column, std::int64_t ClaimRecord::*> amounts[] = {
        {Prize, &ClaimRecord::prize},
        {Wager, &ClaimRecord::wager},
        {Paid, &ClaimRecord::paid},
        {Federal, &ClaimRecord::federal},
        {StateWithheld, &ClaimRecord::stateWithheld}};
    for (const auto &[column, member] : amounts) {
        const std::optional<std::int64_t> cents = CsvLines::centsOf(field(column));
        if (!cents)
            return std::nullopt;
        record.*member = *cents;
    }
    // A file of a release before Paid was kept: what was paid is the prize.
    if (m_at[Paid] < 0)
        record.paid = record.prize;
    for (const int at : m_extraAt)
        record.extra << fields[at].toString();
    return record;
}

QStringList ClaimColumns::titlesWritten(bool copies, const QStringList &extraTitles)
{
    QStringList titles = ClaimRecord::titles();
    if (copies)
        titles << QStringLiteral("Copy");
    return titles + extraTitles;
}

QStringList ClaimColumns::fieldsWritten(const ClaimRecord &record, bool copies, int extras)
{
    QStringList fields = record.fields();
    if (copies)
        fields << QString::number(record.copy);
    for (int at = 0; at < extras; ++at)
        fields << (at < record.extra.size() ? record.extra[at] : QString());
    return fields;
}
