// The values the command line reads: frequencies and times with their units,
// whole numbers, scaler ratios, timer lists, units and listing languages.
// Plain functions of a text; nothing here knows the options they come from.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "timer/units.h"

namespace tickwell::cli {

// A frequency in Hz: a positive number with "Hz", "kHz" or "MHz" behind it
// (blanks between allowed, any case); a bare number is Hz.
std::optional<double> parseFrequency(std::string_view text);

// A time in ns: a positive number with "ns", "us", "µs", "ms" or "s" behind
// it (the micro sign or the Greek mu, any case); a bare number is seconds.
std::optional<double> parseTime(std::string_view text);

// A whole number written in decimal digits with an optional sign.
std::optional<long long> parseWhole(std::string_view text);

// A scaler ratio: "32" or "1:32".
std::optional<long long> parseRatio(std::string_view text);

// A comma-separated list of whole numbers: "0,1,2".
std::optional<std::vector<long long>> parseList(std::string_view text);

// A display unit by its caption, any case ("ms", "us" or "µs", "kHz").
std::optional<TimeUnit> parseTimeUnit(std::string_view text);
std::optional<FrequencyUnit> parseFrequencyUnit(std::string_view text);

// The index of a listing language in the window's language list, by its
// name in any case ("mikroc", "XC8").
std::optional<int> parseLanguage(std::string_view text);

// The language names, joined with ", ".
std::string languageNames();

}  // namespace tickwell::cli
