// The unit steppers of the result captions and two small text helpers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "timer/units.h"

namespace tickwell {

struct AppRecord;

// The next unit of the period ring; sets PeriodUnit to its factor.
TimeUnit NextPeriodUnit(AppRecord& app, TimeUnit unit);
// The next unit of the frequency ring; sets FreqUnit to its factor.
FrequencyUnit NextFreqUnit(AppRecord& app, FrequencyUnit unit);

// Binary digits of n without leading zeros; 0 gives "0"; a negative n gives
// the digits of its magnitude.
std::string DecToBin(std::int64_t n);
// DecToBin padded on the left with zeros to at least `width` digits.
std::string binaryPadded(std::int64_t n, std::size_t width);

// True when the text is empty or the whole text is a number.
bool IsEmptyOrNumeric(std::string_view text);

}  // namespace tickwell
