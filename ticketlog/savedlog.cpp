#include "savedlog.h"

#include "inplacesave.h"

#include <QDir>

void SavedLog::load(LogList &list, qsizetype limit)
{
    const RestoreOutcome restored = RestoreUnfinishedSave(m_location.saveTo);
    const QString log = QDir::toNativeSeparators(m_location.saveTo);
    if (restored.kind == RestoreOutcome::KeptAside) {
        m_startNotice =
            QStringLiteral("The ticket log \"%1\" changed after a save that did not finish, so "
                           "it was left as it is; that save's rollback copy is kept as \"%2\". "
                           "It is a text file: open it with a text editor (Notepad on Windows); "
                           "after its first lines it holds the old log's last tickets, as they "
                           "were before that save. Ticketwise never deletes it: delete it "
                           "yourself once you no longer need it.")
                .arg(log, QDir::toNativeSeparators(restored.keptAside));
    } else if (restored.kind == RestoreOutcome::LogMissing) {
        m_startNotice = QStringLiteral("A save of the ticket log \"%1\" did not finish, and the "
                                       "log is not there now; its old tickets are kept, and put "
                                       "back at the first start that finds it.")
                            .arg(log);
    } else if (restored.kind == RestoreOutcome::Failed) {
        m_startNotice = QStringLiteral("A save of the ticket log \"%1\" did not finish, and its "
                                       "old tickets could not be put back: %2")
                            .arg(log, restored.reason);
    }
    const LogFileRead read = LoadLogFile(list, m_location.readFrom, limit);
    // Half written, the log is not read as whole: the first save keeps it.
    const bool notWhole = read == LogFileRead::NotWhole || restored.kind == RestoreOutcome::Failed;
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
