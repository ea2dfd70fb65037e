#include "claimcolumns.h"

#include "keptcells.h"

std::optional<ClaimColumns> ClaimColumns::of(const QList<QStringView> &titles)
{
    QStringList known = ClaimRecord::titles();
    known << QStringLiteral("Copy");
    std::optional<KeptColumns> columns =
        KeptColumns::of(titles, known, {Claimed, Game, TicketDate, Numbers, Draw});
    if (!columns)
        return std::nullopt;
    return ClaimColumns(std::move(*columns));
}

std::optional<ClaimRecord> ClaimColumns::read(const QList<QStringView> &fields,
                                              QChar separator) const
{
    // A cell too few or too many: which column it lacks is not known.
    if (fields.size() != m_columns.width())
        return std::nullopt;
    const auto field = [&](Column column) { return m_columns.field(fields, column); };
    ClaimRecord record;
    record.claimed = KeptCells::dayOf(field(Claimed));
    record.drawDate = KeptCells::dayOf(field(Draw));
    record.game = KeptCells::text(field(Game));
    record.ticketDate = KeptCells::text(field(TicketDate));
    record.numbers = KeptCells::text(field(Numbers));
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
        const std::optional<std::int64_t> cents = KeptCells::centsOf(field(column), separator);
        if (!cents)
            return std::nullopt;
        record.*member = *cents;
    }
    // A file of a release before Paid was kept: what was paid is the prize.
    if (m_columns.at(Paid) < 0)
        record.paid = record.prize;
    for (const int at : m_columns.extraAt())
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
