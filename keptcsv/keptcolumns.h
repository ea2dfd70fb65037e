#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

#include <initializer_list>
#include <optional>
#include <vector>

// The columns of a kept file as the file at hand has them: its known titles
// found in any order and case, as a spreadsheet may have moved them, and the
// titles it does not know kept, so that their cells are written back.
class KeptColumns
{
public:
    // Nothing where a title of needed, places in known, is missing.
    static std::optional<KeptColumns> of(const QList<QStringView> &titles, const QStringList &known,
                                         std::initializer_list<int> needed);

    // A known title's field, -1 where the file has none.
    int at(int column) const { return m_at[std::size_t(column)]; }
    QStringView field(const QList<QStringView> &fields, int column) const
    {
        const int index = at(column);
        return index < 0 || index >= fields.size() ? QStringView() : fields[index];
    }
    const std::vector<int> &extraAt() const { return m_extraAt; }
    const QStringList &extraTitles() const { return m_extraTitles; }
    int width() const { return m_width; }

private:
    std::vector<int> m_at;
    std::vector<int> m_extraAt;
    QStringList m_extraTitles;
    int m_width = 0;
};
