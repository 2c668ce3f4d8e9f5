// The unit rings of the result captions and two small text helpers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tickwell {

struct AppRecord;

// The micro sign, U+00B5, as UTF-8.
inline constexpr std::string_view kMicro = "\xC2\xB5";
inline const std::string kMicroSeconds = "\xC2\xB5s";

// Next caption of the period ring ns -> µs -> ms -> s -> ns; sets PeriodUnit to
// its factor. A caption outside the ring returns "" and leaves the factor.
std::string NextPeriodUnit(AppRecord& app, std::string_view caption);
// Next caption of the frequency ring Hz -> kHz -> MHz -> Hz; sets FreqUnit.
std::string NextFreqUnit(AppRecord& app, std::string_view caption);

// Factor of a period caption (ns 1 ... s 1e9), 0 for a caption outside the ring.
double periodFactor(std::string_view caption);
// Factor of a frequency caption (Hz 1, kHz 1e3, MHz 1e6), 0 outside the ring.
double freqFactor(std::string_view caption);

// Binary digits of n without leading zeros; 0 gives "0"; a negative n gives
// the digits of its magnitude.
std::string DecToBin(std::int64_t n);
// DecToBin padded on the left with zeros to at least `width` digits.
std::string binaryPadded(std::int64_t n, std::size_t width);

// True when the text is empty or the whole text is a number.
bool IsEmptyOrNumeric(std::string_view text);

}  // namespace tickwell
