#include "csvlines.h"

#include "amounttext.h"
#include "csvexport.h"

#include <QCryptographicHash>
#include <QDir>
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
    field = field.trimmed();
    if (field.isEmpty())
        return 0;
    // "1200.24", as this program writes it, read without a pattern.
    if (const qsizetype point = field.size() - 3;
        point > 0 && point <= 16 && field[point] == u'.' && field[point + 1].isDigit() &&
        field[point + 2].isDigit()) {
        const bool minus = field[0] == u'-';
        bool whole = point > (minus ? 1 : 0);
        std::int64_t cents = 0;
        for (qsizetype at = minus ? 1 : 0; whole && at < point; ++at) {
            whole = field[at] >= u'0' && field[at] <= u'9';
            cents = cents * 10 + field[at].digitValue();
        }
        if (whole) {
            cents =
                cents * 100 + field[point + 1].digitValue() * 10 + field[point + 2].digitValue();
            return minus ? -cents : cents;
        }
    }
    const QString text = field.toString();
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
