// logsaver PATH ROWS TAG [--in-place]: saves ROWS generated tickets, each cell
// marked with TAG, to PATH, or over PATH itself. Exits 0 when the save
// succeeded, 1 when it failed.
// logsaver PATH ROWS --alternate: saves two such logs, "first" and "second",
// in turn until it is killed.
// logsaver --add PROGRAM-LOG USER-LOG GAME: starts as the program does, adds
// the ticket GAME, and prints the rows it then holds and what the save did.
// logsaver --stop-at N fail|crash PATH add|delete: reads the log at PATH, adds
// a ticket or deletes the middle one, and saves it over itself with the N-th
// step of the save failing, or the program ending there as in a crash. Exits
// 4 where the save has fewer steps.
// logsaver --restore PATH: what a start does with a save in place that did not
// finish.
#include "inplacesave.h"
#include "logcommands.h"
#include "logfile.h"
#include "loglistmodel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdlib>

namespace {

// Counts the steps, and fails or ends the program at the chosen one.
class StoppingSteps : public FileSteps
{
public:
    StoppingSteps(int stopAt, bool crash) : m_stopAt(stopAt), m_crash(crash) {}
    bool reached() const { return m_reached; }

    bool write(QFileDevice &file, qint64 at, QByteArrayView bytes, QString *reason) override
    {
        return go(reason) && FileSteps::write(file, at, bytes, reason);
    }
    bool resize(QFile &file, qint64 size, QString *reason) override
    {
        return go(reason) && FileSteps::resize(file, size, reason);
    }
    bool sync(QFile &file, QString *reason) override
    {
        return go(reason) && FileSteps::sync(file, reason);
    }
    bool commit(QSaveFile &file, QString *reason) override
    {
        return go(reason) && FileSteps::commit(file, reason);
    }
    bool remove(const QString &path, QString *reason) override
    {
        return go(reason) && FileSteps::remove(path, reason);
    }

private:
    bool go(QString *reason)
    {
        if (++m_step != m_stopAt)
            return true;
        m_reached = true;
        if (m_crash)
            std::_Exit(9);
        *reason = QStringLiteral("step %1 failed").arg(m_step);
        return false;
    }

    int m_stopAt;
    bool m_crash;
    int m_step = 0;
    bool m_reached = false;
};

int saveStopped(int stopAt, bool crash, const QString &path, bool add)
{
    LogListModel list;
    LoadLogFile(list, path);
    if (add) {
        list.append(u"Pick 3");
        list.setSubItem(list.size() - 1, 1, u"12/08/2026");
        list.setSubItem(list.size() - 1, 2, u"3-7-1");
    } else {
        list.remove(list.size() / 2);
    }
    StoppingSteps steps(stopAt, crash);
    QString error;
    const bool saved = SaveLogFileInPlace(list, path, &error, steps);
    QTextStream(stderr) << error << '\n';
    return !steps.reached() ? 4 : saved ? 0 : 1;
}

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
        << outcome.keptAside << "\nerror " << outcome.errorString << '\n';
    return outcome.saved ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ticketwise"));
    const QStringList args = app.arguments();
    if (args.size() == 6 && args[1] == QLatin1String("--stop-at"))
        return saveStopped(args[2].toInt(), args[3] == QLatin1String("crash"), args[4],
                           args[5] == QLatin1String("add"));
    if (args.size() == 3 && args[1] == QLatin1String("--restore"))
        return RestoreUnfinishedSave(args[2]) ? 0 : 1;
    if (args.size() == 5 && args[1] == QLatin1String("--add"))
        return addTicket(args[2], args[3], args[4]);
    const bool inPlace = args.size() == 5 && args[4] == QLatin1String("--in-place");
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
    QString error;
    if (inPlace ? SaveLogFileInPlace(list, path, &error) : SaveLogFile(list, path, &error))
        return 0;
    QTextStream(stderr) << error << '\n';
    return 1;
}
