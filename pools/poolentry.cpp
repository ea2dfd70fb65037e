#include "poolentry.h"

#include "civildate.h"
#include "claimcolumns.h"
#include "csvlines.h"

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
            QStringLiteral("Takes Back")};
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
            takesBack ? QString::number(takesBack) : QString()};
}

int PoolEntry::recordedDay() const
{
    // "12/09/2026 11:30:05", or as a spreadsheet saved it: "12/9/2026 11:30".
    const QStringView text = QStringView(recorded).trimmed();
    const qsizetype space = text.indexOf(u' ');
    return ClaimDayOf(space < 0 ? text : text.left(space));
}
