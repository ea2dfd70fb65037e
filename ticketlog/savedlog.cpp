#include "savedlog.h"

#include "inplacesave.h"

void SavedLog::load(LogList &list, qsizetype limit)
{
    RestoreUnfinishedSave(m_location.saveTo);
    const LogFileRead read = LoadLogFile(list, m_location.readFrom, limit);
    const bool notWhole = read == LogFileRead::NotWhole;
    m_unreadAtSavePath = notWhole && m_location.readFrom == m_location.saveTo;
    m_partlyReadElsewhere = notWhole && m_location.readFrom != m_location.saveTo;
}

SaveOutcome SavedLog::save(const LogList &list)
{
    SaveOutcome outcome;
    if (m_unreadAtSavePath) {
        outcome.keptAside = KeepUnreadLogAside(m_location.saveTo, &outcome.errorString);
        if (outcome.keptAside.isEmpty())
            return outcome;
        m_unreadAtSavePath = false;
    }
    outcome.saved = SaveLogFile(list, m_location.saveTo, &outcome.errorString);
    if (outcome.saved && m_partlyReadElsewhere) {
        outcome.partlyRead = m_location.readFrom;
        m_partlyReadElsewhere = false;
    }
    return outcome;
}
