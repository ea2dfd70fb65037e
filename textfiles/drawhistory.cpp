#include "drawhistory.h"

#include "delimitedtext.h"

#include <QHash>

#include <array>

namespace {

constexpr int maxDrawsADay = 24;

enum class Role
{
    Numbers,
    Month,
    Day,
    Year,
    Game,
    NotWinning
};

// What a header's title says of its column, whatever its spaces, case and
// marks.
Role roleOf(QStringView title)
{
    QString key;
    for (const QChar character : title) {
        if (character.isLetterOrNumber())
            key += character.toCaseFolded();
    }
    if (key == u"month")
        return Role::Month;
    if (key == u"day")
        return Role::Day;
    if (key == u"year")
        return Role::Year;
    if (key == u"game")
        return Role::Game;
    static const std::array<QLatin1StringView, 16> notWinning = {
        QLatin1StringView("multiplier"), QLatin1StringView("megaplier"),
        QLatin1StringView("powerplay"),  QLatin1StringView("bonus"),
        QLatin1StringView("extra"),      QLatin1StringView("megaball"),
        QLatin1StringView("powerball"),  QLatin1StringView("cashball"),
        QLatin1StringView("luckyball"),  QLatin1StringView("starball"),
        QLatin1StringView("fireball"),   QLatin1StringView("kicker"),
        QLatin1StringView("jackpot"),    QLatin1StringView("prize"),
        QLatin1StringView("drawnumber"), QLatin1StringView("winners")};
    for (const QLatin1StringView word : notWinning) {
        if (key.contains(word))
            return Role::NotWinning;
    }
    return Role::Numbers;
}

bool hasLetter(QStringView field)
{
    return std::any_of(field.cbegin(), field.cend(), [](QChar c) { return c.isLetter(); });
}

} // namespace

DrawHistory ReadDrawHistory(const QByteArray &bytes, QStringView game)
{
    DrawHistory history;
    const QString wanted = GameKey(game);
    const bool digits = IsDigitGame(game);
    std::vector<Role> roles;
    const auto roleAt = [&](int at) {
        return at < int(roles.size()) ? roles[std::size_t(at)] : Role::Numbers;
    };
    const auto columnOf = [&](Role role) {
        const auto found = std::find(roles.begin(), roles.end(), role);
        return found == roles.end() ? -1 : int(found - roles.begin());
    };
    QHash<int, int> drawsOn;
    DelimitedText text(bytes, DelimitedText::Separators::CsvOrSpaces);
    TextRecord record;
    while (text.next(record)) {
        const QList<QStringView> &fields = record.fields;
        // The date: three columns of a header, or the first field read as one.
        std::optional<int> date;
        int dateAt = -1;
        const int month = columnOf(Role::Month), day = columnOf(Role::Day),
                  year = columnOf(Role::Year);
        if (month >= 0 && day >= 0 && year >= 0 && std::max({month, day, year}) < fields.size()) {
            date =
                DateKey(QStringLiteral("%1/%2/%3").arg(fields[month], fields[day], fields[year]));
        }
        for (int at = 0; !date && at < fields.size(); ++at) {
            if ((date = DateKey(fields[at])))
                dateAt = at;
        }
        if (!date) {
            // Headers and notes are skipped; the last header before the first
            // draw says what the columns hold.
            ++history.skippedLines;
            std::vector<Role> named;
            for (const QStringView field : fields)
                named.push_back(roleOf(field));
            if (history.draws.empty() && std::any_of(fields.cbegin(), fields.cend(), hasLetter) &&
                std::any_of(named.begin(), named.end(), [](Role r) { return r != Role::Numbers; }))
                roles = std::move(named);
            continue;
        }
        QString lineGame;
        if (const int gameAt = columnOf(Role::Game); gameAt >= 0 && gameAt < fields.size())
            lineGame = fields[gameAt].toString();
        else if (dateAt > 0 && hasLetter(fields[0])) {
            for (int at = 0; at < dateAt; ++at)
                lineGame += fields[at].toString() + u' ';
        }
        std::vector<int> numbers;
        for (int at = dateAt + 1; at < fields.size(); ++at) {
            if (roleAt(at) == Role::Numbers) {
                const std::vector<int> more = NumbersIn(fields[at], digits);
                numbers.insert(numbers.end(), more.begin(), more.end());
            }
        }
        if ((!lineGame.isEmpty() && GameKey(lineGame) != wanted) || numbers.empty()) {
            ++history.skippedLines;
            continue;
        }
        // No lottery draws a game more than a few times a day; a file that says
        // otherwise would have every ticket of the day checked against all.
        if (++drawsOn[*date] > maxDrawsADay) {
            ++history.skippedLines;
            continue;
        }
        history.draws.push_back({*date, std::move(numbers), record.line});
    }
    return history;
}
