#pragma once

#include <span>
#include <string_view>

// The states and the District, by name and postal code: where a ticket was
// bought decides where and by when it is claimed.
struct UsState
{
    std::string_view name; // "New York"
    std::string_view code; // "NY"
};

std::span<const UsState> UsStates();

// The state a folded name ends with ("powerballtx", "megamillionscalifornia"):
// its code, and how many characters of the key name it; nothing where none.
struct StateSuffix
{
    const UsState *state = nullptr;
    std::size_t length = 0;
};
StateSuffix StateSuffixOf(std::u16string_view key);

// A state by its name or code, whatever its case and spaces.
const UsState *UsStateOf(std::string_view nameOrCode);
