#include "keptcolumns.h"

std::optional<KeptColumns> KeptColumns::of(const QList<QStringView> &titles,
                                           const QStringList &known,
                                           std::initializer_list<int> needed)
{
    KeptColumns columns;
    columns.m_at.assign(std::size_t(known.size()), -1);
    columns.m_width = int(titles.size());
    for (int at = 0; at < titles.size(); ++at) {
        const QStringView title = titles[at].trimmed();
        qsizetype found = -1;
        for (qsizetype each = 0; each < known.size() && found < 0; ++each) {
            if (title.compare(known[each], Qt::CaseInsensitive) == 0)
                found = each;
        }
        if (found >= 0 && columns.m_at[std::size_t(found)] < 0) {
            columns.m_at[std::size_t(found)] = at;
        } else {
            columns.m_extraAt.push_back(at);
            columns.m_extraTitles << titles[at].toString();
        }
    }
    for (const int column : needed) {
        if (columns.m_at[std::size_t(column)] < 0)
            return std::nullopt;
    }
    return columns;
}
