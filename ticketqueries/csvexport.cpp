#include "csvexport.h"

#include "codepage.h"

#include <QSaveFile>

#include <algorithm>

namespace {

template <typename Text, typename Unit> Text csvField(Text field)
{
    for (const char formula : {'=', '+', '-', '@', '\t', '\r'}) {
        if (!field.isEmpty() && field.front() == Unit(formula)) {
            field.prepend(Unit('\''));
            break;
        }
    }
    for (const char special : {',', ';', '\t', '"', '\r', '\n'}) {
        if (field.contains(Unit(special))) {
            field.replace(Unit('"'), Text(2, Unit('"')));
            return Unit('"') + field + Unit('"');
        }
    }
    return field;
}

QByteArray csvField(const QByteArray &field)
{
    return csvField<QByteArray, char>(field);
}

} // namespace

QByteArray CsvField(QStringView cell)
{
    return csvField(cell.toUtf8());
}

QString CsvCellText(QStringView cell)
{
    return csvField<QString, QChar>(cell.toString());
}

bool ExportTicketsCsv(const QString &path, const LogList &log, const QStringList &titles, int count,
                      const std::function<int(int)> &logRow,
                      const std::function<QStringList(int)> &extraCells, QString *errorString)
{
    QSaveFile file(path);
    QByteArray block = "\xEF\xBB\xBF";
    for (const QString &title : titles)
        block += CsvField(title) + ',';
    block.back() = '\r';
    block += '\n';
    bool written = file.open(QIODevice::WriteOnly);
    for (int listed = 0; written && listed < count; ++listed) {
        const int row = logRow(listed);
        for (int column = 0; column < log.columns(); ++column) {
            if (column > 0)
                block += ',';
            // A cell of the file in plain ASCII is its own UTF-8.
            const std::optional<QByteArrayView> bytes = log.savedBytes(row, column);
            block += bytes && IsAscii(*bytes) ? csvField(bytes->toByteArray())
                                              : CsvField(log.text(row, column));
        }
        if (extraCells) {
            for (const QString &cell : extraCells(listed))
                block += ',' + CsvField(cell);
        }
        block += "\r\n";
        if (block.size() >= 64 * 1024) {
            written = file.write(block) == block.size();
            block.resize(0);
        }
    }
    if (written && !block.isEmpty())
        written = file.write(block) == block.size();
    if (written && file.commit())
        return true;
    if (errorString)
        *errorString = file.errorString();
    file.cancelWriting();
    return false;
}
