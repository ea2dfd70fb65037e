#pragma once

#include "lotterygame.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

// What a field of a line of a file of past draws says, for the reader of
// such files: its words folded, its letters and digits, and the day of a
// draw a line's fields hold.
namespace DrawFields {

std::u16string_view viewOf(const QString &text);
// The letters, digits and # of a text, case-folded: "Draw.Date" is "drawdate".
QString folded(QStringView text);
bool has(const QString &key, std::string_view ascii);
bool hasLetter(QStringView field);
bool hasDigit(QStringView field);
bool isAsciiDigit(QChar c);
// Whether the game a column or a line names is the game checked, or a more
// precise or general name of it.
bool isWanted(const LotteryGame *named, const LotteryGame *rules);
// The letters of a field, its dots and spaces aside: "Sat." is "Sat".
QStringView letters(QStringView field);
bool isWeekday(QStringView word);
bool isWholeNumber(QStringView field, int mostDigits);

struct DateAt
{
    int date;
    int first; // the fields it takes
    int end;
};

// The first date of a line, and the fields it takes.
std::optional<DateAt> findDate(const QList<QStringView> &fields, bool threeFields);

} // namespace DrawFields
