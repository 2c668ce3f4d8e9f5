#include "app/result_texts.h"

#include <array>
#include <cmath>
#include <charconv>

#include "app/number_text.h"
#include "app/units.h"

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

std::string tickText(double tickUs, TimeUnit unit, bool noLeadingZero) {
  if (unit == TimeUnit::Microseconds) return formatMask(tickUs, kCycleMaskMicro);
  return formatMask(tickUs * 1000, noLeadingZero ? kCycleMaskNanoClicked : kCycleMaskNano);
}

std::string clockText(double hz, FrequencyUnit unit) { return formatMask(hz / factor(unit), kClockMask); }

std::string limitPeriodText(double ns, TimeUnit unit) { return formatMask(ns / factor(unit), limitPeriodMask(unit)); }

std::string limitFrequencyText(double hz, FrequencyUnit unit) {
  return formatMask(hz / factor(unit), limitFrequencyMask(unit));
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

PreloadTexts preloadTexts(int preload) {
  const std::string bin = DecToBin(preload);
  const bool wide = bin.size() > 8;
  PreloadTexts t;
  t.binary = "%" + (wide ? bin.substr(0, bin.size() - 8) : std::string()) + " " +
             (wide ? bin.substr(bin.size() - 8) : std::string(8 - bin.size(), '0') + bin);
  t.hexHigh = preload < 256 ? "0" : hexText(preload >> 8);
  t.hexLow = preload < 256 ? hexText(preload) : hexText(preload).substr(hexText(preload).size() - 2);
  t.decimalHigh = integerText(preload >> 8);
  t.decimalLow = integerText(preload & 0xFF);
  return t;
}

std::string ppmText(double ppm) { return signedText(ppm, "#,###,###,##0.###"); }

std::string percentText(double ppm) { return signedText(ppm / 10000, "#,###,##0.#######"); }

std::string periodText(double ns) {
  return inLargestUnit(ns, {TimeUnit::Nanoseconds, TimeUnit::Microseconds, TimeUnit::Milliseconds,
                            TimeUnit::Seconds});
}

std::string frequencyText(double hz) {
  return inLargestUnit(hz, {FrequencyUnit::Hertz, FrequencyUnit::Kilohertz, FrequencyUnit::Megahertz});
}

std::string chipIntervalText(const ChipInterval& chip, bool fosc4, TimeUnit unit) {
  return shownPeriod(chip.seconds * 1e9, unit) + " " + std::string(caption(unit)) + ", " +
         formatMask(chip.cycles, "#,###,###,###,##0.###") + (fosc4 ? " instruction cycles" : " oscillator cycles");
}

}  // namespace tickwell
