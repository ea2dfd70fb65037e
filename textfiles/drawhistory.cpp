#include "drawhistory.h"

#include "delimitedtext.h"
#include "drawcheck.h"
#include "drawcolumns.h"
#include "drawfields.h"
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

using namespace DrawColumns;
using namespace DrawFields;

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
