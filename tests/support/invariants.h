// What holds of the calculator window after any action: values in range, the selected options bold, no "inf"
// or "nan" shown, results of one interrupt, the timer's listing shown and ended; and texts at the entries'
// edges. For the fuzzer and its replay.
#pragma once

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "app/number_text.h"
#include "calculator/render.h"

namespace tickwell::checks {

inline const std::vector<std::string> kEdgeTexts = {
    "", " ", "abc", "12a", "-1", "0", "0.0", "1e400", "1e-320", "NaN", "1,000", "4", "48", "49", "999", "1000", "1e9",
    "0.001", "0.5", "253", "255.5", "256", "65536", "32768", "12.5", "7.3728", "998400", "0.9984", "5e-7", "  5  ",
    "\xC2\xB5", std::string(300, '9')};

// True when the text shows a word "inf", "infinity" or "nan" in any case ("Info" is not).
inline bool showsInfOrNan(const std::string& text) {
  static const std::regex word(R"((^|[^A-Za-z])(inf|infinity|nan)([^A-Za-z]|$))", std::regex::icase);
  return std::regex_search(text, word);
}

// Everything that does not hold, one line each; empty when the window is sound.
inline std::vector<std::string> violations(const WindowState& s, const WindowView& v) {
  std::vector<std::string> out;
  auto check = [&](bool ok, const std::string& what) {
    if (!ok) out.push_back(what);
  };
  check(v == render(s), "the view is not what the state renders");
  check(s.preload >= 0 && s.preload <= v.sl1.max, "preload " + std::to_string(s.preload) + " outside the slider");
  check(s.timeout >= 0 && s.timeout <= 15, "timeout " + std::to_string(s.timeout));
  const auto overhead = parseNumber(s.overhead.text);
  check(overhead && *overhead >= 0 && *overhead <= 32767, "overhead \"" + s.overhead.text + "\"");
  check(s.osc.value >= 0.001 && s.osc.value <= 1e15 && isNumeric(s.osc.text), "oscillator \"" + s.osc.text + "\"");
  check(s.searchPeriodText == "0" || s.searchFrequencyText == "0", "both search entries hold a value");
  check(!s.tmr0Adjust || (s.timer == 0 && s.preload >= 2), "TMR0 Adjust on another timer or below its step");
  check(!s.pr2Adjust || s.timer == 2, "PR2 Adjust on another timer");
  // The selected option of each group is the one in bold. Nothing shows "inf"
  // or "nan", but what the user typed over a box.
  const bool typedOver = std::any_of(s.typedOver.begin(), s.typedOver.end(), [](const auto& t) { return t.has_value(); });
  WindowView copy = v;
  for (const NamedControl& c : namedControls(copy)) {
    std::visit(
        [&](auto* control) {
          if constexpr (requires { control->text; })
            check(typedOver || !showsInfOrNan(control->text), c.name + " shows inf or nan");
          if constexpr (requires { control->caption; })
            check(!showsInfOrNan(control->caption), c.name + " shows inf or nan");
          if constexpr (requires { control->bold; })
            check(control->bold == control->selected, c.name + " bold is not its selection");
        },
        c.control);
  }
  // Period and frequency describe one interrupt: their product is 1e9 within
  // the display's rounding (half a step of each mask, and the 15th digit).
  const double period = readShown(v.lblInterrupt.caption) * v.record.PeriodUnit;
  const double frequency = readShown(v.lblHz.caption) * v.record.FreqUnit;
  const double step = s.periodUnit == TimeUnit::Nanoseconds ? 1 : s.periodUnit == TimeUnit::Microseconds ? 0.01 : 1e-7;
  const double dp = step * v.record.PeriodUnit / 2 + period * 1e-14;
  const double df = 1e-5 * v.record.FreqUnit / 2 + frequency * 1e-14;
  check(std::max(0.0, period - dp) * std::max(0.0, frequency - df) <= 1e9 * (1 + 1e-12) &&
            (period + dp) * (frequency + df) >= 1e9 * (1 - 1e-12),
        v.lblInterrupt.caption + " and " + v.lblHz.caption + " are no reciprocals");
  for (int t = 0; t < 4; ++t) {
    const TextBoxView& box = v.txtTimer[static_cast<std::size_t>(t)];
    check(box.visible == (t == s.timer), "listing " + std::to_string(t) + (box.visible ? " shown" : " hidden"));
    const bool ends = box.text == "NOT AVAILABLE" || (box.text.size() > 2 && box.text.ends_with("\r\n"));
    check(ends || typedOver, "listing " + std::to_string(t) + " does not end its line");
  }
  return out;
}

}  // namespace tickwell::checks
