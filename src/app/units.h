// Small text helpers: binary digits, and the test of a search entry.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "timer/units.h"

namespace tickwell {

// Binary digits of n without leading zeros; 0 gives "0"; a negative n gives
// the digits of its magnitude.
std::string DecToBin(std::int64_t n);

// True when the text is empty or the whole text is a number.
bool IsEmptyOrNumeric(std::string_view text);

}  // namespace tickwell
