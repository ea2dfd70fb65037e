#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// Cents as a player writes them: "$1,200.24", "-$5".
QString CentsText(std::int64_t cents);

// An amount as typed, or as a spreadsheet saved it: the American form a
// ticket prints ("$1,200.24", "1200"), and the locale's own ("1.200,24" in
// German, "1 200,24" in French) where it cannot be mistaken. With a $ it is
// American whatever the locale. Whole cents only.
struct AmountReading
{
    std::optional<std::int64_t> cents; // nothing where it is no amount
    bool twoWays = false;              // "1,000" in German: $1,000 or $1.00

    static AmountReading of(const QString &text, const QLocale &locale = QLocale());
};

// What a player is told of an amount that cannot be taken.
QString AmountProblem(const QString &text, const AmountReading &reading);
