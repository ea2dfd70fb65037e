#include "drawcolumns.h"

#include "drawfields.h"
#include "gamename.h"

#include <QStringList>

#include <algorithm>

namespace DrawColumns {

using namespace DrawFields;

namespace {

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

} // namespace

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

} // namespace DrawColumns
