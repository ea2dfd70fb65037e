// logsaver PATH ROWS TAG [--in-place]: saves ROWS generated tickets, each cell
// marked with TAG, to PATH, or over PATH itself. Exits 0 when the save
// succeeded, 1 when it failed.
// logsaver PATH ROWS --alternate: saves two such logs, "first" and "second",
// in turn until it is killed.
// logsaver --add PROGRAM-LOG USER-LOG GAME: starts as the program does, adds
// the ticket GAME, and prints the rows it then holds and what the save did.
#include "logcommands.h"
#include "logfile.h"
#include "loglistmodel.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

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
    const QStringList args = app.arguments();
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
