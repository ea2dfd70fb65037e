#pragma once

#include <string_view>

// Hands the address to the desktop's default handler for web addresses and
// returns at once; the outcome is not examined and nothing is shown.
void OpenWebAddress(std::string_view address);
