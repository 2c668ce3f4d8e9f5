#include "app/oscillator_entry.h"

#include "app/number_text.h"
#include "timer/decimal.h"

namespace tickwell {

OscInput oscFromValue(double v) {
  if (v <= 48) return {FrequencyUnit::Megahertz, v * 1000000};
  if (v < 1000) return {FrequencyUnit::Kilohertz, v / 1000 * 1000000};
  if (v <= 480000000) return {FrequencyUnit::Hertz, v / 1000000 * 1000000};
  return {FrequencyUnit::Megahertz, v * 1000000};
}

std::optional<OscInput> oscFromText(std::string_view text) {
  const auto v = parseNumber(text);
  if (!v || *v <= 0) return std::nullopt;
  const OscInput in = oscFromValue(*v);
  if (in.oscFreq < kMinOscFreq || in.oscFreq > kMaxOscFreq) return std::nullopt;
  return in;
}

std::optional<std::string> oscEntryText(double hz) {
  std::optional<std::string> best;
  for (const FrequencyUnit unit : {FrequencyUnit::Megahertz, FrequencyUnit::Kilohertz, FrequencyUnit::Hertz}) {
    const std::string text = plainNumber(hz / factor(unit));
    if (text.size() > kOscEntryLength) continue;
    const auto in = oscFromText(text);
    if (!in || in->oscFreq != hz) continue;
    if (!best || text.size() < best->size()) best = text;
  }
  return best;
}

FrequencyUnit oscEntryUnit(double hz) {
  if (const auto text = oscEntryText(hz)) return oscFromText(*text)->unit;
  for (const FrequencyUnit unit : {FrequencyUnit::Megahertz, FrequencyUnit::Kilohertz, FrequencyUnit::Hertz})
    if (oscFromValue(hz / factor(unit)).unit == unit) return unit;
  return FrequencyUnit::Hertz;
}

FrequencyUnit clockUnitAfterEntry(double oscHz, double clockHz) {
  const FrequencyUnit unit = oscEntryUnit(oscHz);
  return roundToDecimals(clockHz / factor(unit), 0) == 0 || oscHz < 1 ? FrequencyUnit::Hertz : unit;
}

}  // namespace tickwell
