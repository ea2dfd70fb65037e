#include "usstate.h"

#include <array>
#include <string>

namespace {

constexpr auto states = std::to_array<UsState>({
    {"Alabama", "AL"},        {"Alaska", "AK"},         {"Arizona", "AZ"},
    {"Arkansas", "AR"},       {"California", "CA"},     {"Colorado", "CO"},
    {"Connecticut", "CT"},    {"Delaware", "DE"},       {"District of Columbia", "DC"},
    {"Florida", "FL"},        {"Georgia", "GA"},        {"Hawaii", "HI"},
    {"Idaho", "ID"},          {"Illinois", "IL"},       {"Indiana", "IN"},
    {"Iowa", "IA"},           {"Kansas", "KS"},         {"Kentucky", "KY"},
    {"Louisiana", "LA"},      {"Maine", "ME"},          {"Maryland", "MD"},
    {"Massachusetts", "MA"},  {"Michigan", "MI"},       {"Minnesota", "MN"},
    {"Mississippi", "MS"},    {"Missouri", "MO"},       {"Montana", "MT"},
    {"Nebraska", "NE"},       {"Nevada", "NV"},         {"New Hampshire", "NH"},
    {"New Jersey", "NJ"},     {"New Mexico", "NM"},     {"New York", "NY"},
    {"North Carolina", "NC"}, {"North Dakota", "ND"},   {"Ohio", "OH"},
    {"Oklahoma", "OK"},       {"Oregon", "OR"},         {"Pennsylvania", "PA"},
    {"Rhode Island", "RI"},   {"South Carolina", "SC"}, {"South Dakota", "SD"},
    {"Tennessee", "TN"},      {"Texas", "TX"},          {"Utah", "UT"},
    {"Vermont", "VT"},        {"Virginia", "VA"},       {"Washington", "WA"},
    {"West Virginia", "WV"},  {"Wisconsin", "WI"},      {"Wyoming", "WY"},
});

char16_t folded(char c)
{
    return char16_t(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

// Whether key ends with the words, folded as GameKey folds them.
std::size_t endsWith(std::u16string_view key, std::string_view words)
{
    std::size_t letters = 0;
    for (const char c : words)
        letters += c == ' ' ? 0 : 1;
    if (key.size() < letters)
        return 0;
    std::size_t at = key.size() - letters;
    for (const char c : words) {
        if (c == ' ')
            continue;
        if (key[at++] != folded(c))
            return 0;
    }
    return letters;
}

} // namespace

std::span<const UsState> UsStates()
{
    return states;
}

StateSuffix StateSuffixOf(std::u16string_view key)
{
    StateSuffix found;
    for (const UsState &state : states) {
        for (const std::string_view name : {state.name, state.code}) {
            const std::size_t length = endsWith(key, name);
            if (length > found.length)
                found = {&state, length};
        }
    }
    return found;
}

const UsState *UsStateOf(std::string_view nameOrCode)
{
    std::u16string key;
    for (const char c : nameOrCode) {
        if (c != ' ')
            key += folded(c);
    }
    const StateSuffix suffix = StateSuffixOf(key);
    return suffix.length == key.size() && !key.empty() ? suffix.state : nullptr;
}
