#include "app/result_texts.h"

#include <array>
#include <cmath>
#include <charconv>

#include "app/number_text.h"

namespace tickwell {

std::string_view interruptPeriodMask(TimeUnit unit) {
  switch (unit) {
    case TimeUnit::Nanoseconds: return "#,###,###,###";
    case TimeUnit::Microseconds: return "#,###,###,##0.00";
    case TimeUnit::Milliseconds:
    case TimeUnit::Seconds: return "#,###,##0.00#####";
  }
  return {};
}

std::string_view limitPeriodMask(TimeUnit unit) {
  switch (unit) {
    case TimeUnit::Nanoseconds: return "#,###,###,##0";
    case TimeUnit::Microseconds: return "#,###,###,##0.00";
    case TimeUnit::Milliseconds:
    case TimeUnit::Seconds: return "#,###,##0.00###";
  }
  return {};
}

std::string_view limitFrequencyMask(FrequencyUnit unit) {
  return unit == FrequencyUnit::Hertz ? "##,##0.00" : "#,###,###,##0.00";
}

std::string shownPeriod(double periodNs, TimeUnit unit) {
  return formatMask(readShown(plainNumber(periodNs / factor(unit))), interruptPeriodMask(unit));
}

std::string shownFrequency(double frequencyHz, FrequencyUnit unit) {
  return formatMask(readShown(plainNumber(frequencyHz / factor(unit))), kInterruptFrequencyMask);
}

namespace {

std::string signedText(double value, std::string_view mask) {
  const std::string text = formatMask(value, mask);
  return value > 0 && text != "0" ? "+" + text : text;
}

// Like printf("%.10g"), whatever the locale.
std::string tenDigits(double value) {
  std::array<char, 32> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 10);
  return std::string(buf.data(), res.ptr);
}

template <class Unit>
std::string inLargestUnit(double value, std::initializer_list<Unit> units) {
  Unit chosen = *units.begin();
  for (const Unit u : units)
    if (std::fabs(value) >= factor(u)) chosen = u;
  return tenDigits(value / factor(chosen)) + " " + std::string(caption(chosen));
}

}  // namespace

std::string ppmText(double ppm) { return signedText(ppm, "#,###,###,##0.###"); }

std::string percentText(double ppm) { return signedText(ppm / 10000, "#,###,##0.#######"); }

std::string periodText(double ns) {
  return inLargestUnit(ns, {TimeUnit::Nanoseconds, TimeUnit::Microseconds, TimeUnit::Milliseconds,
                            TimeUnit::Seconds});
}

std::string frequencyText(double hz) {
  return inLargestUnit(hz, {FrequencyUnit::Hertz, FrequencyUnit::Kilohertz, FrequencyUnit::Megahertz});
}

}  // namespace tickwell
