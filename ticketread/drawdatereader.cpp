#include "drawdatereader.h"

#include "civildate.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 12> months = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::array<std::string_view, 7> weekdays = {"MON", "TUE", "WED", "THU",
                                                      "FRI", "SAT", "SUN"};

// A word of a line, a run of letters or of digits: "JUN30" is two.
struct Part
{
    std::string text;
    bool number = false;
    int value = 0;
    bool plain = true;
    char before = ' ';
};

int indexOf(std::string_view text, std::span<const std::string_view> names)
{
    for (std::size_t at = 0; at < names.size(); ++at) {
        if (text.size() >= 3 && text.substr(0, 3) == names[at])
            return int(at);
    }
    return -1;
}

std::vector<Part> partsOf(const GlyphLine &line)
{
    std::vector<Part> parts;
    for (const GlyphLine::Token &token : line.tokens()) {
        std::string_view text = token.text;
        char before = token.before;
        // A month or weekday run into its day: "JUN30", "SAT01".
        if (text.size() > 3 && (indexOf(text, months) >= 0 || indexOf(text, weekdays) >= 0) &&
            (std::isdigit(static_cast<unsigned char>(text[3])) || text[3] == 'O')) {
            parts.push_back({std::string(text.substr(0, 3)), false, 0, true, before});
            text.remove_prefix(3);
            before = ' ';
        }
        Part part{std::string(text), false, 0, true, before};
        bool digit = false;
        bool number = !text.empty() && text.size() <= 4;
        for (std::size_t at = 0; number && at < text.size(); ++at) {
            const char c = text[at];
            const std::size_t glyph = token.from + (token.text.size() - text.size()) + at;
            const GlyphLine::Glyph &read = line.glyphs()[glyph];
            int value = -1;
            if (c >= '0' && c <= '9') {
                value = c - '0';
                digit = true;
            } else if (c == 'O' || c == 'D' || c == 'Q') {
                value = 0;
            } else if (c == 'I' || (c == 'L' && read.c == U'l')) {
                value = 1;
            }
            number = value >= 0;
            part.value = part.value * 10 + std::max(value, 0);
            part.plain = part.plain && read.sureness >= 0.75f && !read.doubtful;
        }
        part.number = number && digit;
        parts.push_back(std::move(part));
    }
    return parts;
}

struct Found
{
    int date = 0;
    bool plain = true;
    int weekday = -1; // as printed, Monday 0
    bool draw = false;
    bool sale = false;
    bool thru = false; // after "THRU" on its line
};

int yearOf(const Part &part)
{
    if (part.text.size() == 2)
        return 2000 + part.value;
    return part.text.size() == 4 ? part.value : 0;
}

bool valid(int year, int month, int day)
{
    if (year < 1980 || year > 2100 || month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    const int date = year * 10000 + month * 100 + day;
    return CivilDate::dateOf(CivilDate::daysOf(date)) == date;
}

std::string dayText(int date)
{
    return CivilDate::text(date);
}

} // namespace

DrawDates DrawDates::read(const std::vector<GlyphLine> &lines, const LotteryGame *game)
{
    DrawDates dates;
    std::vector<Found> found;
    for (const GlyphLine &line : lines) {
        const std::vector<Part> parts = partsOf(line);
        const std::size_t ofLine = found.size();
        bool draw = false;
        bool sale = false;
        bool thru = false;
        for (std::size_t at = 0; at < parts.size(); ++at) {
            const std::string &word = parts[at].text;
            if (word == "DRAW" || word == "DRAWS") {
                draw = true;
                if (at > 0 && parts[at - 1].number)
                    dates.count = std::max(dates.count, parts[at - 1].value);
            }
            if (word == "THRU" || word == "THROUGH") {
                draw = true;
                thru = true;
            }
            if (word == "SOLD" || word == "TERMINAL" || word == "PURCHASED" || word == "ISSUED" ||
                word == "RETAILER" || (parts[at].before == ':' && parts[at].number))
                sale = true;
            // A month's name, its day and year: "Apr 01 17", "Jun 30 2018".
            if (const int month = indexOf(word, months);
                !parts[at].number && month >= 0 && at + 2 < parts.size() && parts[at + 1].number &&
                parts[at + 2].number) {
                const int year = yearOf(parts[at + 2]);
                if (valid(year, month + 1, parts[at + 1].value)) {
                    Found date;
                    date.date = year * 10000 + (month + 1) * 100 + parts[at + 1].value;
                    date.plain = parts[at + 1].plain && parts[at + 2].plain;
                    date.weekday = at > 0 && !parts[at - 1].number
                                       ? indexOf(parts[at - 1].text, weekdays)
                                       : -1;
                    date.thru = thru;
                    found.push_back(date);
                }
            }
            // 06/30/2018, 06/30/18.
            if (parts[at].number && at + 2 < parts.size() && parts[at + 1].before == '/' &&
                parts[at + 2].before == '/' && parts[at + 1].number && parts[at + 2].number) {
                const int year = yearOf(parts[at + 2]);
                if (valid(year, parts[at].value, parts[at + 1].value)) {
                    Found date;
                    date.date = year * 10000 + parts[at].value * 100 + parts[at + 1].value;
                    date.plain = parts[at].plain && parts[at + 1].plain && parts[at + 2].plain;
                    date.thru = thru;
                    found.push_back(date);
                }
            }
        }
        // The line's words tell its days: a draw's, or the sale's.
        for (std::size_t at = ofLine; at < found.size(); ++at) {
            found[at].draw = draw;
            found[at].sale = sale && !draw;
        }
    }
    const auto pick = [&](auto keep) {
        std::vector<Found> kept;
        std::copy_if(found.begin(), found.end(), std::back_inserter(kept), keep);
        return kept;
    };
    std::vector<Found> chosen = pick([](const Found &date) { return date.draw; });
    const bool onDrawLine = !chosen.empty();
    if (chosen.empty())
        chosen = pick([](const Found &date) { return !date.sale; });
    if (chosen.empty()) {
        dates.reasons.push_back("the day of the draw was not read");
        return dates;
    }
    const auto first =
        std::min_element(chosen.begin(), chosen.end(),
                         [](const Found &a, const Found &b) { return a.date < b.date; });
    dates.first = first->date;
    for (const Found &date : chosen) {
        if (date.thru && date.date > dates.first)
            dates.last = std::max(dates.last, date.date);
    }
    if (dates.last)
        dates.count = 1;
    if (!first->plain)
        dates.reasons.push_back("the day " + dayText(dates.first) + " was not read plainly");
    if (!onDrawLine && chosen.size() > 1)
        dates.reasons.push_back("the day " + dayText(dates.first) +
                                " was read from a line that names no draw");
    const int weekday = CivilDate::weekday(dates.first) - 1;
    if (first->weekday >= 0 && first->weekday != weekday)
        dates.reasons.push_back("the ticket prints " + std::string(weekdays[first->weekday]) +
                                " beside " + dayText(dates.first) + ", which is a " +
                                std::string(weekdays[weekday]));
    if (game) {
        const int days = game->eraOn(dates.first).drawDays;
        if (days && !(days & (1 << weekday)))
            dates.reasons.push_back(std::string(game->name) + " draws on no " +
                                    std::string(weekdays[weekday]) + ": " + dayText(dates.first) +
                                    " is not the day of a draw");
    }
    return dates;
}
