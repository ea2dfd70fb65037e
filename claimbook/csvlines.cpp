#include "csvlines.h"

#include "amounttext.h"
#include "csvexport.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include <algorithm>

namespace CsvLines {

QByteArray digestOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QString lineOf(const QList<QStringView> &fields, QChar separator)
{
    QStringList cells;
    for (const QStringView field : fields) {
        QString cell = field.toString();
        if (cell.contains(separator) || cell.contains(u'"') || cell.contains(u'\n') ||
            cell.contains(u'\r'))
            cell = u'"' + cell.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        cells << cell;
    }
    return cells.join(separator);
}

bool blank(const QList<QStringView> &fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](QStringView field) { return field.trimmed().isEmpty(); });
}

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

std::optional<std::int64_t> centsOf(QStringView field)
{
    const QString text = field.trimmed().toString();
    if (text.isEmpty())
        return 0;
    // As this program writes it, whatever the locale.
    static const QRegularExpression plain(QStringLiteral("^-?\\d{1,16}\\.\\d\\d$"));
    if (plain.match(text).hasMatch()) {
        const qsizetype point = text.indexOf(u'.');
        const std::int64_t cents =
            text.left(point).remove(u'-').toLongLong() * 100 + text.mid(point + 1).toInt();
        return text.startsWith(u'-') ? -cents : cents;
    }
    return AmountReading::of(text).cents;
}

} // namespace CsvLines
