#include "poolentry.h"

#include "civildate.h"
#include "csvlines.h"
#include "keptcells.h"
#include "ticketcells.h"

namespace {

QString dayText(int date)
{
    return date ? QString::fromStdString(CivilDate::text(date)) : QString();
}

} // namespace

QStringList PoolEntry::titles()
{
    return {QStringLiteral("No."),
            QStringLiteral("Recorded"),
            QStringLiteral("Pool"),
            QStringLiteral("Entry"),
            QStringLiteral("Member"),
            QStringLiteral("Contact"),
            QStringLiteral("Amount"),
            QStringLiteral("Draws"),
            QStringLiteral("Game"),
            QStringLiteral("Ticket Date"),
            QStringLiteral("Numbers"),
            QStringLiteral("Copy"),
            QStringLiteral("Draw"),
            QStringLiteral("Claimed"),
            QStringLiteral("Federal Withheld"),
            QStringLiteral("State Withheld"),
            QStringLiteral("Split"),
            QStringLiteral("Small Prizes"),
            QStringLiteral("Takes Back"),
            QStringLiteral("Chain")};
}

QString PoolEntry::kindText(Kind kind)
{
    switch (kind) {
    case Kind::Pool:
        return QStringLiteral("Pool");
    case Kind::Member:
        return QStringLiteral("Member");
    case Kind::Payment:
        return QStringLiteral("Payment");
    case Kind::Ticket:
        return QStringLiteral("Ticket");
    case Kind::Share:
        return QStringLiteral("Share");
    case Kind::TakenBack:
        break;
    }
    return QStringLiteral("Taken Back");
}

QString PoolEntry::splitText(Split split)
{
    return split == Split::Equal ? QStringLiteral("Equal") : QStringLiteral("By amount paid");
}

QStringList PoolEntry::fields() const
{
    const bool pool = kind == Kind::Pool;
    const bool cells = kind == Kind::Ticket || kind == Kind::Share;
    const bool money = pool ? keepsSmallPrizes : kind == Kind::Payment || kind == Kind::Share;
    const bool share = kind == Kind::Share;
    return {QString::number(number),
            recorded,
            this->pool,
            kindText(kind),
            member,
            contact,
            money ? CsvLines::plainCents(amount) : QString(),
            draws,
            cells ? game : QString(),
            cells ? ticketDate : QString(),
            cells ? numbers : QString(),
            cells ? QString::number(copy) : QString(),
            dayText(drawDate),
            dayText(claimed),
            share ? CsvLines::plainCents(federal) : QString(),
            share ? CsvLines::plainCents(stateWithheld) : QString(),
            pool ? splitText(split) : QString(),
            pool ? (keepsSmallPrizes ? QStringLiteral("Kept") : QStringLiteral("Split"))
                 : QString(),
            takesBack ? QString::number(takesBack) : QString(),
            chain};
}

QByteArray PoolEntry::values() const
{
    // The cells fields() writes, each as its value: the time to the minute,
    // a payment's draws and a ticket's day as the draws they name, the
    // numbers as their values; a cell a kind of line leaves blank, blank.
    const bool pool = kind == Kind::Pool;
    const bool cells = kind == Kind::Ticket || kind == Kind::Share;
    const bool money = pool ? keepsSmallPrizes : kind == Kind::Payment || kind == Kind::Share;
    const bool share = kind == Kind::Share;
    QString values;
    values.reserve(192);
    const auto next = [&values] { values += u'\x1f'; };
    const auto digits = [&values](std::int64_t value) {
        char16_t written[20];
        int count = 0;
        const bool below = value < 0;
        std::uint64_t rest = below ? 0 - std::uint64_t(value) : std::uint64_t(value);
        do {
            written[count++] = char16_t(u'0' + rest % 10);
            rest /= 10;
        } while (rest > 0);
        if (below)
            values += u'-';
        while (count > 0)
            values += QChar(written[--count]);
    };
    const auto number = [&](std::int64_t value, bool shown) {
        if (shown)
            digits(value);
        next();
    };
    const auto text = [&](QStringView cell, bool shown) {
        if (shown)
            values += cell.trimmed();
        next();
    };
    number(this->number, true);
    if (const std::optional<std::pair<int, int>> time = KeptCells::localTimeOf(recorded)) {
        digits(time->first);
        values += u' ';
        digits(time->second / 60);
        next();
    } else {
        text(recorded, true);
    }
    text(this->pool, true);
    text(kindText(kind), true);
    text(member, true);
    text(contact, true);
    number(amount, money);
    if (kind == Kind::Payment && dates.first)
        TicketCells::appendDateKey(values, dates);
    else
        TicketCells::appendDateKey(values, draws);
    next();
    text(game, cells);
    if (cells)
        TicketCells::appendDateKey(values, ticketDate);
    next();
    if (cells)
        TicketCells::appendNumbersKey(values, numbers);
    next();
    number(copy, cells);
    number(drawDate, drawDate != 0);
    number(claimed, claimed != 0);
    number(federal, share);
    number(stateWithheld, share);
    text(pool ? splitText(split) : QString(), pool);
    text(keepsSmallPrizes ? u"Kept" : u"Split", pool);
    number(takesBack, takesBack != 0);
    return values.toUtf8();
}

int PoolEntry::recordedDay() const
{
    // "12/09/2026 11:30:05", or as a spreadsheet saved it: "12/9/2026 11:30".
    const QStringView text = QStringView(recorded).trimmed();
    const qsizetype space = text.indexOf(u' ');
    return KeptCells::dayOf(space < 0 ? text : text.left(space));
}
