#pragma once

#include "keptcolumns.h"
#include "poolentry.h"

#include <QList>
#include <QStringList>
#include <QStringView>

#include <optional>

// The columns of pools.csv as the file at hand has them: found by their
// titles in any order and case, as a spreadsheet may have moved them; the
// titles it does not know kept, to be written back. A file of a release
// before lines were chained has no Chain title: each line's chain is then a
// cell after the last title.
class PoolColumns
{
public:
    // Nothing where a title every line needs is missing.
    static std::optional<PoolColumns> of(const QList<QStringView> &titles);

    // Nothing where the line cannot be read as an entry of its kind;
    // separator: the file's, which tells how it writes an amount.
    std::optional<PoolEntry> read(const QList<QStringView> &fields, QChar separator) const;
    // A line's number and chain, read or not; nothing where it has none.
    std::optional<int> numberOf(const QList<QStringView> &fields) const;
    QString chainOf(const QList<QStringView> &fields) const;
    const QStringList &extraTitles() const { return m_columns.extraTitles(); }
    // An entry's fields in the file's order, blank under the titles it does
    // not know.
    QStringList arranged(const PoolEntry &entry) const;

private:
    explicit PoolColumns(KeptColumns columns) : m_columns(std::move(columns)) {}
    int chainAt() const;

    KeptColumns m_columns;
};
