#include "drawhistory.h"

#include "delimitedtext.h"
#include "drawcheck.h"

#include <array>

namespace {

constexpr int maxDrawsADay = 24;

enum class Role
{
    Unnamed, // a title that says nothing this reader knows: read as numbers
    Numbers,
    Date,
    Month,
    Day,
    Year,
    Game,
    Ball, // the ball of the game checked
    NotWinning
};

struct Column
{
    Role role = Role::Unnamed;
    int drawTime = 0; // DrawTimeOf its title's word, where one names a time
};

QString folded(QStringView text)
{
    QString key;
    for (const QChar character : text) {
        if (character.isLetterOrNumber() || character == u'#')
            key += character.toCaseFolded();
    }
    return key;
}

bool has(const QString &key, std::string_view ascii)
{
    return key.contains(QLatin1StringView(ascii.data(), qsizetype(ascii.size())));
}

// What a header's title says of its column, whatever its spaces, case and
// marks, for the game checked.
Column columnOf(QStringView title, const LotteryGame *rules)
{
    const QString key = folded(title);
    Column column;
    // "Midday Daily #", "Evening Win 4 #": the first word that names a time.
    for (const QString &word : title.toString().remove(u'-').split(u' ', Qt::SkipEmptyParts)) {
        const QString wordKey = folded(word);
        if ((column.drawTime = DrawTimeOf(
                 std::u16string_view(QStringView(wordKey).utf16(), std::size_t(wordKey.size())))))
            break;
    }
    static constexpr std::array<std::string_view, 25> notWinning = {
        "multiplier", "megaplier", "powerplay", "bonus",    "extra",    "megaball",   "powerball",
        "cashball",   "luckyball", "starball",  "fireball", "wildball", "kicker",     "booster",
        "jackpot",    "prize",     "amount",    "payout",   "winners",  "drawnumber", "draw#",
        "drawno",     "sum",       "total",     "sales"};
    const bool numbersTitle = has(key, "number") || has(key, "winning");
    if (key == u"month")
        column.role = Role::Month;
    else if (key == u"day")
        column.role = Role::Day;
    else if (key == u"year")
        column.role = Role::Year;
    else if (key == u"game" || key == u"gamename")
        column.role = Role::Game;
    else if (rules && rules->hasBall() && !numbersTitle &&
             (has(key, rules->ball) || key == u"ball"))
        column.role = Role::Ball;
    else if (std::any_of(notWinning.begin(), notWinning.end(),
                         [&](std::string_view word) { return has(key, word); }) ||
             title.contains(u'$'))
        column.role = Role::NotWinning;
    else if (has(key, "date"))
        column.role = Role::Date;
    else if (numbersTitle || has(key, "result") || has(key, "digit") || key.endsWith(u'#') ||
             column.drawTime != 0 ||
             (!key.isEmpty() && key.size() <= 3 && key.front().isLetter() && key.back().isDigit()))
        column.role = Role::Numbers;
    return column;
}

bool hasLetter(QStringView field)
{
    return std::any_of(field.cbegin(), field.cend(), [](QChar c) { return c.isLetter(); });
}

// A line of titles: two or more, each with a letter, one at least that this
// reader knows. A title line or a line of dashes above it is none.
std::optional<std::vector<Column>> headerOf(const QList<QStringView> &fields,
                                            const LotteryGame *rules)
{
    std::vector<Column> columns;
    int titles = 0;
    bool known = false;
    for (const QStringView field : fields) {
        const QStringView title = field.trimmed();
        if (!title.isEmpty() && !hasLetter(title))
            return std::nullopt;
        titles += title.isEmpty() ? 0 : 1;
        columns.push_back(columnOf(title, rules));
        known = known || columns.back().role != Role::Unnamed;
    }
    if (titles < 2 || !known)
        return std::nullopt;
    // A Day without a Month and a Year is a draw time, as in Morning, Day,
    // Evening and Night.
    const auto holds = [&](Role role) {
        return std::any_of(columns.begin(), columns.end(),
                           [role](const Column &c) { return c.role == role; });
    };
    if (!holds(Role::Month) || !holds(Role::Year)) {
        for (Column &column : columns) {
            if (column.role == Role::Day)
                column = {Role::Numbers, DrawTimeOf(u"day")};
        }
    }
    return columns;
}

// A month's English name, whole or short, as a number from 1.
int monthOf(QStringView word)
{
    static constexpr std::array<std::string_view, 12> months = {
        "january", "february", "march",     "april",   "may",      "june",
        "july",    "august",   "september", "october", "november", "december"};
    const QString key = word.toString().toCaseFolded();
    for (std::size_t at = 0; at < months.size(); ++at) {
        const QLatin1StringView month(months[at].data(), qsizetype(months[at].size()));
        if (key.size() >= 3 && month.startsWith(key))
            return int(at) + 1;
    }
    return key == u"sept" ? 9 : 0;
}

bool isWeekday(QStringView word)
{
    static constexpr std::array<std::string_view, 7> days = {
        "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};
    const QString key = word.toString().toCaseFolded();
    return key.size() >= 2 && std::any_of(days.begin(), days.end(), [&](std::string_view day) {
               return QLatin1StringView(day.data(), qsizetype(day.size())).startsWith(key);
           });
}

// "Nov 28, 2026", "November 28 2026", "Sat. Nov 28, 2026", "28 Nov 2026":
// the whole text, its words and numbers alone.
std::optional<int> namedMonthDate(QStringView text)
{
    QList<QStringView> words;
    qsizetype at = 0;
    while (at < text.size()) {
        if (!text[at].isLetterOrNumber()) {
            if (!QStringView(u" ,.").contains(text[at]))
                return std::nullopt;
            ++at;
            continue;
        }
        const bool digit = text[at].isDigit();
        const qsizetype start = at;
        while (at < text.size() && text[at].isLetterOrNumber() && text[at].isDigit() == digit)
            ++at;
        const QStringView word = text.sliced(start, at - start);
        // "28th": the ordinal's letters go with the day.
        const bool ordinal =
            !digit && !words.isEmpty() && words.back().front().isDigit() && start > 0 &&
            text[start - 1].isDigit() &&
            QStringList({"st", "nd", "rd", "th"}).contains(word.toString().toLower());
        if (!ordinal)
            words << word;
    }
    if (!words.isEmpty() && isWeekday(words.front()) && monthOf(words.front()) == 0)
        words.removeFirst();
    if (words.size() != 3)
        return std::nullopt;
    int month = monthOf(words[0]);
    QStringView day = words[1];
    if (month == 0) {
        month = monthOf(words[1]);
        day = words[0];
    }
    const QStringView year = words[2];
    if (month == 0 || !day.front().isDigit() || day.size() > 2 || year.size() != 4 ||
        !year.front().isDigit())
        return std::nullopt;
    return DateKey(QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year));
}

bool isWholeNumber(QStringView field, int mostDigits)
{
    field = field.trimmed();
    return !field.isEmpty() && field.size() <= mostDigits &&
           std::all_of(field.begin(), field.end(), [](QChar c) { return c.isDigit(); });
}

struct DateAt
{
    int date;
    int first; // the fields it takes
    int end;
};

// The first date of a line, and the fields it takes.
std::optional<DateAt> findDate(const QList<QStringView> &fields, bool threeFields)
{
    for (int at = 0; at < fields.size(); ++at) {
        if (const std::optional<int> date = DateKey(fields[at]))
            return DateAt{*date, at, at + 1};
        // A month's name stands in the first two words.
        if (hasLetter(fields[at]) || (at + 1 < fields.size() && hasLetter(fields[at + 1]))) {
            QString text;
            for (int end = at; end < std::min(at + 4, int(fields.size())); ++end) {
                text += fields[end];
                text += u' ';
                if (const std::optional<int> date = namedMonthDate(text))
                    return DateAt{*date, at, end + 1};
            }
        }
        if (threeFields && at + 2 < fields.size() && isWholeNumber(fields[at], 2) &&
            isWholeNumber(fields[at + 1], 2) && isWholeNumber(fields[at + 2], 4) &&
            fields[at + 2].trimmed().size() == 4) {
            const std::optional<int> date =
                DateKey(QStringLiteral("%1/%2/%3").arg(fields[at], fields[at + 1], fields[at + 2]));
            if (date)
                return DateAt{*date, at, at + 3};
        }
    }
    return std::nullopt;
}

// One draw of a game of the table, from its cells in order: a cell of one
// number adds it, a cell of several must hold the whole draw, and each
// number must be in the game's range; a cell that does not fit is left out.
class DrawShape
{
public:
    DrawShape(const LotteryGame &rules, int date) : m_rules(rules), m_date(date) {}

    void add(const std::vector<int> &cell, bool ballCell)
    {
        const int count = m_rules.count;
        if (cell.empty())
            return;
        if (ballCell) {
            if (cell.size() == 1 && !m_ball && m_rules.fits(cell[0], m_date, true))
                m_ball = cell[0];
            return;
        }
        if (cell.size() == 1) {
            if (int(m_whites.size()) < count) {
                if (m_rules.fits(cell[0], m_date, false))
                    m_whites.push_back(cell[0]);
            } else if (m_rules.hasBall() && !m_ballTried) {
                // The number after the five is the ball, or there is none: a
                // multiplier after it is not taken in its place.
                m_ballTried = true;
                if (!m_ball && m_rules.fits(cell[0], m_date, true))
                    m_ball = cell[0];
            }
            return;
        }
        const bool withBall = m_rules.hasBall() && int(cell.size()) == count + 1;
        if (!m_whites.empty() || (int(cell.size()) != count && !withBall) || (withBall && m_ball))
            return;
        for (int at = 0; at < count; ++at) {
            if (!m_rules.fits(cell[std::size_t(at)], m_date, false))
                return;
        }
        if (withBall && !m_rules.fits(cell.back(), m_date, true))
            return;
        m_whites.assign(cell.begin(), cell.begin() + count);
        if (withBall)
            m_ball = cell.back();
    }
    bool isWhole() const
    {
        return int(m_whites.size()) == m_rules.count && (!m_rules.hasBall() || m_ball);
    }
    std::vector<int> numbers() const
    {
        std::vector<int> numbers = m_whites;
        if (m_ball)
            numbers.push_back(*m_ball);
        return numbers;
    }

private:
    const LotteryGame &m_rules;
    int m_date;
    std::vector<int> m_whites;
    std::optional<int> m_ball;
    bool m_ballTried = false;
};

bool isGame(const QString &lineKey, const QString &wanted)
{
    if (lineKey == wanted)
        return true;
    const QStringView after = QStringView(lineKey).sliced(std::min(wanted.size(), lineKey.size()));
    return lineKey.startsWith(wanted) &&
           DrawTimeOf(std::u16string_view(after.utf16(), std::size_t(after.size()))) != 0;
}

} // namespace

QString DrawHistory::why(QStringView game) const
{
    if (!draws.empty())
        return {};
    if (datedLines == 0)
        return QStringLiteral("no line has a date");
    return QStringLiteral("no draw of %1").arg(game.trimmed());
}

DrawHistory ReadDrawHistory(const QByteArray &bytes, QStringView game)
{
    DrawHistory history;
    const QString wanted = GameKey(game);
    const LotteryGame *rules = LotteryGameOf(game);
    const bool digits = IsDigitGame(game);
    std::vector<Column> columns;
    const auto columnAt = [&](int at) {
        return at < int(columns.size()) ? columns[std::size_t(at)] : Column{};
    };
    const auto find = [&](Role role) {
        const auto found = std::find_if(columns.begin(), columns.end(),
                                        [role](const Column &c) { return c.role == role; });
        return found == columns.end() ? -1 : int(found - columns.begin());
    };
    std::vector<std::vector<int>> lineDraws;
    std::vector<int> numbers;
    DelimitedText text(bytes, DelimitedText::Separators::CsvOrSpaces);
    const bool spaces = text.separator() == u' ';
    TextRecord record;
    while (text.next(record)) {
        const QList<QStringView> &fields = record.fields;
        // The date: three columns a header names, or the first the line holds.
        std::optional<DateAt> date;
        const int month = find(Role::Month), day = find(Role::Day), year = find(Role::Year);
        if (month >= 0 && day >= 0 && year >= 0 && std::max({month, day, year}) < fields.size()) {
            if (const std::optional<int> key = DateKey(
                    QStringLiteral("%1/%2/%3").arg(fields[month], fields[day], fields[year])))
                date = DateAt{*key, -1, std::max({month, day, year}) + 1};
        }
        if (!date)
            date = findDate(fields, month < 0);
        if (!date) {
            // Headers and notes are skipped; the last header before the first
            // draw says what the columns hold.
            ++history.skippedLines;
            if (!spaces && history.draws.empty()) {
                if (std::optional<std::vector<Column>> header = headerOf(fields, rules))
                    columns = std::move(*header);
            }
            continue;
        }
        ++history.datedLines;
        QString lineGame;
        if (const int gameAt = find(Role::Game); !spaces && gameAt >= 0 && gameAt < fields.size())
            lineGame = fields[gameAt].toString();
        else if (date->first > 0 && hasLetter(fields[0])) {
            for (int at = 0; at < date->first; ++at)
                lineGame += fields[at].toString() + u' ';
        }
        if (!lineGame.isEmpty() && !isGame(GameKey(lineGame), wanted)) {
            ++history.skippedLines;
            continue;
        }
        // Each draw time of the line a draw, in the order they stand.
        lineDraws.clear();
        std::vector<int> times;
        std::vector<DrawShape> shapes;
        for (int at = date->end; at < fields.size(); ++at) {
            const Column column = spaces ? Column{} : columnAt(at);
            if (column.role != Role::Unnamed && column.role != Role::Numbers &&
                column.role != Role::Ball)
                continue;
            const auto time = std::find(times.begin(), times.end(), column.drawTime);
            const std::size_t draw = std::size_t(time - times.begin());
            if (time == times.end()) {
                times.push_back(column.drawTime);
                lineDraws.emplace_back();
                if (rules)
                    shapes.emplace_back(*rules, date->date);
            }
            numbers = NumbersIn(fields[at], digits);
            if (rules)
                shapes[draw].add(numbers, column.role == Role::Ball);
            else
                lineDraws[draw].insert(lineDraws[draw].end(), numbers.begin(), numbers.end());
        }
        for (std::size_t at = 0; at < shapes.size(); ++at)
            lineDraws[at] = shapes[at].isWhole() ? shapes[at].numbers() : std::vector<int>();
        std::erase_if(lineDraws, [](const std::vector<int> &draw) { return draw.empty(); });
        if (lineDraws.empty()) {
            ++history.skippedLines;
            continue;
        }
        for (const std::vector<int> &draw : lineDraws)
            history.draws.add(date->date, draw);
    }
    // No lottery draws a game more than a few times a day; a file that says
    // otherwise would have every ticket of the day checked against all.
    history.skippedLines += history.draws.keepFirstOfEachDay(maxDrawsADay);
    return history;
}
