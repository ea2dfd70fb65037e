#include "claimbook.h"

#include "claimcolumns.h"
#include "csvlines.h"
#include "keptlines.h"
#include "ticketcopies.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace CsvLines;

namespace {

// Cells as they were, between commas: quoted where they hold one.
QString commaLine(const QList<QStringView> &fields)
{
    QStringList cells;
    for (const QStringView field : fields) {
        QString cell = field.toString();
        if (cell.contains(u',') || cell.contains(u'"') || cell.contains(u';'))
            cell = u'"' + cell.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        cells << cell;
    }
    return cells.join(u',');
}

} // namespace

ClaimBook::ClaimBook(const QString &path) : m_file(path) {}

QString ClaimBook::besideLog(const QString &logPath)
{
    return QFileInfo(logPath).dir().filePath(QStringLiteral("claims.csv"));
}

ClaimBook::Read ClaimBook::read()
{
    m_records.clear();
    m_extraTitles.clear();
    m_unreadable.clear();
    m_unreadableLines.clear();
    const KeptFile::Contents file = m_file.read();
    if (!file.exists)
        return Read::Read;
    // Emptied by hand: no claims, as where there is no file.
    if (file.whole && empty(file.bytes)) {
        m_file.settle(file.bytes);
        return Read::Read;
    }
    std::optional<ClaimColumns> columns;
    if (file.whole) {
        const KeptLines lines(file.bytes);
        QList<QStringView> fields;
        for (const KeptLines::Line &line : lines.lines()) {
            QString text = lines.text(line);
            const QString asRead = text;
            const bool closed = lines.cells(text, fields);
            if (!columns) {
                if (closed)
                    columns = ClaimColumns::of(fields);
                if (!columns)
                    break;
                continue;
            }
            std::optional<ClaimRecord> record =
                closed ? columns->read(fields, lines.separator()) : std::nullopt;
            if (record) {
                m_records.push_back(std::move(*record));
            } else {
                // Written back as it reads, its cells between commas as
                // the file is written.
                m_unreadable << (closed && lines.separator() != u',' ? commaLine(fields) : asRead);
                m_unreadableLines.push_back(line.number);
            }
        }
    }
    if (columns) {
        m_extraTitles = columns->extraTitles();
        m_file.settle(file.bytes);
        return Read::Read;
    }
    m_records.clear();
    m_unreadable.clear();
    m_unreadableLines.clear();
    // Kept whole under a name of its own; the next claim starts a new file.
    m_file.keepAside(QStringLiteral("claims"));
    return Read::KeptAside;
}

bool ClaimBook::followDisk(QString *reason)
{
    if (!m_file.changed() || read() == Read::Read)
        return true;
    // Changed into something that is no claims file: the player is told
    // before anything is written in its place.
    if (reason)
        *reason = m_file.changedText(QStringLiteral(", and a claim marked again starts a new one"));
    return false;
}

const ClaimRecord *ClaimBook::find(const ClaimRecord &draw) const
{
    const auto found =
        std::find_if(m_records.begin(), m_records.end(),
                     [&](const ClaimRecord &record) { return record.sameDraw(draw); });
    return found == m_records.end() ? nullptr : &*found;
}

int ClaimBook::claimedOn(const std::vector<ClaimRecord> &records, const LogList &log, int row,
                         int drawDate)
{
    std::optional<TicketCopy> ticket; // counted only where a claim has its cells
    std::optional<TicketCells> cells;
    for (const ClaimRecord &claim : records) {
        if (claim.drawDate != drawDate)
            continue;
        if (!cells)
            cells = TicketCells{log.text(row, 0), log.text(row, 1), log.text(row, 2)};
        if (!(claim.cells() == *cells))
            continue;
        if (!ticket)
            ticket = TicketCopy::of(log, row);
        if (claim.copy == ticket->copy)
            return claim.claimed;
    }
    return 0;
}

bool ClaimBook::add(const ClaimRecord &record, QString *reason)
{
    const KeptFile::Held lock = m_file.lock(reason);
    if (!lock || !followDisk(reason))
        return false;
    std::vector<ClaimRecord> records = m_records;
    const auto same = [&](const ClaimRecord &other) { return other.sameDraw(record); };
    const auto at = std::find_if(records.begin(), records.end(), same);
    // In its place where it replaces one, with the cells a spreadsheet added.
    if (at != records.end()) {
        QStringList extra = at->extra;
        *at = record;
        if (at->extra.isEmpty())
            at->extra = extra;
    } else {
        records.push_back(record);
    }
    return write(records, reason);
}

bool ClaimBook::remove(const ClaimRecord &draw, QString *reason)
{
    const KeptFile::Held lock = m_file.lock(reason);
    if (!lock || !followDisk(reason))
        return false;
    std::vector<ClaimRecord> records = m_records;
    const auto same = [&](const ClaimRecord &other) { return other.sameDraw(draw); };
    records.erase(std::remove_if(records.begin(), records.end(), same), records.end());
    return write(records, reason);
}

bool ClaimBook::write(const std::vector<ClaimRecord> &records, QString *reason)
{
    const bool copies = std::any_of(records.begin(), records.end(),
                                    [](const ClaimRecord &record) { return record.copy != 1; });
    QByteArray bytes(byteOrderMark);
    append(bytes, ClaimColumns::titlesWritten(copies, m_extraTitles));
    for (const ClaimRecord &record : records)
        append(bytes, ClaimColumns::fieldsWritten(record, copies, int(m_extraTitles.size())));
    for (const QString &kept : m_unreadable)
        bytes += kept.toUtf8() + "\r\n";
    // A file that could not be read, nor moved aside, is never written over.
    if (!m_file.write(bytes, reason))
        return false;
    m_records = records;
    return true;
}
