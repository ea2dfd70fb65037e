#include "drawhistory.h"

#include "delimitedtext.h"
#include "drawcheck.h"
#include "gamekey.h"
#include "gamename.h"

#include <QStringBuilder>

#include <array>

namespace {

constexpr int maxDrawsADay = 24;
// Headers stand near the top: a file of text that is no file of draws is
// not searched for one line after line.
constexpr int mostHeaderTries = 256;
constexpr int progressEvery = 4096;

enum class Role
{
    Unnamed, // a title that says nothing this reader knows: read as numbers
    Numbers,
    Date,
    Month,
    Day,
    Year,
    Game,
    Extra,      // the ball, or the bonus number, of the game checked
    Multiplier, // Power Play's or the Megaplier's, drawn with the numbers
    Second,     // another drawing's numbers beside the game's: Double Play's
    NotWinning
};

struct Column
{
    Role role = Role::Unnamed;
    int drawTime = 0;                  // DrawTimeOf its title's word, where one names a time
    const LotteryGame *game = nullptr; // the game its title names, as in "Win 4 #"
    bool positional = false;           // one number of a draw: "N1", "Ball 3"
    bool wholeDraws = false;           // its cells each hold a draw, leading zeros perhaps left out
};

std::u16string_view viewOf(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size())};
}

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

bool hasLetter(QStringView field)
{
    return std::any_of(field.cbegin(), field.cend(), [](QChar c) { return c.isLetter(); });
}

bool hasDigit(QStringView field)
{
    return std::any_of(field.cbegin(), field.cend(),
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whether the game a column or a line names is the game checked, or a more
// precise or general name of it.
bool isWanted(const LotteryGame *named, const LotteryGame *rules)
{
    return named && rules &&
           (named == rules || (!named->secondDrawing && !rules->secondDrawing &&
                               (named->family == rules->name || rules->family == named->name)));
}

// The game a title names once its draw times and the words every title of
// numbers has are set aside: "Midday Win 4 #" names Pick 4, "Evening Daily #"
// none.
const LotteryGame *gameOfTitle(QStringView title)
{
    static const QStringList common = {"winning", "numbers", "number", "num",   "nums",  "no",
                                       "result",  "results", "draw",   "drawn", "digits"};
    QString key;
    for (const QStringView word : title.split(u' ', Qt::SkipEmptyParts)) {
        const QString wordKey = folded(word).remove(u'#');
        if (wordKey.isEmpty() || common.contains(wordKey) || DrawTimeOf(viewOf(wordKey)) != 0)
            continue;
        key += wordKey;
    }
    return key.isEmpty() ? nullptr : FindLotteryGame(viewOf(key));
}

// What a header's title says of its column, whatever its spaces, case and
// marks, for the game checked.
Column columnOf(QStringView given, const LotteryGame *rules)
{
    // "double_play_winning_numbers", "Draw.Date": words apart however they
    // are joined.
    QString spaced = given.toString();
    for (QChar &character : spaced) {
        if (character == u'_' || character == u'.' || character == u'/' || character == u'|' ||
            character == u':')
            character = u' ';
    }
    const QStringView title = spaced;
    const QString key = folded(title);
    Column column;
    // "Midday Daily #", "Evening Win 4 #": the first word that names a time.
    for (const QString &word : title.toString().remove(u'-').split(u' ', Qt::SkipEmptyParts)) {
        if ((column.drawTime = DrawTimeOf(viewOf(folded(word)))))
            break;
    }
    static constexpr std::array<std::string_view, 22> notWinning = {
        "bonus",    "extra",    "megaball", "powerball", "cashball",   "luckyball",
        "starball", "fireball", "wildball", "kicker",    "booster",    "jackpot",
        "prize",    "amount",   "payout",   "winners",   "drawnumber", "draw#",
        "drawno",   "sum",      "total",    "sales"};
    static constexpr std::array<std::string_view, 3> multipliers = {"multiplier", "megaplier",
                                                                    "powerplay"};
    const bool numbersTitle = has(key, "number") || has(key, "winning");
    if (key == u"month")
        column.role = Role::Month;
    else if (key == u"day")
        column.role = Role::Day;
    else if (key == u"year")
        column.role = Role::Year;
    else if (key == u"game" || key == u"gamename")
        column.role = Role::Game;
    else if (rules && rules->hasExtra() && !numbersTitle &&
             (has(key, rules->extraTitle) || (rules->hasBall() && key == u"ball")))
        column.role = Role::Extra;
    else if (std::any_of(multipliers.begin(), multipliers.end(),
                         [&](std::string_view word) { return has(key, word); }))
        column.role = Role::Multiplier;
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
    if (column.role == Role::Unnamed || column.role == Role::Numbers) {
        column.game = gameOfTitle(title);
        if (column.game)
            column.role = Role::Numbers;
        column.positional = !column.game && !key.isEmpty() && key.back().isDigit();
        column.wholeDraws = column.role == Role::Numbers && !column.positional;
    }
    return column;
}

// A line of titles: two or more, each with a letter, one at least that this
// reader knows. A title line or a line of dashes above it is none.
std::optional<std::vector<Column>> headerOf(const QList<QStringView> &fields,
                                            const LotteryGame *rules, int drawTime)
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
    const auto holds = [&](Role role) {
        return std::any_of(columns.begin(), columns.end(),
                           [role](const Column &c) { return c.role == role; });
    };
    const auto isNumbers = [](const Column &c) {
        return c.role == Role::Numbers || c.role == Role::Unnamed;
    };
    // A Day without a Month and a Year is a draw time, as in Morning, Day,
    // Evening and Night.
    if (!holds(Role::Month) || !holds(Role::Year)) {
        for (Column &column : columns) {
            if (column.role == Role::Day)
                column = {Role::Numbers, DrawTimeOf(u"day"), nullptr, false, true};
        }
    }
    // Where titles name the game checked, its columns alone are its; where
    // they name only others, the columns that name none are its.
    const bool ownNamed = std::any_of(columns.begin(), columns.end(), [&](const Column &c) {
        return isNumbers(c) && isWanted(c.game, rules);
    });
    for (Column &column : columns) {
        if (!isNumbers(column))
            continue;
        // A game of one draw time has no draws of another.
        const bool otherTime = drawTime != 0 && column.drawTime != 0 && column.drawTime != drawTime;
        const bool own = column.game ? isWanted(column.game, rules) : !ownNamed;
        // Double Play's numbers beside Powerball's: its own drawing's.
        const bool second = column.game && column.game->secondDrawing && rules &&
                            column.game->family == rules->name;
        if (second)
            column.role = Role::Second;
        else if (!own || otherTime)
            column.role = Role::NotWinning;
    }
    return columns;
}

char16_t asciiLower(QChar character)
{
    const char16_t unit = character.unicode();
    return unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit;
}

// Whether word, whatever its case, begins the English name: "Nov" of
// "november". No text is made: a file of prose asks this of every word.
bool abbreviates(QStringView word, std::string_view name)
{
    if (word.size() > qsizetype(name.size()))
        return false;
    for (qsizetype letter = 0; letter < word.size(); ++letter) {
        if (asciiLower(word[letter]) != char16_t(name[std::size_t(letter)]))
            return false;
    }
    return true;
}

// A month's English name, whole or short, from 1; 0 for none.
int monthOf(QStringView word)
{
    static constexpr std::array<std::string_view, 12> months = {
        "january", "february", "march",     "april",   "may",      "june",
        "july",    "august",   "september", "october", "november", "december"};
    if (word.size() < 3 || word.size() > 9)
        return 0;
    for (std::size_t at = 0; at < months.size(); ++at) {
        if (abbreviates(word, months[at]))
            return int(at) + 1;
    }
    return word.size() == 4 && abbreviates(word, "sept") ? 9 : 0;
}

bool isWeekday(QStringView word)
{
    static constexpr std::array<std::string_view, 7> days = {
        "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};
    if (word.size() < 2 || word.size() > 9)
        return false;
    return std::any_of(days.begin(), days.end(),
                       [&](std::string_view day) { return abbreviates(word, day); });
}

// The leading letters of a field: "Sat." is "Sat", "Nov" is "Nov".
QStringView letters(QStringView field)
{
    qsizetype end = 0;
    while (end < field.size() && field[end].isLetter())
        ++end;
    return field.first(end);
}

// "Nov 28, 2026", "November 28 2026", "Sat. Nov 28, 2026", "28 Nov 2026",
// "7-Oct-2015", "07-OCT-15": words and numbers alone, of the fields from
// first on; the date and the field it ends with.
std::optional<std::pair<int, int>> namedMonthDate(const QList<QStringView> &fields, int first)
{
    std::array<QStringView, 5> words;
    int count = 0;
    bool dashed = false;
    for (int field = first; field < std::min(first + 4, int(fields.size())); ++field) {
        const QStringView text = fields[field];
        qsizetype at = 0;
        while (at < text.size()) {
            if (!text[at].isLetterOrNumber()) {
                if (!QStringView(u" ,.-").contains(text[at]))
                    return std::nullopt;
                dashed = dashed || text[at] == u'-';
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
                !digit && count > 0 && words[count - 1].front().isDigit() && start > 0 &&
                text[start - 1].isDigit() && word.size() == 2 &&
                QStringList({"st", "nd", "rd", "th"}).contains(word.toString().toLower());
            if (ordinal)
                continue;
            if (count == int(words.size()))
                return std::nullopt;
            words[count++] = word;
        }
        int skip = count > 0 && isWeekday(words[0]) && monthOf(words[0]) == 0 ? 1 : 0;
        if (count - skip != 3)
            continue;
        int month = monthOf(words[skip]);
        QStringView day = words[skip + 1];
        if (month == 0) {
            month = monthOf(words[skip + 1]);
            day = words[skip];
        }
        const QStringView year = words[skip + 2];
        if (month == 0 || !day.front().isDigit() || day.size() > 2 || !year.front().isDigit() ||
            (year.size() != 4 && !(dashed && year.size() == 2)))
            return std::nullopt;
        const QString date = QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year);
        if (const std::optional<int> key = DateKey(date))
            return std::pair{*key, field};
        return std::nullopt;
    }
    return std::nullopt;
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

// Whether a month's name may begin at the field: a weekday or a month, or a
// day's number before a month.
bool mayBeginNamedDate(const QList<QStringView> &fields, int at)
{
    const QStringView word = letters(fields[at]);
    if (!word.isEmpty())
        return monthOf(word) != 0 || isWeekday(word);
    const QStringView field = fields[at].trimmed();
    if (field.isEmpty() || !isAsciiDigit(field.front()))
        return false;
    // "7-Oct-2015" in one field, "28 Nov 2026" in three.
    qsizetype digits = 0;
    while (digits < field.size() && isAsciiDigit(field[digits]))
        ++digits;
    if (digits > 2)
        return false;
    if (digits < field.size())
        return field[digits] == u'-' && monthOf(letters(field.sliced(digits + 1))) != 0;
    return at + 1 < fields.size() && monthOf(letters(fields[at + 1].trimmed())) != 0;
}

// The first date of a line, and the fields it takes.
std::optional<DateAt> findDate(const QList<QStringView> &fields, bool threeFields)
{
    for (int at = 0; at < fields.size(); ++at) {
        if (hasDigit(fields[at])) {
            if (const std::optional<int> date = DateKey(fields[at]))
                return DateAt{*date, at, at + 1};
        }
        if (mayBeginNamedDate(fields, at)) {
            if (const auto date = namedMonthDate(fields, at))
                return DateAt{date->first, at, date->second + 1};
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
// number must be in the game's ranges of the draw's day. A number before
// the draw that does not fit is left out; one that does not fit once the
// draw has begun leaves no draw, so that the numbers after it never take
// its place.
class DrawShape
{
public:
    DrawShape(const LotteryGame &rules, int date) : m_rules(rules), m_date(date) {}

    void add(const std::vector<int> &cell, bool extraCell)
    {
        const int count = m_rules.count;
        if (cell.empty() || m_broken)
            return;
        if (extraCell) {
            if (cell.size() == 1 && m_extra < 0 && fits(cell[0], true))
                m_extra = cell[0];
            return;
        }
        if (cell.size() == 1) {
            if (int(m_whites.size()) < count) {
                if (fits(cell[0], false))
                    m_whites.push_back(cell[0]);
                else
                    m_broken = !m_whites.empty();
            } else if (m_rules.hasBall() && !m_extraTried) {
                // The number after the five is the ball, or there is none: a
                // multiplier after it is not taken in its place.
                m_extraTried = true;
                if (m_extra < 0 && fits(cell[0], true))
                    m_extra = cell[0];
            } else if (m_rules.hasBall() && m_extra >= 0 && !m_multiplierTried) {
                // After the ball, Power Play's or the Megaplier's, as Texas'
                // files give them.
                m_multiplierTried = true;
                m_multiplier = cell[0];
            }
            return;
        }
        const bool withBall = m_rules.hasBall() && int(cell.size()) == count + 1;
        if (!m_whites.empty() || (int(cell.size()) != count && !withBall) ||
            (withBall && m_extra >= 0))
            return;
        for (int at = 0; at < count; ++at) {
            if (!fits(cell[std::size_t(at)], false)) {
                m_broken = true;
                return;
            }
        }
        if (withBall && !fits(cell.back(), true)) {
            m_broken = true;
            return;
        }
        m_whites.assign(cell.begin(), cell.begin() + count);
        if (withBall)
            m_extra = cell.back();
    }
    int multiplier() const { return m_multiplier; }
    bool isWhole() const
    {
        return !m_broken && int(m_whites.size()) == m_rules.count &&
               (!m_rules.hasBall() || m_extra >= 0);
    }
    std::vector<int> numbers() const
    {
        std::vector<int> numbers = m_whites;
        if (m_extra >= 0)
            numbers.push_back(m_extra);
        return numbers;
    }

private:
    bool fits(int number, bool extra) const { return m_rules.fits(number, m_date, extra); }

    const LotteryGame &m_rules;
    int m_date;
    std::vector<int> m_whites;
    int m_extra = -1;
    bool m_extraTried = false;
    int m_multiplier = 0;
    bool m_multiplierTried = false;
    bool m_broken = false;
};

// Whether a line's name is of the game checked, asked once for each name:
// the lines of a file name few games, many times.
class GameOfLines
{
public:
    explicit GameOfLines(const QString &wanted) : m_wanted(wanted) {}

    // Names a game at all: a game of the table, or the game checked.
    bool isGame(QStringView name) { return verdict(name).isGame; }
    bool isWanted(QStringView name) { return verdict(name).wanted; }
    bool isTableGame(QStringView name) { return verdict(name).tableGame; }
    // The draw time a field names alone ("Midday"), or 0.
    int timeOf(QStringView name) { return verdict(name).drawTime; }

private:
    struct Verdict
    {
        QString name;
        bool isGame;
        bool wanted;
        bool tableGame;
        int drawTime;
    };
    const Verdict &verdict(QStringView name)
    {
        for (const Verdict &known : m_known) {
            if (known.name == name)
                return known;
        }
        if (m_known.size() == 16)
            m_known.erase(m_known.begin());
        const QString key = GameKey(name);
        const GameName line(viewOf(key));
        const GameName wanted(viewOf(m_wanted));
        const bool wantedSame = line.holdsDrawsOf(wanted);
        m_known.push_back({name.toString(), line.game != nullptr || wantedSame, wantedSame,
                           line.game != nullptr, DrawTimeOf(viewOf(key))});
        return m_known.back();
    }

    QString m_wanted;
    std::vector<Verdict> m_known;
};

// A line's words before its date, unless they say no more than a draw
// time or a weekday.
QString nameBefore(const QList<QStringView> &fields, int dateAt)
{
    QString name;
    bool named = false;
    for (int at = 0; at < dateAt; ++at) {
        for (const QStringView word : fields[at].split(u' ', Qt::SkipEmptyParts)) {
            const QStringView plain = letters(word);
            named = named || !(plain.size() == word.size() - (word.endsWith(u'.') ? 1 : 0) &&
                               (isWeekday(plain) || DrawTimeOf(viewOf(folded(plain))) != 0));
        }
        name += fields[at];
        name += u' ';
    }
    return named ? name : QString();
}

// A hash of a line's fields, for telling a line from a repeat of it.
std::uint32_t hashOf(const QList<QStringView> &fields)
{
    std::uint32_t hash = 2166136261u;
    for (const QStringView field : fields) {
        for (const QChar character : field)
            hash = (hash ^ character.unicode()) * 16777619u;
        hash = (hash ^ 0x1Fu) * 16777619u;
    }
    return hash;
}

} // namespace

QString DrawHistory::why(QStringView game) const
{
    if (!draws.empty())
        return {};
    if (datedLines == 0)
        return QStringLiteral("no line has a date");
    if (!otherGame.isEmpty())
        return QStringLiteral("lines name %1").arg(otherGame);
    return QStringLiteral("no draw of %1").arg(game.trimmed());
}

DrawHistory ReadDrawHistory(const QByteArray &bytes, QStringView game,
                            const std::function<bool(qsizetype, qsizetype)> &progress)
{
    DrawHistory history;
    const QString wanted = GameKey(game);
    const GameName wantedName(viewOf(wanted));
    const LotteryGame *rules = wantedName.game;
    const int wantedTime = wantedName.drawTime;
    const bool digits = rules && rules->kind == LotteryGame::Kind::Digits;
    GameOfLines games(wanted);
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
    std::vector<int> times;
    std::vector<DrawShape> shapes;
    std::vector<int> numbers;
    std::vector<int> second;
    DelimitedText text(bytes, DelimitedText::Separators::CsvOrSpaces);
    const bool spaces = text.separator() == u' ';
    TextRecord record;
    int headerTries = 0;
    int records = 0;
    while (text.next(record)) {
        if (progress && ++records % progressEvery == 0 && !progress(text.position(), text.size())) {
            history.cancelled = true;
            return history;
        }
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
            if (!spaces && history.draws.empty() && headerTries++ < mostHeaderTries) {
                if (std::optional<std::vector<Column>> header = headerOf(fields, rules, wantedTime))
                    columns = std::move(*header);
            }
            continue;
        }
        ++history.datedLines;
        // The line's game: a Game column, its words before the date, or a
        // game's name after it ("12/01/2026,Pick 3,3,7,1"), whose fields are
        // then no numbers.
        QString lineGame;
        int lineTime = 0;
        int nameAt = -1;
        int nameEnd = -1;
        if (const int gameAt = find(Role::Game); !spaces && gameAt >= 0 && gameAt < fields.size())
            lineGame = fields[gameAt].toString();
        else if (date->first > 0 && hasLetter(fields[0]))
            lineGame = nameBefore(fields, date->first);
        if (lineGame.isEmpty()) {
            for (int at = date->end; at < fields.size() && nameAt < 0; ++at) {
                const Column column = spaces ? Column{} : columnAt(at);
                if (column.role == Role::NotWinning || column.role == Role::Extra ||
                    !hasLetter(fields[at]))
                    continue;
                // "12/01/2026,Midday,3-7-1": the line's draw time.
                if (const int time = games.timeOf(fields[at]); time != 0) {
                    lineTime = time;
                    continue;
                }
                // "Pick" "3" where spaces part the fields.
                const bool joined = at + 1 < fields.size() && isWholeNumber(fields[at + 1], 2) &&
                                    !hasDigit(fields[at]);
                const QString name =
                    joined ? fields[at] % u' ' % fields[at + 1] : fields[at].toString();
                if (games.isGame(name)) {
                    lineGame = name;
                    nameAt = at;
                    nameEnd = at + (joined ? 2 : 1);
                } else if (joined && games.isGame(fields[at])) {
                    lineGame = fields[at].toString();
                    nameAt = at;
                    nameEnd = at + 1;
                }
            }
        }
        if (wantedTime != 0 && lineTime != 0 && lineTime != wantedTime) {
            ++history.skippedLines;
            continue;
        }
        if (!lineGame.isEmpty() && !games.isWanted(lineGame)) {
            ++history.skippedLines;
            if (history.otherGame.isEmpty() && games.isTableGame(lineGame))
                history.otherGame = lineGame.trimmed();
            continue;
        }
        // Each draw time of the line a draw, in the order they stand; the
        // multiplier and a second drawing's numbers with them.
        lineDraws.clear();
        times.clear();
        shapes.clear();
        int lineMultiplier = 0;
        second.clear();
        for (int at = date->end; at < fields.size(); ++at) {
            if (at >= nameAt && at < nameEnd)
                continue;
            const Column column = spaces ? Column{} : columnAt(at);
            if (column.role == Role::Multiplier) {
                ReadNumbersIn(fields[at], false, numbers);
                lineMultiplier = numbers.empty() ? 0 : numbers.front();
                continue;
            }
            if (column.role == Role::Second && rules) {
                ReadNumbersIn(fields[at], false, numbers);
                DrawShape secondShape(*rules, date->date);
                secondShape.add(numbers, false);
                second = secondShape.isWhole() ? secondShape.numbers() : std::vector<int>();
                continue;
            }
            if (column.role != Role::Unnamed && column.role != Role::Numbers &&
                column.role != Role::Extra)
                continue;
            const auto time = std::find(times.begin(), times.end(), column.drawTime);
            const std::size_t draw = std::size_t(time - times.begin());
            if (time == times.end()) {
                times.push_back(column.drawTime);
                lineDraws.emplace_back();
                if (rules)
                    shapes.emplace_back(*rules, date->date);
            }
            const QStringView field = fields[at].trimmed();
            // "84" for 0-8-4: a draw whose leading zeros were left out.
            if (digits && column.wholeDraws && !field.isEmpty() && field.size() < rules->count &&
                std::all_of(field.begin(), field.end(), isAsciiDigit)) {
                numbers.assign(std::size_t(rules->count - field.size()), 0);
                for (const QChar digit : field)
                    numbers.push_back(digit.unicode() - u'0');
            } else {
                ReadNumbersIn(field, digits, numbers);
            }
            if (rules)
                shapes[draw].add(numbers, column.role == Role::Extra);
            else
                lineDraws[draw].insert(lineDraws[draw].end(), numbers.begin(), numbers.end());
        }
        for (std::size_t at = 0; at < shapes.size(); ++at) {
            lineDraws[at] = shapes[at].isWhole() ? shapes[at].numbers() : std::vector<int>();
            if (lineMultiplier == 0)
                lineMultiplier = shapes[at].multiplier();
        }
        std::erase_if(lineDraws, [](const std::vector<int> &draw) { return draw.empty(); });
        if (lineDraws.empty()) {
            ++history.skippedLines;
            continue;
        }
        // Each draw's origin its line and its place there; the first of a
        // line marked, so that a line repeated is counted once.
        const std::uint32_t line = hashOf(fields);
        for (std::size_t at = 0; at < lineDraws.size(); ++at)
            history.draws.add(date->date, lineDraws[at],
                              ((line + std::uint32_t(at) * 2654435761u) & ~1u) | (at == 0 ? 1 : 0),
                              lineMultiplier, second);
    }
    // No lottery draws a game more than a few times a day; a file that says
    // otherwise would have every ticket of the day checked against all. A
    // line given twice is one draw.
    const DrawList::Dropped dropped = history.draws.keepFirstOfEachDay(maxDrawsADay);
    history.skippedLines += dropped.repeatedLines + dropped.pastMost;
    return history;
}
