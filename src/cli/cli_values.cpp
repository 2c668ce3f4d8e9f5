#include "cli/cli_values.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "app/number_text.h"
#include "listing/listing.h"

namespace tickwell::cli {

namespace {

// ASCII letters in lower case; the micro sign U+00B5, the Greek small mu
// U+03BC and its capital U+039C all become "u".
std::string folded(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (i + 1 < text.size()) {
      const auto d = static_cast<unsigned char>(text[i + 1]);
      if ((c == 0xC2 && d == 0xB5) || (c == 0xCE && (d == 0xBC || d == 0x9C))) {
        out += 'u';
        ++i;
        continue;
      }
    }
    out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
  }
  return out;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A positive number followed by one of `units` (in folded spelling, longest
// first where one ends another) or by nothing, which counts as `bare`.
std::optional<double> quantity(std::string_view text, std::initializer_list<std::pair<const char*, double>> units,
                               double bare) {
  const std::string f = folded(trimmed(text));
  std::string_view number = f;
  double scale = bare;
  for (const auto& [unit, factor] : units) {
    const std::string_view u(unit);
    if (number.size() > u.size() && number.substr(number.size() - u.size()) == u) {
      number.remove_suffix(u.size());
      scale = factor;
      break;
    }
  }
  // The number itself: no blanks inside, no second unit.
  number = trimmed(number);
  if (number.empty() || number.find_first_of(" \t") != std::string_view::npos) return std::nullopt;
  const auto v = parseNumber(number);
  if (!v || !(*v > 0)) return std::nullopt;
  const double value = *v * scale;
  if (!std::isfinite(value) || value <= 0) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> parseFrequency(std::string_view text) {
  return quantity(text, {{"mhz", 1e6}, {"khz", 1e3}, {"hz", 1}}, 1);
}

std::optional<double> parseTime(std::string_view text) {
  return quantity(text, {{"ns", 1}, {"us", 1e3}, {"ms", 1e6}, {"s", 1e9}}, 1e9);
}

std::optional<long long> parseWhole(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

std::optional<long long> parseRatio(std::string_view text) {
  if (text.substr(0, 2) == "1:") text.remove_prefix(2);
  return parseWhole(text);
}

std::optional<std::vector<long long>> parseList(std::string_view text) {
  std::vector<long long> out;
  while (true) {
    const auto comma = text.find(',');
    const auto v = parseWhole(trimmed(text.substr(0, comma)));
    if (!v) return std::nullopt;
    out.push_back(*v);
    if (comma == std::string_view::npos) return out;
    text.remove_prefix(comma + 1);
  }
}

std::optional<TimeUnit> parseTimeUnit(std::string_view text) {
  const std::string f = folded(trimmed(text));
  for (const TimeUnit u : {TimeUnit::Nanoseconds, TimeUnit::Microseconds, TimeUnit::Milliseconds, TimeUnit::Seconds})
    if (folded(caption(u)) == f) return u;
  return std::nullopt;
}

std::optional<FrequencyUnit> parseFrequencyUnit(std::string_view text) {
  const std::string f = folded(trimmed(text));
  for (const FrequencyUnit u : {FrequencyUnit::Hertz, FrequencyUnit::Kilohertz, FrequencyUnit::Megahertz})
    if (folded(caption(u)) == f) return u;
  return std::nullopt;
}

std::optional<int> parseLanguage(std::string_view text) {
  const std::string f = folded(trimmed(text));
  for (std::size_t i = 0; i < kListingLanguages.size(); ++i)
    if (folded(kListingLanguages[i]) == f) return static_cast<int>(i);
  // The list says microPascal, the example button mikroPascal: both mean it.
  if (f == "mikropascal") return static_cast<int>(ListingLanguage::MicroPascal);
  return std::nullopt;
}

std::string languageNames() {
  std::string out;
  for (const char* name : kListingLanguages) out += (out.empty() ? "" : ", ") + std::string(name);
  return out;
}

}  // namespace tickwell::cli
