#include "savedlog.h"

void SavedLog::load(LogList &list, qsizetype limit)
{
    const LogFileRead read = LoadLogFile(list, m_location.readFrom, limit);
    m_unreadAtSavePath = read == LogFileRead::NotWhole && m_location.readFrom == m_location.saveTo;
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
    return outcome;
}
