#include "drawcheck.h"

#include "gamekey.h"
#include "gamename.h"
#include "ticketdates.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {

// Both sorted: how many stand in both, a repeated one as often as in both.
int inCommon(const std::vector<int> &sortedA, const std::vector<int> &sortedB)
{
    int count = 0;
    auto a = sortedA.begin();
    auto b = sortedB.begin();
    while (a != sortedA.end() && b != sortedB.end()) {
        if (*a < *b) {
            ++a;
        } else if (*b < *a) {
            ++b;
        } else {
            ++count;
            ++a;
            ++b;
        }
    }
    return count;
}

} // namespace

QString DrawMatch::text(QStringView extra) const
{
    switch (kind) {
    case NoDraw:
        return QStringLiteral("no draw");
    case CountAndExtra:
        return QStringLiteral("%1 of %2 + %3").arg(count).arg(total).arg(extra);
    case NoNumbers:
        return QStringLiteral("no numbers");
    case Straight:
        return QStringLiteral("straight");
    case Box:
        return QStringLiteral("box");
    case Count:
        break;
    }
    return QStringLiteral("%1 of %2").arg(count).arg(total);
}

namespace {

// Digits are ASCII in every code page the log may be in, and no byte of a
// character of two bytes is one: a cell's bytes hold the numbers its text
// does.
unsigned unitOf(QChar character)
{
    return character.unicode();
}
unsigned unitOf(char byte)
{
    return uchar(byte);
}

// Calls digit(value, first) for each digit of the text, first telling whether
// it begins a number; false from digit stops the walk, and is returned.
template <typename Characters, typename Digit>
bool forEachDigit(const Characters &text, Digit digit)
{
    bool inNumber = false;
    for (const auto character : text) {
        const unsigned unit = unitOf(character);
        const bool isDigit = unit >= '0' && unit <= '9';
        if (isDigit && !digit(int(unit - '0'), !inNumber))
            return false;
        inNumber = isDigit;
    }
    return true;
}

template <typename Characters>
void readNumbers(const Characters &text, bool digitsAlone, std::vector<int> &numbers)
{
    numbers.clear();
    forEachDigit(text, [&](int digit, bool first) {
        if (!first && !digitsAlone && numbers.back() < 100'000'000)
            numbers.back() = numbers.back() * 10 + digit;
        else
            numbers.push_back(digit);
        return true;
    });
}

} // namespace

std::vector<int> NumbersIn(QStringView text, bool digitsAlone)
{
    std::vector<int> numbers;
    readNumbers(text, digitsAlone, numbers);
    return numbers;
}

std::vector<int> NumbersIn(QByteArrayView bytes, bool digitsAlone)
{
    std::vector<int> numbers;
    readNumbers(bytes, digitsAlone, numbers);
    return numbers;
}

namespace {

std::u16string_view viewOf(QStringView text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size())};
}

bool drawsDigits(const LotteryGame *rules)
{
    return rules && rules->kind == LotteryGame::Kind::Digits;
}

} // namespace

void ReadNumbersIn(QByteArrayView bytes, bool digitsAlone, std::vector<int> &numbers)
{
    readNumbers(bytes, digitsAlone, numbers);
}

void ReadNumbersIn(QStringView text, bool digitsAlone, std::vector<int> &numbers)
{
    readNumbers(text, digitsAlone, numbers);
}

DrawCheck::DrawCheck(QStringView game)
    : m_game(GameKey(game)), m_rules(FindLotteryGame(viewOf(m_game))),
      m_digitGame(drawsDigits(m_rules)), m_anyDate(true)
{
}

DrawCheck::DrawCheck(QStringView game, QStringView winningNumbers, QStringView date)
    : DrawCheck(game)
{
    // The draw as typed, read as a ticket is: "5-12-23-34-45 PB 7".
    TicketPlay typed;
    TicketPlay::read(viewOf(winningNumbers), m_rules, typed);
    std::vector<int> drawn = typed.numbers;
    if (m_rules && m_rules->hasExtra() && typed.ball >= 0 && int(drawn.size()) == m_rules->count)
        drawn.push_back(typed.ball);
    prepare(drawn, m_winning);
    m_date = NumbersIn(date);
    m_dateKey = DateKey(date);
    m_anyDate = m_date.empty();
}

QString DrawCheck::extraName() const
{
    if (!m_rules || !m_rules->hasExtra())
        return {};
    return QString::fromLatin1(m_rules->extraShort.data(), qsizetype(m_rules->extraShort.size()));
}

bool DrawCheck::concerns(const LogList &list, int row) const
{
    if (!isGame(list, row) || !(m_anyDate || isDate(list, row)))
        return false;
    // Double Play's drawings concern its own tickets, by any of its names,
    // and the Powerball tickets that play it.
    if (m_rules && m_rules->secondDrawing && LotteryGameOf(list.text(row, 0)) != m_rules)
        return readPlay(list, row).doublePlay;
    return true;
}

bool DrawCheck::isDate(const LogList &list, int row) const
{
    const std::optional<QByteArrayView> bytes = list.savedBytes(row, 1);
    const QString text = bytes ? QString() : list.text(row, 1);
    // The day typed is one of the ticket's draws, of one day or several.
    if (m_dateKey) {
        const std::optional<TicketDates> dates =
            bytes ? TicketDates::of(*bytes) : TicketDates::of(text);
        if (dates)
            return dates->plays(*m_dateKey, m_rules);
    }
    if (bytes)
        readNumbers(*bytes, false, m_numbers);
    else
        readNumbers(text, false, m_numbers);
    return m_numbers == m_date;
}

// Most game cells are short ASCII and name the game as the check does:
// compared in their bytes, with no text made. Any other is compared by the
// names' rule, as a more precise name ("Lotto Texas" of "Lotto") or one
// with a draw time is.
bool DrawCheck::isGame(const LogList &list, int row) const
{
    if (const std::optional<QByteArrayView> bytes = list.savedBytes(row, 0)) {
        qsizetype at = 0;
        bool same = true;
        for (const char byte : *bytes) {
            if (uchar(byte) >= 0x80) {
                same = false;
                break;
            }
            if (byte == ' ' || byte == '-' || byte == '.' || byte == '_' ||
                (byte >= '\t' && byte <= '\r'))
                continue;
            const char lower = byte >= 'A' && byte <= 'Z' ? char(byte - 'A' + 'a') : byte;
            if (at >= m_game.size() || m_game[at] != QLatin1Char(lower)) {
                same = false;
                break;
            }
            ++at;
        }
        if (same && at == m_game.size())
            return true;
        // A log holds few games, many times: each asked once.
        for (const auto &[known, verdict] : m_otherGames) {
            if (known == *bytes)
                return verdict;
        }
        const bool verdict = isNamedGame(list.text(row, 0));
        if (m_otherGames.size() == 16)
            m_otherGames.erase(m_otherGames.begin());
        m_otherGames.emplace_back(bytes->toByteArray(), verdict);
        return verdict;
    }
    return isNamedGame(list.text(row, 0));
}

bool DrawCheck::isNamedGame(QStringView name) const
{
    const QString ticket = GameKey(name);
    if (ticket == m_game)
        return true;
    return !ticket.isEmpty() && GameName(viewOf(ticket)).isTicketOf(GameName(viewOf(m_game)));
}

DrawMatch DrawCheck::match(QStringView ticketNumbers) const
{
    TicketPlay::read(viewOf(ticketNumbers), m_rules, m_play);
    sortTicket();
    return matchTicket(m_winning);
}

DrawMatch DrawCheck::match(const LogList &list, int row) const
{
    readTicket(list, row);
    return matchTicket(m_winning);
}

void DrawCheck::readTicket(const LogList &list, int row) const
{
    readPlay(list, row);
    sortTicket();
}

const TicketPlay &DrawCheck::readPlay(const LogList &list, int row) const
{
    if (const std::optional<QByteArrayView> bytes = list.savedBytes(row, 2)) {
        TicketPlay::read(std::string_view(bytes->data(), std::size_t(bytes->size())), m_rules,
                         m_play);
    } else {
        const QString text = list.text(row, 2);
        TicketPlay::read(viewOf(text), m_rules, m_play);
    }
    return m_play;
}

// Once a ticket, however many draws it is checked against.
void DrawCheck::sortTicket() const
{
    // A game that counts each number once takes the ticket's as bits where
    // they fit, sorted only where a draw's do not.
    m_sortedReady = false;
    if (!m_digitGame) {
        m_ticketBits.clear();
        for (const int number : m_play.numbers)
            m_ticketBits.add(number);
        if (m_ticketBits.isWhole()) {
            m_ticketCount = m_ticketBits.count();
            return;
        }
    }
    m_ticketCount = int(sortedTicket().size());
}

const std::vector<int> &DrawCheck::sortedTicket() const
{
    if (m_sortedReady)
        return m_sortedTicket;
    m_sortedTicket.assign(m_play.numbers.begin(), m_play.numbers.end());
    std::sort(m_sortedTicket.begin(), m_sortedTicket.end());
    if (!m_digitGame)
        m_sortedTicket.erase(std::unique(m_sortedTicket.begin(), m_sortedTicket.end()),
                             m_sortedTicket.end());
    m_sortedReady = true;
    return m_sortedTicket;
}

// A game that counts each number once keeps a draw's as bits where they fit,
// with no sorting: a season matches each ticket against many draws.
void DrawCheck::prepare(const std::vector<int> &drawn, WinningDraw &draw) const
{
    draw.drawn = drawn;
    draw.extra = -1;
    std::size_t count = drawn.size();
    if (m_rules && m_rules->hasExtra() && drawn.size() > std::size_t(m_rules->count)) {
        count = std::size_t(m_rules->count);
        draw.extra = drawn[count];
    }
    draw.sorted.clear();
    draw.bits.clear();
    if (!m_digitGame) {
        for (std::size_t at = 0; at < count; ++at)
            draw.bits.add(drawn[at]);
        if (draw.bits.isWhole())
            return;
    }
    draw.sorted.assign(drawn.begin(), drawn.begin() + std::ptrdiff_t(count));
    std::sort(draw.sorted.begin(), draw.sorted.end());
    if (!m_digitGame)
        draw.sorted.erase(std::unique(draw.sorted.begin(), draw.sorted.end()), draw.sorted.end());
}

DrawMatch DrawCheck::matchTicket(const WinningDraw &draw) const
{
    const std::vector<int> &ticket = m_play.numbers;
    if (ticket.empty() && m_play.ball < 0)
        return {};
    const int total = std::min(m_ticketCount, 0xFFFF);
    if (m_digitGame) {
        const int common = inCommon(sortedTicket(), draw.sorted);
        if (ticket == draw.drawn)
            return {DrawMatch::Straight, common, total};
        if (ticket.size() == draw.drawn.size() && common == int(ticket.size()))
            return {DrawMatch::Box, common, total};
        return {DrawMatch::Count, common, total};
    }
    int common = 0;
    if (!draw.bits.isWhole())
        common = inCommon(sortedTicket(), draw.sorted);
    else if (m_ticketBits.isWhole())
        common = m_ticketBits.common(draw.bits);
    else
        common = int(std::count_if(sortedTicket().begin(), sortedTicket().end(),
                                   [&](int number) { return draw.bits.has(number); }));
    bool extra = false;
    if (m_rules && draw.extra >= 0) {
        extra = m_rules->hasBall() ? m_play.ball == draw.extra
                : m_ticketBits.isWhole()
                    ? m_ticketBits.has(draw.extra)
                    : std::binary_search(sortedTicket().begin(), sortedTicket().end(), draw.extra);
    }
    // A lotto's bonus number is named only where it makes the prize: New
    // York's Lotto pays for it with five numbers alone.
    if (extra && m_rules->bonus && m_rules->tierOf(common, true) == m_rules->tierOf(common, false))
        extra = false;
    // A play of more numbers than the game's is no play of it, and wins no tier.
    const int tier = m_rules && total <= m_rules->count ? m_rules->tierOf(common, extra) : 0;
    return {extra ? DrawMatch::CountAndExtra : DrawMatch::Count, std::min(common, 255), total,
            tier};
}

QString DrawCheck::drawText(const std::vector<int> &drawn) const
{
    const int extraAt = m_rules && m_rules->hasExtra() ? m_rules->count : -1;
    QStringList numbers;
    for (std::size_t at = 0; at < drawn.size(); ++at) {
        if (int(at) == extraAt)
            numbers << extraName();
        numbers << QString::number(drawn[at]);
    }
    return numbers.join(u' ');
}
