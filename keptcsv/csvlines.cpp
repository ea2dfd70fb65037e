#include "csvlines.h"

#include "csvexport.h"

#include <QDir>

#include <algorithm>

namespace CsvLines {

bool empty(const QByteArray &bytes)
{
    return (bytes.startsWith(byteOrderMark) ? bytes.mid(3) : bytes).trimmed().isEmpty();
}

void append(QByteArray &bytes, const QStringList &fields)
{
    QByteArrayList cells;
    for (const QString &field : fields)
        cells << CsvField(field);
    bytes += cells.join(',') + "\r\n";
}

QString plainCents(std::int64_t cents)
{
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    const std::uint64_t size = cents < 0 ? 0 - std::uint64_t(cents) : std::uint64_t(cents);
    return sign + QStringLiteral("%1.%2").arg(size / 100).arg(size % 100, 2, 10, QLatin1Char('0'));
}

QString unreadableText(const std::vector<int> &lines, const QString &what, const QString &path)
{
    QStringList numbers;
    for (const int line : lines)
        numbers << QString::number(line);
    return QStringLiteral("%1 of %2, %3, could not be read: %4 kept as %5, and the rest is used.")
        .arg(lines.size() == 1 ? QStringLiteral("Line %1").arg(numbers.value(0))
                               : QStringLiteral("Lines %1").arg(numbers.join(u", ")),
             what, QDir::toNativeSeparators(path),
             lines.size() == 1 ? QStringLiteral("it is") : QStringLiteral("they are"),
             lines.size() == 1 ? QStringLiteral("it was") : QStringLiteral("they were"));
}

} // namespace CsvLines
