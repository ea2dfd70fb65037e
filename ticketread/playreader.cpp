#include "playreader.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// A character read with less sureness than this is no plain reading.
constexpr float plainSureness = 0.75f;

struct Digit
{
    int value;
    bool plain; // one a ticket's digit could not be mistaken for
};

// The digit a character read in a number stands for: a letter O is a 0
// and a lower-case l a 1 on every ticket; S, Z, G, T, B are nearer other
// digits too.
std::optional<Digit> digitOf(char32_t c)
{
    if (c >= U'0' && c <= U'9')
        return Digit{int(c - U'0'), true};
    switch (c) {
    case U'O':
    case U'o':
    case U'Q':
    case U'D':
        return Digit{0, true};
    case U'l':
    case U'I':
    case U'i':
        return Digit{1, true};
    case U'Z':
    case U'z':
        return Digit{2, false};
    case U'S':
    case U's':
        return Digit{5, false};
    case U'G':
    case U'b':
        return Digit{6, false};
    case U'T':
        return Digit{7, false};
    case U'B':
        return Digit{8, false};
    case U'g':
    case U'q':
        return Digit{9, false};
    default:
        return std::nullopt;
    }
}

struct Number
{
    int value = 0;
    bool plain = true;
    std::string how; // what was read, where it was not plainly the number
    TextBox box;
    std::size_t token = 0;
    bool starred = false; // "*24": the ball
};

// A token of one or two characters, each a digit or one a reader takes for
// it, at least one a digit or an O, read from glyphs from to to.
std::optional<Number> numberOf(const GlyphLine &line, std::size_t from, std::size_t to)
{
    // A ticket's slashed zero read twice, "O09" for 09: no number has three
    // digits, and no other reading keeps the two.
    if (to - from == 3 && (line.glyphs()[from].c == U'O' || line.glyphs()[from].c == U'0') &&
        line.glyphs()[from + 1].c == U'0')
        ++from;
    if (to - from < 1 || to - from > 2)
        return std::nullopt;
    Number number;
    std::u32string read;
    bool digit = false;
    for (std::size_t at = from; at < to; ++at) {
        const GlyphLine::Glyph &glyph = line.glyphs()[at];
        const std::optional<Digit> d = digitOf(glyph.c);
        if (!d)
            return std::nullopt;
        digit = digit || (glyph.c >= U'0' && glyph.c <= U'9') || glyph.c == U'O';
        number.value = number.value * 10 + d->value;
        number.plain =
            number.plain && d->plain && glyph.sureness >= plainSureness && !glyph.doubtful;
        read += glyph.c;
        number.box = number.box.united(glyph.box);
    }
    if (!digit)
        return std::nullopt;
    if (!number.plain)
        for (const char32_t c : read)
            number.how += c < 0x80 ? char(c) : '?';
    return number;
}

bool isOneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::string ordinal(std::size_t place)
{
    static constexpr std::array<std::string_view, 6> names = {"1st", "2nd", "3rd",
                                                              "4th", "5th", "6th"};
    return place < names.size() ? std::string(names[place]) : std::to_string(place + 1) + "th";
}

std::string gameName(const LotteryGame &game)
{
    return std::string(game.name);
}

// The game whose ball a word marks: "PB" Powerball's.
const LotteryGame *ballMarked(std::string_view word)
{
    for (const LotteryGame &game : LotteryGames()) {
        if (game.hasBall() && !game.secondDrawing && !game.extraShort.empty() &&
            word == game.extraShort)
            return &game;
    }
    return nullptr;
}

} // namespace

const LotteryGame *PlayReader::ballMarkOf(const GlyphLine &line)
{
    for (const GlyphLine::Token &token : line.tokens()) {
        if (const LotteryGame *game = ballMarked(token.text))
            return game;
    }
    return nullptr;
}

std::optional<ReadPlay> PlayReader::read(const GlyphLine &line, const LotteryGame *game,
                                         int drawDate)
{
    ReadPlay play;
    std::vector<Number> numbers;
    std::ptrdiff_t ballAt = -1; // the place among numbers where the ball is
    int words = 0;              // words that are no part of a play
    const std::vector<GlyphLine::Token> &tokens = line.tokens();
    for (std::size_t at = 0; at < tokens.size(); ++at) {
        const GlyphLine::Token &token = tokens[at];
        const std::string &text = token.text;
        // A day, a time, a price: no play's line.
        if (token.before == '/' || token.before == '$' ||
            (token.before == ':' && at > 0 &&
             numberOf(line, tokens[at - 1].from, tokens[at - 1].to)))
            return std::nullopt;
        if (isOneOf(text, {"QP", "QUICK", "PICK", "QUICKPICK"})) {
            play.quickPick = true;
            continue;
        }
        if (const LotteryGame *marked = ballMarked(text)) {
            game = game ? game : marked;
            ballAt = std::ptrdiff_t(numbers.size());
            continue;
        }
        if (isOneOf(text, {"POWERBALL", "MEGABALL", "BALL", "BONUS"})) {
            ballAt = std::ptrdiff_t(numbers.size());
            continue;
        }
        std::optional<Number> number = numberOf(line, token.from, token.to);
        // A play's letter run into its first number: "B15" for "B. 15".
        if (!number && numbers.empty() && token.to - token.from == 3 && text[0] >= 'A' &&
            text[0] <= 'Z') {
            number = numberOf(line, token.from + 1, token.to);
            if (number && text[0] <= 'J')
                play.letter = text[0];
        }
        if (number) {
            number->token = at;
            number->starred = token.before == '*';
            if (number->starred)
                ballAt = std::ptrdiff_t(numbers.size());
            numbers.push_back(*number);
            continue;
        }
        if (at == 0 && text.size() == 1 && text[0] >= 'A' && text[0] <= 'J') {
            play.letter = text[0];
            continue;
        }
        // Numbers a reader ran together, "25364361": tickets print each with
        // two digits, a play's from the least. A run that parts otherwise,
        // or an odd one, is a serial number's, a terminal's: no play's.
        if (text.size() >= 4 && text.size() % 2 == 0 && text.size() <= 12 &&
            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            int previous = 0;
            for (std::size_t pair = token.from; pair < token.to; pair += 2) {
                std::optional<Number> run = numberOf(line, pair, pair + 2);
                if (run->value <= previous)
                    return std::nullopt;
                previous = run->value;
                run->token = at;
                numbers.push_back(*run);
            }
            continue;
        }
        if (std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        // A word of the ticket's, SOLD, DRAWS: no play's line.
        if (text.size() > 2 &&
            std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
            ++words;
    }
    if (words > 0)
        return std::nullopt;
    // A game not known: a line of numbers is a play, its rules unchecked.
    if (!game) {
        if (numbers.size() < 3 || ballAt >= 0)
            return std::nullopt;
        for (const Number &number : numbers) {
            play.numbers.push_back(number.value);
            play.unsure.push_back(true);
            play.box = play.box.united(number.box);
        }
        play.unsure.push_back(false);
        play.reasons.push_back("the game is not known: choose it, and check the numbers");
        return play;
    }
    const GameEra &era = game->eraOn(drawDate ? drawDate : game->latest().from);
    const std::size_t count = std::size_t(game->count);
    const bool hasBall = game->hasBall();
    // A letter read as a number before the play's own: the first, alone.
    const auto dropLetter = [&] {
        if (numbers.size() > count + (hasBall ? 1 : 0) &&
            tokens[numbers.front().token].to - tokens[numbers.front().token].from == 1) {
            if (const char letter = tokens[numbers.front().token].text[0];
                !play.letter && letter >= 'A' && letter <= 'J')
                play.letter = letter;
            numbers.erase(numbers.begin());
            if (ballAt > 0)
                --ballAt;
            return true;
        }
        return false;
    };
    if (ballAt >= 0)
        while (std::size_t(ballAt) > count && dropLetter()) {
        }
    else
        while (dropLetter()) {
        }
    if (numbers.size() + 1 < count || (numbers.size() < count && ballAt < 0))
        return std::nullopt;
    std::vector<Number> whites;
    std::optional<Number> ball;
    if (hasBall) {
        const std::size_t split =
            ballAt >= 0 ? std::size_t(ballAt) : std::min(count, numbers.size());
        whites.assign(numbers.begin(), numbers.begin() + std::ptrdiff_t(split));
        if (split < numbers.size())
            ball = numbers[split];
    } else {
        whites.assign(numbers.begin(),
                      numbers.begin() + std::ptrdiff_t(std::min(count, numbers.size())));
    }
    for (const Number &number : whites) {
        play.numbers.push_back(number.value);
        play.unsure.push_back(!number.plain);
        play.box = play.box.united(number.box);
    }
    if (ball) {
        play.ball = ball->value;
        play.box = play.box.united(ball->box);
    }
    play.unsure.push_back(ball && !ball->plain);
    const std::string name = gameName(*game);
    for (std::size_t at = 0; at < whites.size(); ++at) {
        if (!whites[at].plain)
            play.reasons.push_back("the " + ordinal(at) + " number, read as \"" + whites[at].how +
                                   "\", is not plainly " + std::to_string(whites[at].value));
    }
    if (ball && !ball->plain)
        play.reasons.push_back("the ball, read as \"" + ball->how + "\", is not plainly " +
                               std::to_string(ball->value));
    if (whites.size() != count) {
        play.reasons.push_back(std::to_string(whites.size()) + " numbers were read; a play of " +
                               name + " has " + std::to_string(count));
        std::fill(play.unsure.begin(), play.unsure.end(), true);
    }
    if (hasBall && !ball) {
        play.reasons.push_back("no ball was read");
        play.unsure.back() = true;
    }
    for (std::size_t at = 0; at < whites.size(); ++at) {
        const int value = whites[at].value;
        if (!game->fits(value, drawDate ? drawDate : era.from, false)) {
            play.reasons.push_back(std::to_string(value) + " is past " + name + "'s " +
                                   std::to_string(game->first) + " to " + std::to_string(era.last));
            play.unsure[at] = true;
        }
        for (std::size_t other = 0; other < at; ++other) {
            if (whites[other].value == value && game->kind != LotteryGame::Kind::Digits) {
                play.reasons.push_back(std::to_string(value) + " is read twice");
                play.unsure[at] = play.unsure[other] = true;
            }
        }
    }
    if (ball && !game->fits(ball->value, drawDate ? drawDate : era.from, true)) {
        play.reasons.push_back("the ball " + std::to_string(ball->value) + " is past " + name +
                               "'s 1 to " + std::to_string(era.ballLast));
        play.unsure.back() = true;
    }
    // Tickets print a play's numbers from the least, the ball apart: out of
    // that order, two were misread.
    if (game->kind != LotteryGame::Kind::Digits &&
        !std::is_sorted(play.numbers.begin(), play.numbers.end())) {
        play.reasons.push_back("the numbers are not in the order a ticket prints them");
        for (std::size_t at = 0; at + 1 < play.numbers.size(); ++at) {
            if (play.numbers[at] > play.numbers[at + 1])
                play.unsure[at] = play.unsure[at + 1] = true;
        }
    }
    return play;
}
