// logsaver PATH ROWS TAG: saves ROWS generated tickets, each cell marked with
// TAG, to PATH. Exits 0 when the save succeeded, 1 when it failed.
#include "logfile.h"
#include "loglistmodel.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    const QString path = args[1];
    const int rows = args[2].toInt();
    const QString tag = args[3];

    LogListModel list;
    for (int row = 0; row < rows; ++row) {
        list.append(QStringLiteral("%1 game %2").arg(tag).arg(row));
        list.setSubItem(row, 1, QStringLiteral("%1 date %2").arg(tag).arg(row));
        list.setSubItem(row, 2, QStringLiteral("%1 numbers %2").arg(tag).arg(row));
    }
    QString error;
    if (SaveLogFile(list, path, &error))
        return 0;
    QTextStream(stderr) << error << '\n';
    return 1;
}
