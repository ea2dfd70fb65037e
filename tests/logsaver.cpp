// logsaver PATH ROWS TAG [--in-place [STEP [crash|fail]]] [--delete ROW]
// [--cut BYTES]: saves ROWS generated tickets, each cell marked with TAG, but
// for the one at ROW, to PATH, or over PATH itself, there with its STEP-th
// step failing, or the program ending as in a crash, or ending once BYTES
// were written, in the middle of a write. Exits 0 when the save succeeded, 1
// when it failed, 4 when it had fewer steps or bytes; 9 where it ended.
// logsaver PATH ROWS --alternate: saves two such logs, "first" and "second",
// in turn until it is killed.
// logsaver --add PROGRAM-LOG USER-LOG GAME: starts as the program does, adds
// the ticket GAME, and prints the rows it then holds and what the save did.
// logsaver --restore PATH [STEP] [--cut BYTES]: what a start does with a save
// in place that did not finish, there with its STEP-th step failing, or the
// program ending once BYTES were written; exits with the kind of
// RestoreOutcome, and prints where the copy was kept aside and why it failed.
#include "inplacesave.h"
#include "logcommands.h"
#include "logfile.h"
#include "loglistmodel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdlib>

namespace {

// Fails the chosen step, or ends the program there; or ends it once a
// number of bytes were written, in the middle of the write that reaches it.
class StoppingSteps : public FileSteps
{
public:
    StoppingSteps(int stopAt, bool crash, qint64 cutAt = -1)
        : m_stopAt(stopAt), m_crash(crash), m_cutAt(cutAt)
    {
    }
    bool reached() const { return (m_stopAt > 0 && m_step >= m_stopAt) || m_cut; }
    // Ends the program where a write was cut short, as a kill then would.
    void endIfCut() const
    {
        if (m_cut)
            std::_Exit(9);
    }

protected:
    bool beforeStep(Kind, const QString &, qint64, QString *reason) override
    {
        if (m_cut)
            std::_Exit(9);
        if (++m_step != m_stopAt)
            return true;
        if (m_crash)
            std::_Exit(9);
        *reason = QStringLiteral("step %1 failed").arg(m_step);
        return false;
    }
    qint64 bytesReaching(const QString &, qint64 bytes) override
    {
        if (m_cutAt < 0 || m_written + bytes <= m_cutAt) {
            m_written += bytes;
            return bytes;
        }
        m_cut = true;
        return m_cutAt - m_written;
    }

private:
    int m_stopAt;
    bool m_crash;
    qint64 m_cutAt;
    qint64 m_written = 0;
    bool m_cut = false;
    int m_step = 0;
};

void generate(LogListModel &list, int rows, const QString &tag)
{
    for (int row = 0; row < rows; ++row) {
        list.append(QStringLiteral("%1 game %2").arg(tag).arg(row));
        list.setSubItem(row, 1, QStringLiteral("%1 date %2").arg(tag).arg(row));
        list.setSubItem(row, 2, QStringLiteral("%1 numbers %2").arg(tag).arg(row));
    }
}

int addTicket(const QString &programLog, const QString &userLog, const QString &game)
{
    SavedLog log(ChooseLogLocation(programLog, userLog));
    LogListModel list;
    log.load(list);
    const SaveOutcome outcome = AddTicket(list, {game, QString(), QString()}, log);
    QTextStream out(stdout);
    out << "rows " << list.size() << "\nsaved to " << log.location().saveTo << "\nkept aside "
        << outcome.keptAside << "\nerror " << outcome.errorString << "\nnotice "
        << log.startNotice() << '\n';
    return outcome.saved ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ticketwise"));
    const QStringList args = app.arguments();
    const qsizetype cut = args.indexOf(QLatin1String("--cut"));
    const qint64 cutAt = cut > 0 ? args.value(cut + 1).toLongLong() : -1;
    if (args.size() >= 3 && args[1] == QLatin1String("--restore")) {
        StoppingSteps steps(cut == 3 ? 0 : args.value(3).toInt(), false, cutAt);
        const RestoreOutcome restored = RestoreUnfinishedSave(args[2], steps);
        steps.endIfCut();
        QTextStream(stdout) << restored.keptAside << restored.reason;
        return int(restored.kind);
    }
    if (args.size() == 5 && args[1] == QLatin1String("--add"))
        return addTicket(args[2], args[3], args[4]);
    const bool inPlace = args.size() >= 5 && args[4] == QLatin1String("--in-place");
    if (args.size() != 4 && !inPlace)
        return 2;
    const QString path = args[1];
    const int rows = args[2].toInt();

    if (args[3] == QLatin1String("--alternate")) {
        LogListModel first;
        LogListModel second;
        generate(first, rows, QStringLiteral("first"));
        generate(second, rows, QStringLiteral("second"));
        for (;;) {
            SaveLogFile(first, path);
            SaveLogFile(second, path);
        }
    }

    LogListModel list;
    generate(list, rows, args[3]);
    if (const qsizetype at = args.indexOf(QLatin1String("--delete")); at > 0)
        list.remove(args.value(at + 1).toInt());
    StoppingSteps steps(args.value(5).startsWith(QLatin1String("--")) ? 0 : args.value(5).toInt(),
                        args.value(6) == QLatin1String("crash"), cutAt);
    QString error;
    const bool saved =
        inPlace ? SaveLogFileInPlace(list, path, &error, steps) : SaveLogFile(list, path, &error);
    steps.endIfCut();
    if (saved)
        return (args.value(5).toInt() > 0 || cutAt >= 0) && !steps.reached() ? 4 : 0;
    QTextStream(stderr) << error << '\n';
    return 1;
}
