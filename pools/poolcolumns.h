#pragma once

#include "poolentry.h"

#include <QList>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

// The columns of pools.csv as the file at hand has them: found by their
// titles in any order and case, as a spreadsheet may have moved them; the
// titles it does not know kept, to be written back.
class PoolColumns
{
public:
    // Nothing where a title every line needs is missing.
    static std::optional<PoolColumns> of(const QList<QStringView> &titles);

    // Nothing where the line cannot be read as an entry of its kind.
    std::optional<PoolEntry> read(const QList<QStringView> &fields) const;
    const QStringList &extraTitles() const { return m_extraTitles; }
    // An entry's fields in the file's order, blank under the titles it does
    // not know.
    QStringList arranged(const PoolEntry &entry) const;

private:
    std::vector<int> m_at; // each known title's field, -1 where none
    std::vector<int> m_extraAt;
    QStringList m_extraTitles;
    int m_width = 0;
};
