#include "drawfields.h"

#include "datekey.h"

#include <algorithm>

namespace DrawFields {

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

namespace {

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

} // namespace

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

namespace {

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

} // namespace

bool isWholeNumber(QStringView field, int mostDigits)
{
    field = field.trimmed();
    return !field.isEmpty() && field.size() <= mostDigits &&
           std::all_of(field.begin(), field.end(), [](QChar c) { return c.isDigit(); });
}

namespace {

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

} // namespace

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

} // namespace DrawFields
