#include "ticketcsv.h"

#include "codepage.h"
#include "delimitedtext.h"

#include <algorithm>
#include <map>

namespace {

// Where a header names them: GAME, DATE and NUMBERS, in any case and order.
std::optional<std::array<int, 3>> headerColumns(const QStringList &fields)
{
    std::array<int, 3> columns = {-1, -1, -1};
    const std::array<QLatin1StringView, 3> titles = {
        QLatin1StringView("GAME"), QLatin1StringView("DATE"), QLatin1StringView("NUMBERS")};
    for (int at = 0; at < fields.size(); ++at) {
        for (std::size_t which = 0; which < titles.size(); ++which) {
            if (columns[which] < 0 &&
                fields[at].trimmed().compare(titles[which], Qt::CaseInsensitive) == 0)
                columns[which] = at;
        }
    }
    if (std::find(columns.begin(), columns.end(), -1) != columns.end())
        return std::nullopt;
    return columns;
}

class CellCleaner
{
public:
    // The cell as the log can hold it; changed says whether it had to change.
    QString clean(QString cell, bool &changed)
    {
        // Export's guard before a formula-like cell.
        if (cell.size() > 1 && cell[0] == u'\'' && QStringView(u"=+-@\t\r").contains(cell[1]))
            cell.remove(0, 1);
        if (cell.contains(u'\n') || cell.contains(u'\r')) {
            cell.replace(QLatin1StringView("\r\n"), QLatin1StringView(" "));
            cell.replace(u'\n', u' ');
            cell.replace(u'\r', u' ');
            changed = true;
        }
        if (!std::all_of(cell.cbegin(), cell.cend(), [](QChar c) { return c.unicode() < 0x80; })) {
            m_bytes.clear();
            m_encoder.appendTo(m_bytes, cell);
            changed = changed || m_decoder.decode(m_bytes) != cell;
        }
        return cell;
    }

private:
    CodePageEncoder m_encoder;
    CodePageDecoder m_decoder;
    QByteArray m_bytes;
};

} // namespace

TicketsRead ReadTicketsCsv(const QByteArray &bytes,
                           const std::function<bool(qsizetype, qsizetype)> &progress)
{
    TicketsRead read;
    DelimitedText text(bytes, DelimitedText::Separators::Csv);
    TextRecord record;
    std::array<int, 3> columns = {0, 1, 2};
    bool first = true;
    CellCleaner cleaner;
    while (text.next(record)) {
        if (first) {
            first = false;
            if (const auto named = headerColumns(record.fields)) {
                columns = *named;
                continue;
            }
        }
        if (record.unclosedQuote) {
            read.skipped.push_back({record.line, TicketsRead::UnclosedQuote});
            continue;
        }
        if (record.fields.size() <= *std::max_element(columns.begin(), columns.end())) {
            // A line that holds nothing, as spreadsheets leave, is no ticket.
            if (!std::all_of(record.fields.cbegin(), record.fields.cend(),
                             [](const QString &field) { return field.trimmed().isEmpty(); }))
                read.skipped.push_back({record.line, TicketsRead::TooFewFields});
            continue;
        }
        std::array<QString, 3> ticket;
        bool blank = true;
        for (std::size_t cell = 0; cell < ticket.size(); ++cell) {
            bool changed = false;
            ticket[cell] = cleaner.clean(record.fields[columns[cell]], changed);
            read.changedCells += changed ? 1 : 0;
            blank = blank && ticket[cell].trimmed().isEmpty();
        }
        if (!blank)
            read.tickets.push_back(std::move(ticket));
        if (progress && read.tickets.size() % 4096 == 0 &&
            !progress(text.position(), text.size())) {
            read = {};
            read.cancelled = true;
            return read;
        }
    }
    return read;
}

QString TicketsRead::summary() const
{
    QStringList parts;
    parts << (tickets.size() == 1 ? QStringLiteral("1 ticket")
                                  : QStringLiteral("%1 tickets").arg(tickets.size()));
    if (!skipped.empty()) {
        // The lines of each reason, the first few of them.
        std::map<Reason, QStringList> lines;
        for (const Skipped &line : skipped) {
            QStringList &of = lines[line.reason];
            if (of.size() < 5)
                of << QString::number(line.line);
            else if (of.size() == 5)
                of << QStringLiteral("...");
        }
        QStringList why;
        for (const auto &[reason, numbers] : lines) {
            why << QStringLiteral("%1 (%2)").arg(numbers.join(QStringLiteral(", ")),
                                                 reason == TooFewFields
                                                     ? QStringLiteral("too few fields")
                                                     : QStringLiteral("a quote is not closed"));
        }
        parts << QStringLiteral("%1 skipped: %2")
                     .arg(skipped.size() == 1 ? QStringLiteral("1 line")
                                              : QStringLiteral("%1 lines").arg(skipped.size()),
                          why.join(QStringLiteral("; ")));
    }
    if (changedCells > 0) {
        parts << (changedCells == 1 ? QStringLiteral("1 cell changed")
                                    : QStringLiteral("%1 cells changed").arg(changedCells));
    }
    return parts.join(QStringLiteral("; "));
}
