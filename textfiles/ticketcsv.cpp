#include "ticketcsv.h"

#include "codepage.h"
#include "delimitedtext.h"

#include <algorithm>
#include <map>

namespace {

// Where a header names them: GAME, DATE and NUMBERS, in any case and order.
std::optional<std::array<int, 3>> headerColumns(const QList<QStringView> &fields)
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

// Puts cells into the buffer as the log can hold them, and says whether one
// had to change.
class CellWriter
{
public:
    explicit CellWriter(TicketsRead &read) : m_read(read) {}

    void write(QStringView cell)
    {
        // Export's guard before a formula-like cell.
        if (cell.size() > 1 && cell[0] == u'\'' && QStringView(u"=+-@\t\r").contains(cell[1]))
            cell = cell.sliced(1);
        const qsizetype start = m_read.text.size();
        bool changed = cell.contains(u'\r') || cell.contains(u'\n');
        if (!changed) {
            m_read.text.append(cell);
        } else {
            for (qsizetype at = 0; at < cell.size(); ++at) {
                if (cell[at] == u'\r' && at + 1 < cell.size() && cell[at + 1] == u'\n')
                    ++at;
                m_read.text += cell[at] == u'\r' || cell[at] == u'\n' ? QChar(u' ') : cell[at];
            }
        }
        const QStringView written = QStringView(m_read.text).sliced(start);
        if (!std::all_of(written.begin(), written.end(),
                         [](QChar c) { return c.unicode() < 0x80; })) {
            m_bytes.resize(0);
            m_encoder.appendTo(m_bytes, written);
            changed = changed || m_decoder.decode(m_bytes) != written;
        }
        m_read.cells.emplace_back(start, written.size());
        m_read.changedCells += changed ? 1 : 0;
    }

private:
    TicketsRead &m_read;
    CodePageEncoder m_encoder;
    CodePageDecoder m_decoder;
    QByteArray m_bytes;
};

} // namespace

TicketsRead ReadTicketsCsv(const QByteArray &bytes,
                           const std::function<bool(qsizetype, qsizetype)> &progress)
{
    TicketsRead read;
    read.text.reserve(bytes.size());
    DelimitedText text(bytes, DelimitedText::Separators::Csv);
    TextRecord record;
    std::array<int, 3> columns = {0, 1, 2};
    bool first = true;
    CellWriter writer(read);
    const auto blank = [](QStringView field) { return field.trimmed().isEmpty(); };
    while (text.next(record)) {
        const QList<QStringView> &fields = record.fields;
        if (first) {
            first = false;
            if (const auto named = headerColumns(fields)) {
                columns = *named;
                continue;
            }
        }
        if (record.unclosedQuote) {
            read.skipped.push_back({record.line, TicketsRead::UnclosedQuote});
            continue;
        }
        if (fields.size() <= *std::max_element(columns.begin(), columns.end())) {
            // A line that holds nothing, as spreadsheets leave, is no ticket.
            if (!std::all_of(fields.cbegin(), fields.cend(), blank))
                read.skipped.push_back({record.line, TicketsRead::TooFewFields});
            continue;
        }
        if (std::all_of(columns.begin(), columns.end(),
                        [&](int column) { return blank(fields[column]); }))
            continue;
        for (const int column : columns)
            writer.write(fields[column]);
        if (progress && read.count() % 4096 == 0 && !progress(text.position(), text.size())) {
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
    parts << (count() == 1 ? QStringLiteral("1 ticket")
                           : QStringLiteral("%1 tickets").arg(count()));
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
