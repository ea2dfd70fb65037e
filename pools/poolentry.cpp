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
    // Cells as fields() writes them, from the values read: the amounts and
    // days written anew as this program writes them; the time, a
    // payment's draws, a ticket's day and numbers, kept as they were
    // written, as the values they name.
    const QStringList cells = fields();
    enum
    {
        Recorded = 1,
        Draws = 7,
        TicketDate = 9,
        Numbers = 10,
        Chain = 19
    };
    QString joined;
    joined.reserve(160);
    for (int column = 0; column < Chain; ++column) {
        const QString &cell = cells[column];
        if (column > 0)
            joined += u'\x1f';
        switch (column) {
        case Recorded: {
            const std::optional<std::pair<int, int>> time = KeptCells::localTimeOf(cell);
            if (time)
                joined += QString::number(time->first) + u' ' + QString::number(time->second / 60);
            else
                joined += cell.trimmed();
            break;
        }
        case Draws:
        case TicketDate:
            joined += TicketCells::dateKey(cell);
            break;
        case Numbers:
            joined += TicketCells::numbersKey(cell);
            break;
        default:
            joined += cell.trimmed();
        }
    }
    return joined.toUtf8();
}

int PoolEntry::recordedDay() const
{
    // "12/09/2026 11:30:05", or as a spreadsheet saved it: "12/9/2026 11:30".
    const QStringView text = QStringView(recorded).trimmed();
    const qsizetype space = text.indexOf(u' ');
    return KeptCells::dayOf(space < 0 ? text : text.left(space));
}
