#include "datekey.h"

#include <array>

namespace {

unsigned unitOf(QChar character)
{
    return character.unicode();
}
unsigned unitOf(char byte)
{
    return uchar(byte);
}

// Three numbers of at most four digits, whatever stands between them.
template <typename Characters> std::optional<int> dateKeyOf(const Characters &text)
{
    struct Number
    {
        int value = 0;
        int digits = 0;
    };
    std::array<Number, 3> numbers{};
    int count = 0;
    bool inNumber = false;
    for (const auto character : text) {
        const unsigned unit = unitOf(character);
        const bool isDigit = unit >= '0' && unit <= '9';
        if (isDigit) {
            if (!inNumber && count++ == 3)
                return std::nullopt;
            Number &number = numbers[std::size_t(count - 1)];
            number.value = number.value * 10 + int(unit - '0');
            if (++number.digits > 4)
                return std::nullopt;
        }
        inNumber = isDigit;
    }
    if (count != 3)
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
