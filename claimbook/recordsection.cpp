#include "recordsection.h"

#include "csvlines.h"

#include <QSaveFile>

bool WriteSectionsCsv(const QString &heading, const std::vector<RecordSection> &sections,
                      const QString &path, QString *reason)
{
    QByteArray bytes(CsvLines::byteOrderMark);
    CsvLines::append(bytes, {heading});
    for (const RecordSection &section : sections) {
        bytes += "\r\n";
        CsvLines::append(bytes, {section.title});
        if (!section.columns.isEmpty())
            CsvLines::append(bytes, section.columns);
        for (const QStringList &row : section.rows)
            CsvLines::append(bytes, row);
        for (const QString &note : section.notes)
            CsvLines::append(bytes, {note});
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
}
