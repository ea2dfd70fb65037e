#include "ticketplay.h"

#include <algorithm>
#include <array>

namespace {

// What the multiplier may be where a game prints none of its own: Power
// Play's and the Megaplier's numbers.
constexpr std::array<int, 5> commonMultipliers = {2, 3, 4, 5, 10};

unsigned lower(unsigned unit)
{
    return unit >= 'A' && unit <= 'Z' ? unit - 'A' + 'a' : unit;
}

bool isLetter(unsigned unit)
{
    return (unit >= 'a' && unit <= 'z') || (unit >= 'A' && unit <= 'Z');
}

bool isDigit(unsigned unit)
{
    return unit >= '0' && unit <= '9';
}

template <typename Unit> class Reader
{
public:
    Reader(std::basic_string_view<Unit> text, const LotteryGame *game, TicketPlay &play)
        : m_text(text), m_game(game), m_play(play)
    {
    }

    void read()
    {
        m_play.numbers.clear();
        m_play.ball = -1;
        m_play.multiplier = 0;
        m_play.powerPlay = m_play.doublePlay = m_play.megaplier = false;
        if (m_game && m_game->kind == LotteryGame::Kind::Digits) {
            for (const Unit unit : m_text) {
                if (isDigit(unsigned(unit)))
                    m_play.numbers.push_back(int(unsigned(unit) - '0'));
            }
            return;
        }
        const bool ballGame = m_game && m_game->hasBall();
        bool marked = false;
        Token token;
        Token previous;
        std::size_t at = 0;
        while (next(at, token)) {
            if (token.kind == Token::Word && addOn(token, previous)) {
                previous = token;
                continue;
            }
            if (token.kind == Token::Word && isX(token)) {
                multiplierBeside(token, previous, at);
            } else if (ballGame && !marked && !m_play.numbers.empty() && isMark(token)) {
                marked = true;
            } else if (token.kind == Token::Number) {
                m_last = Last::None;
                if (marked && m_play.ball < 0) {
                    m_play.ball = token.value;
                    m_last = Last::Ball;
                } else if (!marked) {
                    m_play.numbers.push_back(token.value);
                    m_last = Last::Number;
                }
            }
            previous = token;
        }
        if (ballGame && !marked && int(m_play.numbers.size()) > m_game->count) {
            m_play.ball = m_play.numbers[std::size_t(m_game->count)];
            m_play.numbers.resize(std::size_t(m_game->count));
        }
    }

private:
    struct Token
    {
        enum Kind
        {
            None,
            Number,
            Word,
            Plus
        };
        Kind kind = None;
        std::size_t start = 0;
        std::size_t end = 0;
        int value = 0;
        bool leadingZero = false;
    };
    // What the number read last went to, for a multiplier written after it.
    enum class Last
    {
        None,
        Number,
        Ball
    };

    unsigned unit(std::size_t at) const { return at < m_text.size() ? unsigned(m_text[at]) : 0u; }

    bool next(std::size_t &at, Token &token) const
    {
        while (at < m_text.size() && !isDigit(unit(at)) && !isLetter(unit(at)) && unit(at) != '+')
            ++at;
        if (at >= m_text.size())
            return false;
        token = {};
        token.start = at;
        if (unit(at) == '+') {
            token.kind = Token::Plus;
            ++at;
        } else if (isLetter(unit(at))) {
            token.kind = Token::Word;
            while (isLetter(unit(at)))
                ++at;
        } else {
            token.kind = Token::Number;
            token.leadingZero = unit(at) == '0' && isDigit(unit(at + 1));
            for (; isDigit(unit(at)); ++at) {
                if (token.value < 100'000'000)
                    token.value = token.value * 10 + int(unit(at) - '0');
            }
        }
        token.end = at;
        return true;
    }

    bool isX(const Token &token) const
    {
        return token.end - token.start == 1 && lower(unit(token.start)) == 'x';
    }

    bool isMultiplier(const Token &number) const
    {
        if (number.kind != Token::Number || number.leadingZero)
            return false;
        const std::span<const int> allowed = m_game && !m_game->latest().multipliers.empty()
                                                 ? m_game->latest().multipliers
                                                 : std::span<const int>(commonMultipliers);
        return std::find(allowed.begin(), allowed.end(), number.value) != allowed.end();
    }

    // An x's number is the one it touches, "3X" or "x3"; standing apart, the
    // one after it, else the one before it.
    void multiplierBeside(const Token &x, const Token &previous, std::size_t &at)
    {
        const bool touchesBefore = previous.kind == Token::Number && previous.end == x.start;
        std::size_t peek = at;
        Token after;
        const bool hasAfter = !touchesBefore && next(peek, after);
        const bool touchesAfter = hasAfter && after.kind == Token::Number && after.start == x.end;
        if (touchesBefore || (!touchesAfter && !isMultiplier(after))) {
            if (isMultiplier(previous))
                takeBack(previous.value);
            return;
        }
        if (isMultiplier(after)) {
            m_play.multiplier = after.value;
            at = peek;
        }
    }

    // The number read last was the multiplier's: it leaves the play.
    void takeBack(int multiplier)
    {
        if (m_last == Last::Number)
            m_play.numbers.pop_back();
        else if (m_last == Last::Ball)
            m_play.ball = -1;
        m_last = Last::None;
        m_play.multiplier = multiplier;
    }

    bool is(const Token &token, std::string_view word) const
    {
        if (token.kind != Token::Word || token.end - token.start != word.size())
            return false;
        for (std::size_t at = 0; at < word.size(); ++at) {
            if (lower(unit(token.start + at)) != unsigned(word[at]))
                return false;
        }
        return true;
    }

    // "PP", "PowerPlay" or "Power" "Play", and the like: marks the play.
    bool addOn(const Token &word, const Token &before)
    {
        const bool play = is(word, "play");
        if (is(word, "pp") || is(word, "powerplay") || (play && is(before, "power")))
            m_play.powerPlay = true;
        else if (is(word, "dp") || is(word, "doubleplay") || (play && is(before, "double")))
            m_play.doublePlay = true;
        else if (is(word, "mp") || is(word, "megaplier"))
            m_play.megaplier = true;
        else
            return is(word, "power") || is(word, "double");
        return true;
    }

    // The ball's name, its short name, "ball", or "+".
    bool isMark(const Token &token) const
    {
        if (token.kind == Token::Plus)
            return true;
        if (token.kind != Token::Word)
            return false;
        const auto is = [&](std::string_view word) {
            if (word.empty() || token.end - token.start != word.size())
                return false;
            for (std::size_t at = 0; at < word.size(); ++at) {
                if (lower(unit(token.start + at)) != lower(unsigned(word[at])))
                    return false;
            }
            return true;
        };
        return is(m_game->extraShort) || is(m_game->extraTitle) || is("ball");
    }

    std::basic_string_view<Unit> m_text;
    const LotteryGame *m_game;
    TicketPlay &m_play;
    Last m_last = Last::None;
};

} // namespace

void TicketPlay::read(std::string_view text, const LotteryGame *game, TicketPlay &play)
{
    Reader<char>(text, game, play).read();
}

void TicketPlay::read(std::u16string_view text, const LotteryGame *game, TicketPlay &play)
{
    Reader<char16_t>(text, game, play).read();
}
