#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// More than any lottery pays: ten times the largest jackpot ever, the
// Powerball of 11/07/2022, $2.04 billion. An amount above it is a slip of
// the keyboard or of a spreadsheet, never a prize, a payment or a tax.
inline constexpr std::int64_t MostCents = 2'040'000'000'000;

// Cents as a player writes them: "$1,200.24", "-$5".
QString CentsText(std::int64_t cents);

// An amount as typed, or as a spreadsheet saved it: the American form a
// ticket prints ("$1,200.24", "1200"), and the locale's own ("1.200,24" in
// German, "1 200,24" in French) where it cannot be mistaken. With a $ it is
// American whatever the locale. Whole cents only, and none above MostCents.
struct AmountReading
{
    std::optional<std::int64_t> cents; // nothing where it is no amount
    bool twoWays = false;              // "1,000" in German: $1,000 or $1.00
    bool tooLarge = false;             // above MostCents

    static AmountReading of(const QString &text, const QLocale &locale = QLocale());
};

// What a player is told of an amount that cannot be taken.
QString AmountProblem(const QString &text, const AmountReading &reading);
