// What must hold of the calculator window after every user action, whatever
// was typed or clicked: values within their ranges, no "inf" or "nan" on
// screen, shown results that describe one interrupt, the selected timer's
// listing shown, and apply() and render() pure functions. Shared by the unit
// tests and the fuzzer.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "app/number_text.h"
#include "calculator/apply.h"
#include "calculator/render.h"

namespace tickwell::checks {

// True when the text shows a word "inf" or "nan" in any case ("Info" is not).
inline bool showsInfOrNan(std::string_view text) {
  std::string word;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? static_cast<char>(text[i] | 0x20) : ' ';
    if (c >= 'a' && c <= 'z') {
      word += c;
      continue;
    }
    if (word == "inf" || word == "infinity" || word == "nan") return true;
    word.clear();
  }
  return false;
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

  // The selected option of each group is the one in bold.
  const auto boldIsSelection = [&](const auto& group) {
    for (const OptionView& o : group) check(o.bold == o.selected, o.caption + " bold is not its selection");
  };
  boldIsSelection(v.opTmr);
  boldIsSelection(v.opMode);
  boldIsSelection(v.opFreq);
  boldIsSelection(v.family);
  // Nothing shows "inf" or "nan", but what the user typed over a box.
  const bool typedOver = std::any_of(s.typedOver.begin(), s.typedOver.end(), [](const auto& t) { return t.has_value(); });
  WindowView copy = v;
  for (const NamedControl& c : namedControls(copy)) {
    std::visit(
        [&](auto* control) {
          if constexpr (requires { control->text; })
            check(typedOver || !showsInfOrNan(control->text), c.name + " shows inf or nan");
          if constexpr (requires { control->caption; })
            check(!showsInfOrNan(control->caption), c.name + " shows inf or nan");
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

// apply() is pure: the same state and action give the same outcome.
inline bool applyIsPure(const WindowState& s, const Action& a) {
  const Outcome one = tickwell::apply(s, a);
  const Outcome two = tickwell::apply(s, a);
  return one.state == two.state && one.exit == two.exit && one.message.has_value() == two.message.has_value();
}

}  // namespace tickwell::checks
