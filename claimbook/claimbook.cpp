#include "claimbook.h"

#include "csvexport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

// The records of the file as this program writes them: quoted fields, a
// quote doubled; a leading ' that kept a formula from running is taken off.
std::optional<std::vector<QStringList>> linesOf(const QString &text)
{
    std::vector<QStringList> lines;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool inQuotes = false;
    const auto endField = [&] {
        static const QString formulaStarts = QStringLiteral("=+-@\t\r");
        if (field.size() > 1 && field[0] == u'\'' && formulaStarts.contains(field[1]))
            field.remove(0, 1);
        fields << field;
        field.clear();
        quoted = false;
    };
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (inQuotes) {
            if (c == u'"' && at + 1 < text.size() && text[at + 1] == u'"') {
                field += c;
                ++at;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty() && !quoted) {
            inQuotes = quoted = true;
        } else if (c == u',') {
            endField();
        } else if (c == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n') {
            continue;
        } else if (c == u'\n') {
            endField();
            lines.push_back(std::exchange(fields, {}));
        } else {
            field += c;
        }
    }
    if (inQuotes)
        return std::nullopt;
    if (!field.isEmpty() || !fields.isEmpty()) {
        endField();
        lines.push_back(fields);
    }
    return lines;
}

} // namespace

ClaimBook::ClaimBook(const QString &path) : m_path(path) {}

QString ClaimBook::besideLog(const QString &logPath)
{
    return QFileInfo(logPath).dir().filePath(QStringLiteral("claims.csv"));
}

ClaimBook::Read ClaimBook::read()
{
    m_records.clear();
    m_blocked = false;
    QFile file(m_path);
    if (!file.exists())
        return Read::Read;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    bool whole = file.error() == QFileDevice::NoError;
    // Closed before it may be moved: Windows moves no file that is open.
    file.close();
    if (bytes.startsWith(byteOrderMark))
        bytes.remove(0, 3);
    const std::optional<std::vector<QStringList>> lines =
        whole ? linesOf(QString::fromUtf8(bytes)) : std::nullopt;
    whole = lines && !lines->empty() && lines->front() == ClaimRecord::titles();
    std::vector<ClaimRecord> records;
    for (std::size_t at = 1; whole && at < lines->size(); ++at) {
        const std::optional<ClaimRecord> record = ClaimRecord::of((*lines)[at]);
        whole = record.has_value();
        if (record)
            records.push_back(*record);
    }
    if (whole) {
        m_records = std::move(records);
        return Read::Read;
    }
    // Kept whole under a name of its own; the next claim starts a new file.
    const QFileInfo info(m_path);
    m_keptAside = info.dir().filePath(
        QStringLiteral("claims-unreadable-%1.csv")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    if (!QFile::rename(m_path, m_keptAside)) {
        m_keptAside.clear();
        m_blocked = true;
    }
    return Read::KeptAside;
}

const ClaimRecord *ClaimBook::find(const ClaimRecord &draw) const
{
    const auto found =
        std::find_if(m_records.begin(), m_records.end(),
                     [&](const ClaimRecord &record) { return record.sameDraw(draw); });
    return found == m_records.end() ? nullptr : &*found;
}

bool ClaimBook::add(const ClaimRecord &record, QString *reason)
{
    std::vector<ClaimRecord> records = m_records;
    const auto same = [&](const ClaimRecord &other) { return other.sameDraw(record); };
    records.erase(std::remove_if(records.begin(), records.end(), same), records.end());
    records.push_back(record);
    return write(records, reason);
}

bool ClaimBook::remove(const ClaimRecord &draw, QString *reason)
{
    std::vector<ClaimRecord> records = m_records;
    const auto same = [&](const ClaimRecord &other) { return other.sameDraw(draw); };
    records.erase(std::remove_if(records.begin(), records.end(), same), records.end());
    return write(records, reason);
}

bool ClaimBook::write(const std::vector<ClaimRecord> &records, QString *reason)
{
    // A file that could not be read, nor moved aside, is never written over.
    if (m_blocked) {
        if (reason)
            *reason = QStringLiteral("%1 could not be read, nor moved aside")
                          .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    QByteArray bytes(byteOrderMark);
    const auto line = [&bytes](const QStringList &fields) {
        QByteArrayList cells;
        for (const QString &field : fields)
            cells << CsvField(field);
        bytes += cells.join(',') + "\r\n";
    };
    line(ClaimRecord::titles());
    for (const ClaimRecord &record : records)
        line(record.fields());
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        m_records = records;
        return true;
    }
    if (reason)
        *reason = file.errorString();
    return false;
}
