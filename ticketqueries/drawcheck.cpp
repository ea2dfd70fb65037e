#include "drawcheck.h"

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

QString DrawMatch::text(QStringView ball) const
{
    switch (kind) {
    case NoDraw:
        return QStringLiteral("no draw");
    case WhitesAndBall:
        return QStringLiteral("%1 of %2 + %3").arg(count).arg(total).arg(ball);
    case NoNumbers:
        return QStringLiteral("no numbers");
    case Straight:
        return QStringLiteral("straight");
    case Box:
        return QStringLiteral("box");
    case Count:
    case Whites:
        break;
    }
    return QStringLiteral("%1 of %2").arg(count).arg(total);
}

QString GameKey(QStringView name)
{
    QString key;
    key.reserve(name.size());
    for (const QChar character : name) {
        if (!character.isSpace())
            key.append(character.toCaseFolded());
    }
    return key;
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

template <typename Characters> std::optional<int> dateKeyOf(const Characters &text)
{
    struct Number
    {
        int value = 0;
        int digits = 0;
    };
    std::array<Number, 3> numbers{};
    int count = 0;
    const bool read = forEachDigit(text, [&](int digit, bool first) {
        if (first && count++ == 3)
            return false;
        Number &number = numbers[std::size_t(count - 1)];
        number.value = number.value * 10 + digit;
        return ++number.digits <= 4;
    });
    if (!read || count != 3)
        return std::nullopt;
    const bool yearFirst = numbers[0].digits == 4;
    const Number &year = yearFirst ? numbers[0] : numbers[2];
    const Number &month = yearFirst ? numbers[1] : numbers[0];
    const Number &day = yearFirst ? numbers[2] : numbers[1];
    if ((year.digits != 2 && year.digits != 4) || month.digits > 2 || day.digits > 2)
        return std::nullopt;
    const int fullYear = year.digits == 2 ? 2000 + year.value : year.value;
    const bool leap = (fullYear % 4 == 0 && fullYear % 100 != 0) || fullYear % 400 == 0;
    constexpr std::array<int, 12> monthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month.value < 1 || month.value > 12 || day.value < 1 ||
        day.value > monthDays[std::size_t(month.value - 1)] ||
        (month.value == 2 && day.value == 29 && !leap))
        return std::nullopt;
    return fullYear * 10000 + month.value * 100 + day.value;
}

} // namespace

std::optional<int> DateKey(QStringView text)
{
    return dateKeyOf(text);
}

std::optional<int> DateKey(QByteArrayView bytes)
{
    return dateKeyOf(bytes);
}

std::optional<int> DateKey(const LogList &list, int row)
{
    if (const std::optional<QByteArrayView> bytes = list.savedBytes(row, 1))
        return DateKey(*bytes);
    return DateKey(list.text(row, 1));
}

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

const LotteryGame *rulesOf(const QString &key)
{
    return FindLotteryGame(std::u16string_view(QStringView(key).utf16(), std::size_t(key.size())));
}

bool drawsDigits(const LotteryGame *rules)
{
    return rules && rules->kind == LotteryGame::Kind::Digits;
}

} // namespace

const LotteryGame *LotteryGameOf(QStringView name)
{
    return rulesOf(GameKey(name));
}

void ReadNumbersIn(QByteArrayView bytes, bool digitsAlone, std::vector<int> &numbers)
{
    readNumbers(bytes, digitsAlone, numbers);
}

void ReadNumbersIn(QStringView text, bool digitsAlone, std::vector<int> &numbers)
{
    readNumbers(text, digitsAlone, numbers);
}

bool IsDigitGame(QStringView name)
{
    return drawsDigits(LotteryGameOf(name));
}

DrawCheck::DrawCheck(QStringView game, std::vector<int> winningNumbers)
    : m_game(GameKey(game)), m_rules(rulesOf(m_game)), m_digitGame(drawsDigits(m_rules)),
      m_winning(std::move(winningNumbers)), m_sortedWinning(sortedWinning(m_winning)),
      m_anyDate(true)
{
}

DrawCheck::DrawCheck(QStringView game, QStringView winningNumbers, QStringView date)
    : m_game(GameKey(game)), m_rules(rulesOf(m_game)), m_digitGame(drawsDigits(m_rules)),
      m_winning(NumbersIn(winningNumbers, m_digitGame)), m_sortedWinning(sortedWinning(m_winning)),
      m_date(NumbersIn(date)), m_dateKey(DateKey(date)), m_anyDate(m_date.empty())
{
}

QString DrawCheck::ballName() const
{
    if (!m_rules || !m_rules->hasBall())
        return {};
    return QString::fromLatin1(m_rules->ballShort.data(), qsizetype(m_rules->ballShort.size()));
}

bool DrawCheck::concerns(const LogList &list, int row) const
{
    return isGame(list, row) && (m_anyDate || isDate(list, row));
}

bool DrawCheck::isDate(const LogList &list, int row) const
{
    const std::optional<QByteArrayView> bytes = list.savedBytes(row, 1);
    const QString text = bytes ? QString() : list.text(row, 1);
    if (m_dateKey) {
        const std::optional<int> key = bytes ? DateKey(*bytes) : DateKey(text);
        if (key)
            return key == m_dateKey;
    }
    if (bytes)
        readNumbers(*bytes, false, m_ticket);
    else
        readNumbers(text, false, m_ticket);
    return m_ticket == m_date;
}

// Most game cells are short ASCII: compared in their bytes, with no text made.
bool DrawCheck::isGame(const LogList &list, int row) const
{
    if (const std::optional<QByteArrayView> bytes = list.savedBytes(row, 0)) {
        qsizetype at = 0;
        bool ascii = true;
        for (const char byte : *bytes) {
            if (uchar(byte) >= 0x80) {
                ascii = false;
                break;
            }
            if (byte == ' ' || (byte >= '\t' && byte <= '\r'))
                continue;
            const char lower = byte >= 'A' && byte <= 'Z' ? char(byte - 'A' + 'a') : byte;
            if (at >= m_game.size() || m_game[at] != QLatin1Char(lower))
                return false;
            ++at;
        }
        if (ascii)
            return at == m_game.size();
    }
    return GameKey(list.text(row, 0)) == m_game;
}

DrawMatch DrawCheck::match(QStringView ticketNumbers) const
{
    readNumbers(ticketNumbers, m_digitGame, m_ticket);
    return matchNumbers(m_winning, m_sortedWinning);
}

DrawMatch DrawCheck::match(const LogList &list, int row) const
{
    return match(list, row, m_winning, m_sortedWinning);
}

DrawMatch DrawCheck::match(const LogList &list, int row, const std::vector<int> &winning,
                           const std::vector<int> &sortedWinning) const
{
    if (const std::optional<QByteArrayView> bytes = list.savedBytes(row, 2))
        readNumbers(*bytes, m_digitGame, m_ticket);
    else
        readNumbers(list.text(row, 2), m_digitGame, m_ticket);
    return matchNumbers(winning, sortedWinning);
}

std::vector<int> DrawCheck::sortedWinning(const std::vector<int> &winning) const
{
    std::vector<int> result;
    sortWinning(winning, result);
    return result;
}

void DrawCheck::sortWinning(const std::vector<int> &winning, std::vector<int> &sorted) const
{
    std::size_t count = winning.size();
    if (m_rules && m_rules->hasBall())
        count = std::min(count, std::size_t(m_rules->count));
    sorted.assign(winning.begin(), winning.begin() + std::ptrdiff_t(count));
    std::sort(sorted.begin(), sorted.end());
    if (!m_digitGame)
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
}

DrawMatch DrawCheck::matchNumbers(const std::vector<int> &winning,
                                  const std::vector<int> &sortedWinning) const
{
    const std::vector<int> &ticket = m_ticket;
    if (ticket.empty())
        return {};
    // A ball game's five, then its ball, on the ticket and in the draw.
    const bool ballGame = m_rules && m_rules->hasBall();
    const std::size_t whites =
        ballGame ? std::min(ticket.size(), std::size_t(m_rules->count)) : ticket.size();
    m_sortedTicket.assign(ticket.begin(), ticket.begin() + std::ptrdiff_t(whites));
    std::sort(m_sortedTicket.begin(), m_sortedTicket.end());
    if (!m_digitGame)
        m_sortedTicket.erase(std::unique(m_sortedTicket.begin(), m_sortedTicket.end()),
                             m_sortedTicket.end());
    const int common = inCommon(m_sortedTicket, sortedWinning);
    const auto total = std::uint16_t(std::min<std::size_t>(m_sortedTicket.size(), 0xFFFF));
    if (ballGame) {
        const std::size_t ball = std::size_t(m_rules->count);
        const bool hit =
            ticket.size() > ball && winning.size() > ball && ticket[ball] == winning[ball];
        return {hit ? DrawMatch::WhitesAndBall : DrawMatch::Whites, std::uint8_t(common), total};
    }
    if (m_digitGame && ticket == winning)
        return {DrawMatch::Straight, std::uint8_t(common), total};
    if (m_digitGame && ticket.size() == winning.size() && common == int(ticket.size()))
        return {DrawMatch::Box, std::uint8_t(common), total};
    return {DrawMatch::Count, std::uint8_t(std::min(common, 255)), total};
}
