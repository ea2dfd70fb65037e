#include "readticket.h"

#include "civildate.h"
#include "drawdatereader.h"
#include "glyphline.h"
#include "playreader.h"

#include <algorithm>
#include <map>

namespace {

// The letters and digits of a text, in capitals: "POWERBALL" for "Power Ball".
std::string folded(std::string_view text)
{
    std::string folded;
    for (const char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            folded += c;
        else if (c >= 'a' && c <= 'z')
            folded += char(c - 'a' + 'A');
    }
    return folded;
}

// The lotteries' own names for themselves, beside their states' names.
const UsState *stateOf(const std::vector<GlyphLine> &lines)
{
    struct Brand
    {
        std::string_view words;
        std::string_view code;
    };
    static constexpr Brand brands[] = {
        {"HOOSIER", "IN"},    {"NHLOTTERY", "NH"}, {"NYLOTTERY", "NY"},   {"CALOTTERY", "CA"},
        {"FLALOTTERY", "FL"}, {"TXLOTTERY", "TX"}, {"MASSLOTTERY", "MA"}, {"PALOTTERY", "PA"}};
    const UsState *found = nullptr;
    std::size_t longest = 0;
    for (const GlyphLine &line : lines) {
        const std::string words = folded(line.text());
        for (const UsState &state : UsStates()) {
            const std::string name = folded(state.name);
            if (name.size() > longest && words.find(name) != std::string::npos) {
                found = &state;
                longest = name.size();
            }
        }
        for (const Brand &brand : brands) {
            if (!found && words.find(brand.words) != std::string::npos)
                found = UsStateOf(brand.code);
        }
    }
    return found;
}

// The game a ticket is of, by what it prints: its name on a line of its
// own (a logo, a title) counts most; beside other words (an advertisement
// of another game) little; the mark beside each play's ball, and the
// game's add-on, in between.
const LotteryGame *gameOf(const std::vector<GlyphLine> &lines, std::vector<std::string> &reasons)
{
    std::map<const LotteryGame *, int> score;
    for (const GlyphLine &line : lines) {
        const std::string words = folded(line.text());
        for (const LotteryGame &game : LotteryGames()) {
            if (game.secondDrawing)
                continue;
            // Its name as words of their own, run together or not: LOTTO
            // is no name in LOTTERY.
            const std::string name = folded(game.name);
            std::string run;
            bool found = false;
            for (std::size_t first = 0; first < line.tokens().size() && !found; ++first) {
                run.clear();
                for (std::size_t at = first; at < line.tokens().size() && run.size() < name.size();
                     ++at)
                    run += line.tokens()[at].text;
                found = run == name;
            }
            if (found)
                score[&game] += words.size() <= name.size() + 3 ? 4 : 1;
        }
        if (const LotteryGame *marked = PlayReader::ballMarkOf(line))
            score[marked] += 2;
        // A logo's letters in circles, read as they come: "POWOO", "POWERD",
        // "POOWOHAD".
        if (line.tokens().size() <= 2 && !line.tokens().empty()) {
            const std::string &first = line.tokens().front().text;
            for (const auto &[start, name] :
                 {std::pair{"PO", "Powerball"}, std::pair{"MEGAM", "Mega Millions"}}) {
                const bool logo = std::string_view(start) == "PO"
                                      ? first.size() >= 5 && first.find('W') < 5
                                      : true;
                if (first.rfind(start, 0) == 0 && logo && first.find("PLAY") == std::string::npos) {
                    for (const LotteryGame &game : LotteryGames()) {
                        if (game.name == name)
                            score[&game] += 3;
                    }
                }
            }
        }
        for (const auto &[addOn, name] :
             {std::pair{"POWERPLAY", "Powerball"}, std::pair{"MEGAPLIER", "Mega Millions"}}) {
            if (words.find(addOn) != std::string::npos) {
                for (const LotteryGame &game : LotteryGames()) {
                    if (game.name == name)
                        score[&game] += 1;
                }
            }
        }
    }
    const LotteryGame *best = nullptr;
    int most = 0;
    int second = 0;
    for (const auto &[game, points] : score) {
        if (points > most) {
            second = most;
            most = points;
            best = game;
        } else {
            second = std::max(second, points);
        }
    }
    if (!best) {
        reasons.push_back("the game was not read: choose it");
        return nullptr;
    }
    if (most < 3 || most - second < 2)
        reasons.push_back("the game's name was not read plainly: " + std::string(best->name) +
                          " is a guess");
    return best;
}

bool lineSays(const GlyphLine &line, std::string_view words, std::string_view after)
{
    const std::string text = folded(line.text());
    const std::size_t at = text.find(words);
    return at != std::string::npos && text.find(after, at + words.size()) != std::string::npos;
}

// The ticket's price: "$10.00" on a line that speaks of no jackpot, prize
// or value.
std::int64_t priceOf(const std::vector<GlyphLine> &lines)
{
    for (const GlyphLine &line : lines) {
        const std::string &text = line.text();
        if (line.has("JACKPOT") || line.has("MILLION") || line.has("VALUE") || line.has("WORTH") ||
            line.has("PRIZE") || line.has("WIN"))
            continue;
        const std::size_t dollar = text.find('$');
        if (dollar == std::string::npos)
            continue;
        std::int64_t cents = 0;
        std::size_t at = dollar + 1;
        int digits = 0;
        for (; at < text.size() &&
               ((text[at] >= '0' && text[at] <= '9') || text[at] == ',' || text[at] == 'O');
             ++at) {
            if (text[at] != ',') {
                cents = cents * 10 + (text[at] == 'O' ? 0 : text[at] - '0');
                ++digits;
            }
        }
        if (digits == 0 || digits > 5)
            continue;
        // Its cents, after a point a reader may have taken for a space.
        while (at < text.size() && (text[at] == ' ' || text[at] == '.' || text[at] == '_'))
            ++at;
        int centsDigits = 0;
        std::int64_t fraction = 0;
        for (; at < text.size() && centsDigits < 2 && text[at] >= '0' && text[at] <= '9'; ++at) {
            fraction = fraction * 10 + (text[at] - '0');
            ++centsDigits;
        }
        return cents * 100 + (centsDigits == 2 ? fraction : 0);
    }
    return -1;
}

std::string money(std::int64_t cents)
{
    // Appended, not added: "$" + a temporary string warns falsely on GCC 12.
    std::string text = "$";
    text.append(std::to_string(cents / 100)).append(cents % 100 < 10 ? ".0" : ".");
    return text.append(std::to_string(cents % 100));
}

// Numbers printed in the grid a playslip is, in order one after the next.
bool isPlayslip(const std::vector<GlyphLine> &lines)
{
    int runs = 0;
    for (const GlyphLine &line : lines) {
        int inRow = 0;
        int previous = -10;
        for (const GlyphLine::Token &token : line.tokens()) {
            const bool digits =
                !token.text.empty() && std::all_of(token.text.begin(), token.text.end(),
                                                   [](char c) { return c >= '0' && c <= '9'; });
            const int value = digits && token.text.size() <= 2 ? std::stoi(token.text) : -10;
            inRow = value == previous + 1 ? inRow + 1 : 0;
            previous = value;
            if (inRow == 5) {
                ++runs;
                break;
            }
        }
    }
    return runs >= 3 ||
           (runs >= 1 && std::any_of(lines.begin(), lines.end(), [](const GlyphLine &line) {
                return line.has("PLAYSLIP") || line.has("MARK ");
            }));
}

} // namespace

bool ReadPlay::marked() const
{
    return !reasons.empty() || std::find(unsure.begin(), unsure.end(), true) != unsure.end();
}

ReadTicket ReadTicket::of(const ReadText &text)
{
    ReadTicket ticket;
    std::vector<GlyphLine> lines;
    for (const ReadText::Line &line : text.lines)
        lines.emplace_back(line);
    if (lines.empty()) {
        ticket.problem = "No text was read in the image: it shows no ticket, or too small or "
                         "blurred a one.";
        return ticket;
    }
    if (isPlayslip(lines)) {
        ticket.problem = "This is a playslip, the form a player marks, not a ticket: photograph "
                         "the ticket the store printed from it.";
        return ticket;
    }
    ticket.game = gameOf(lines, ticket.gameReasons);
    ticket.state = stateOf(lines);
    const DrawDates dates = DrawDates::read(lines, ticket.game);
    ticket.firstDraw = dates.first;
    ticket.lastDraw = dates.last;
    ticket.draws = dates.count;
    ticket.dateReasons = dates.reasons;
    for (const GlyphLine &line : lines) {
        if (std::optional<ReadPlay> play = PlayReader::read(line, ticket.game, ticket.firstDraw))
            ticket.plays.push_back(std::move(*play));
    }
    if (ticket.plays.empty()) {
        ticket.problem = ticket.game ? "No play of " + std::string(ticket.game->name) +
                                           " was read: photograph the ticket flat, in good light, "
                                           "its numbers sharp."
                                     : "No play was read: the image shows no ticket Ticketwise "
                                       "knows, or too blurred a one.";
        return ticket;
    }
    for (const GlyphLine &line : lines) {
        if (lineSays(line, "POWERPLAY", "YES"))
            ticket.powerPlay = true;
        if (lineSays(line, "MEGAPLIER", "YES"))
            ticket.megaplier = true;
        if (lineSays(line, "DOUBLEPLAY", "YES"))
            ticket.doublePlay = true;
    }
    ticket.price = priceOf(lines);
    if (ticket.game && ticket.price >= 0 && ticket.firstDraw) {
        const GameEra &era = ticket.game->eraOn(ticket.firstDraw);
        const int addOn =
            ((ticket.powerPlay || ticket.megaplier) && era.addOn ? era.addOn->price : 0) +
            (ticket.doublePlay ? 1 : 0);
        const int draws = ticket.lastDraw ? 1 : ticket.draws;
        const std::int64_t expected =
            std::int64_t(ticket.plays.size()) * (era.price + addOn) * draws * 100;
        if (era.price && expected != ticket.price)
            ticket.priceReasons.push_back(
                "the ticket cost " + money(ticket.price) + ", not what " +
                std::to_string(ticket.plays.size()) + " play(s) of " + money(era.price * 100) +
                (addOn ? " and " + money(addOn * 100) + " of add-ons" : std::string()) + " for " +
                std::to_string(draws) + " draw(s) cost, " + money(expected) +
                ": a play may be missing or read twice");
    }
    return ticket;
}

std::string ReadTicket::gameCell() const
{
    if (!game)
        return {};
    std::string cell(game->name);
    if (state)
        cell.append(" ").append(state->code);
    return cell;
}

std::string ReadTicket::dateCell() const
{
    if (!firstDraw)
        return {};
    std::string cell = CivilDate::text(firstDraw);
    if (lastDraw)
        cell += " - " + CivilDate::text(lastDraw);
    else if (draws > 1)
        cell += " x" + std::to_string(draws);
    return cell;
}

std::string ReadTicket::numbersCell(const ReadPlay &play) const
{
    std::string cell;
    const bool digits = game && game->kind == LotteryGame::Kind::Digits;
    for (const int number : play.numbers)
        cell.append(cell.empty() || digits ? "" : " ").append(std::to_string(number));
    if (play.ball >= 0)
        cell.append(" ")
            .append(game && !game->extraShort.empty() ? game->extraShort : "+")
            .append(" ")
            .append(std::to_string(play.ball));
    if (powerPlay)
        cell += " PP";
    if (megaplier)
        cell += " MP";
    if (doublePlay)
        cell += " Double Play";
    return cell;
}

bool ReadTicket::marked() const
{
    return !gameReasons.empty() || !dateReasons.empty() || !priceReasons.empty() ||
           std::any_of(plays.begin(), plays.end(),
                       [](const ReadPlay &play) { return play.marked(); });
}
