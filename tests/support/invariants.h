// What must hold on the calculator window after every user action, whatever
// was typed or clicked: values within their ranges, no "inf" or "nan" on
// screen, shown results that read back as numbers and describe one interrupt,
// one listing box shown for the selected timer, listings that end their last
// line, a bounded handler nesting. Header-only, shared by the unit tests and
// the fuzzer; it also starts a window the way the program does.
#pragma once

#include <algorithm>
#include <cctype>
#include <cmath>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "app/app_record.h"
#include "app/number_text.h"
#include "app/result_texts.h"
#include "app/startup.h"
#include "app/units.h"
#include "calculator/calculator.h"
#include "forms/platform.h"
#include "listing/listing.h"

namespace tickwell::checks {

// The deepest handler nesting allowed. The golden scenarios reach 6, long
// fuzzing runs 7; a runaway cascade goes far beyond.
inline constexpr int kMaxHandlerDepth = 32;

// A desktop for tests: a large screen and message boxes that take queued
// answers (OK when none is queued) and keep their prompts.
class TestDesktop : public Platform {
public:
  MsgAnswer messageBox(const std::string& prompt, MsgIcon, MsgButtons buttons, const std::string&) override {
    prompts.push_back(prompt);
    MsgAnswer answer = MsgAnswer::Ok;
    if (!answers.empty()) {
      answer = answers.front();
      answers.pop_front();
    }
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : answer;
  }
  ScreenSize screenSize() override { return {1280, 1024}; }
  void setClipboardText(const std::string&) override {}
  bool openAddress(const std::string&) override { return true; }

  std::deque<MsgAnswer> answers;
  std::vector<std::string> prompts;
};

// The calculator window after the program's start-up.
struct Window {
  Window() {
    initAppRecord(app);
    calc = std::make_unique<Calculator>(app, desktop);
    calc->Form_Load();
  }
  Calculator& operator*() { return *calc; }
  Calculator* operator->() { return calc.get(); }

  AppRecord app;
  TestDesktop desktop;
  std::unique_ptr<Calculator> calc;
};

// A user types `text` into a box (see TextBox::type).
inline void typeInto(TextBox& box, const std::string& text) { box.type(text); }

namespace detail {

// True when the text shows a word "inf", "infinity" or "nan" in any case,
// as a number conversion writes it ("inf", "-nan", "1.#INF"); a longer word
// such as "Info" is no such word.
inline bool showsInfOrNan(std::string_view text) {
  auto letter = [](char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); };
  auto sameWord = [](std::string_view word, std::string_view lower) {
    if (word.size() != lower.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k)
      if ((word[k] | 0x20) != lower[k]) return false;
    return true;
  };
  std::size_t i = 0;
  while (i < text.size()) {
    if (!letter(text[i])) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < text.size() && letter(text[i])) ++i;
    const std::string_view word = text.substr(start, i - start);
    if (sameWord(word, "inf") || sameWord(word, "infinity") || sameWord(word, "nan")) return true;
  }
  return false;
}

// A shown number: digits grouped in threes by commas or not grouped, an
// optional fraction, an optional exponent; nothing else.
inline bool wellFormedNumber(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  const std::size_t start = i;
  std::size_t run = 0;
  bool grouped = false;
  while (i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == ',')) {
    if (text[i] == ',') {
      if (run == 0 || (grouped && run != 3) || run > 3) return false;
      grouped = true;
      run = 0;
    } else {
      ++run;
    }
    ++i;
  }
  if (i == start || run == 0 || (grouped && run != 3)) return false;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction = ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == fraction) return false;
  }
  if (i < text.size() && text[i] == 'E') {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t digits = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == digits) return false;
  }
  return i == text.size();
}

// Calls `see` with every shown text of a control: text, caption, list
// entries, tab captions, tooltip.
template <class See>
void forEachShownText(const ControlPtr& control, See&& see) {
  std::visit(
      [&](auto c) {
        using T = std::remove_pointer_t<decltype(c)>;
        if constexpr (std::is_same_v<T, OptionRef>) {
          see((*c.group)[c.index].caption);
        } else if constexpr (std::is_same_v<T, Panel>) {
        } else if constexpr (std::is_same_v<T, WindowCaption>) {
          see(c->caption);
        } else {
          if constexpr (std::is_same_v<T, TextBox>) see(c->text());
          if constexpr (std::is_same_v<T, Label>) see(c->caption());
          if constexpr (std::is_same_v<T, Button> || std::is_same_v<T, Frame> || std::is_same_v<T, CheckBox>)
            see(c->caption);
          if constexpr (std::is_same_v<T, ComboBox>)
            for (const auto& entry : c->list()) see(entry);
          if constexpr (std::is_same_v<T, TabStrip>)
            for (const auto& tab : c->tabs) see(tab);
          see(c->tooltip);
        }
      },
      control);
}

// The smallest step of the display mask of a shown period or frequency, in
// its unit.
inline double periodStep(TimeUnit unit) {
  if (unit == TimeUnit::Nanoseconds) return 1;
  if (unit == TimeUnit::Microseconds) return 0.01;
  return 1e-7;  // ms, s: "#,###,##0.00#####"
}
inline constexpr double kFreqStep = 1e-5;  // "##,###,##0.00###"

}  // namespace detail

// Everything that does not hold, one line each ("what: detail"); empty when
// the window is sound. Meant for the state between two user actions.
inline std::vector<std::string> violations(const Calculator& c, const AppRecord& app) {
  std::vector<std::string> out;
  auto fail = [&](const std::string& what, const std::string& detail) { out.push_back(what + ": " + detail); };
  auto quoted = [](const std::string& s) { return "\"" + (s.size() > 60 ? s.substr(0, 60) + "..." : s) + "\""; };

  // Handler nesting: back to the top, and never deep.
  if (c.depth.current != 0) fail("handler depth", "still " + std::to_string(c.depth.current) + " deep");
  if (c.depth.deepest > kMaxHandlerDepth)
    fail("handler depth", std::to_string(c.depth.deepest) + " > " + std::to_string(kMaxHandlerDepth));

  // Selections: one option of each group, shown in bold; Timer4/5 never.
  const std::pair<const char*, const OptionGroup*> groups[] = {
      {"opTmr", &c.opTmr}, {"opMode", &c.opMode}, {"opFreq", &c.opFreq}, {"family", &c.family}};
  for (const auto& [name, g] : groups) {
    int selected = 0;
    for (int i = 0; i < g->size(); ++i) {
      selected += (*g)[i].value;
      if ((*g)[i].bold != (*g)[i].value) fail(name, "option " + std::to_string(i) + " bold does not mark the selection");
    }
    if (selected != 1) fail(name, std::to_string(selected) + " options selected");
  }
  const int timer = c.opTmr.selected();
  if (timer < 0 || timer > 3) fail("opTmr", "timer " + std::to_string(timer) + " selected");
  if (app.TimerNo != timer) fail("TimerNo", std::to_string(app.TimerNo) + " for timer " + std::to_string(timer));
  if (app.TimerMode != c.opMode.selected()) fail("TimerMode", "differs from opMode");

  // Scaler lists.
  const int preCount = timer == 0 ? 9 : timer == 2 ? 3 : 4;
  if (c.cbPre.count() != preCount) fail("cbPre", std::to_string(c.cbPre.count()) + " entries");
  if (c.cbPre.index() < 0 || c.cbPre.index() >= c.cbPre.count())
    fail("cbPre", "index " + std::to_string(c.cbPre.index()));
  if (c.cbPost.index() < 0 || c.cbPost.index() >= c.cbPost.count())
    fail("cbPost", "index " + std::to_string(c.cbPost.index()));
  if (c.cbComment.index() < 0 || c.cbComment.index() >= c.cbComment.count())
    fail("cbComment", "index " + std::to_string(c.cbComment.index()));

  // Preload: within the slider, whose range is the width's, shown in its box.
  const int p = c.sl1.value();
  const int max = app.TimerMode == 0 ? 255 : 65535;
  if (c.sl1.max() != max) fail("sl1", "maximum " + std::to_string(c.sl1.max()) + " in width " + std::to_string(app.TimerMode));
  if (p < 0 || p > c.sl1.max()) fail("sl1", "preload " + std::to_string(p) + " out of range");
  if (c.txtRegVal.text() != integerText(p)) fail("txtRegVal", quoted(c.txtRegVal.text()) + " for preload " + std::to_string(p));
  if (c.chkTMR0.value() && timer != 0) fail("chkTMR0", "checked on timer " + std::to_string(timer));
  if (c.chkPR2.value() && timer != 2) fail("chkPR2", "checked on timer " + std::to_string(timer));

  // The preload views show the preload.
  auto hex = [](const std::string& s) -> std::optional<long> {
    if (s.empty() || s.size() > 2 || s.find_first_not_of("0123456789ABCDEF") != std::string::npos) return std::nullopt;
    return std::stol(s, nullptr, 16);
  };
  auto dec = [](const std::string& s) -> std::optional<long> {
    if (s.empty() || s.size() > 3 || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::stol(s);
  };
  const auto hh = hex(c.txtHexH.text()), hl = hex(c.txtHexL.text());
  const auto dh = dec(c.txtDecH.text()), dl = dec(c.txtDecL.text());
  if (!hh || !hl || *hh * 256 + *hl != p) fail("txtHexH/L", quoted(c.txtHexH.text() + " " + c.txtHexL.text()) + " for " + std::to_string(p));
  if (!dh || !dl || *dh * 256 + *dl != p) fail("txtDecH/L", quoted(c.txtDecH.text() + " " + c.txtDecL.text()) + " for " + std::to_string(p));
  {
    const std::string& b = c.txtBin.text();
    const auto blank = b.find(' ');
    std::string digits = b.size() > 1 && b[0] == '%' && blank != std::string::npos ? b.substr(1, blank - 1) + b.substr(blank + 1) : "";
    if (blank == std::string::npos || b.size() - blank - 1 != 8 || digits.empty() || digits.size() > 24 ||
        digits.find_first_not_of("01") != std::string::npos || std::stol(digits, nullptr, 2) != p)
      fail("txtBin", quoted(b) + " for " + std::to_string(p));
  }

  // Timeout 0..15, shown in its box.
  if (c.slTimeout.value() < 0 || c.slTimeout.value() > 15 || c.slTimeout.max() != 15)
    fail("slTimeout", std::to_string(c.slTimeout.value()) + " of 0.." + std::to_string(c.slTimeout.max()));
  if (c.txtTimeout.text() != integerText(c.slTimeout.value()))
    fail("txtTimeout", quoted(c.txtTimeout.text()) + " for timeout " + std::to_string(c.slTimeout.value()));

  // Overhead: a number 0..32767.
  if (const auto o = parseNumber(c.txtOverhead.text()); !o || *o < 0 || *o > 32767)
    fail("txtOverhead", quoted(c.txtOverhead.text()));

  // Oscillator entry and frequency.
  if (c.txtFreq.text().empty() || !isNumeric(c.txtFreq.text()) || c.txtFreq.length() > 8)
    fail("txtFreq", quoted(c.txtFreq.text()));
  if (!(app.OscFreq >= 0.001 && app.OscFreq <= 1e15)) fail("OscFreq", recordNumber(app.OscFreq));

  // Search entries: numbers, at most one of them not "0".
  for (const TextBox* box : {&c.txtSearchInt, &c.txtSearchFreq})
    if (!isNumeric(box->text())) fail(box == &c.txtSearchInt ? "txtSearchInt" : "txtSearchFreq", quoted(box->text()));
  if (c.txtSearchInt.text() != "0" && c.txtSearchFreq.text() != "0")
    fail("search entries", "both hold a value: " + quoted(c.txtSearchInt.text()) + ", " + quoted(c.txtSearchFreq.text()));

  // Derived values: finite, and positive where they divide.
  const std::pair<const char*, double> fields[] = {
      {"PreScale", app.PreScale},   {"PostScale", app.PostScale}, {"TickFreq", app.TickFreq},
      {"TickTime", app.TickTime},   {"ClockFreq", app.ClockFreq}, {"MinPeriod", app.MinPeriod},
      {"MaxPeriod", app.MaxPeriod}, {"MaxPeriodPre1", app.MaxPeriodPre1}, {"MinFreq", app.MinFreq},
      {"MaxFreq", app.MaxFreq}};
  for (const auto& [name, v] : fields)
    if (!(std::isfinite(v) && v > 0)) fail(name, recordNumber(v));
  if (!std::isfinite(app.TmrCount)) fail("TmrCount", recordNumber(app.TmrCount));

  // No shown text says "inf" or "nan".
  for (const auto& nc : c.controls())
    detail::forEachShownText(nc.control, [&](const std::string& text) {
      if (detail::showsInfOrNan(text)) fail(nc.name, "shows " + quoted(text));
    });

  // Shown results are numbers (or empty, where a mask writes nothing for 0).
  const std::pair<const char*, const Label*> results[] = {
      {"lblCycle", &c.lblCycle}, {"lblFreq", &c.lblFreq},     {"lblClockFreq", &c.lblClockFreq},
      {"lblInterrupt", &c.lblInterrupt}, {"lblHz", &c.lblHz}, {"lblToInterrupt", &c.lblToInterrupt},
      {"lblMin", &c.lblMin},     {"lblMax", &c.lblMax},       {"lblMinFreq", &c.lblMinFreq},
      {"lblMaxFreq", &c.lblMaxFreq}};
  for (const auto& [name, label] : results) {
    const std::string& s = label->caption();
    if (!s.empty() && (!detail::wellFormedNumber(s) || readShown(s) < 0)) fail(name, "not a shown number: " + quoted(s));
  }

  // The search limits are in order.
  if (readShown(c.lblMin.caption()) > readShown(c.lblMax.caption()))
    fail("lblMin/lblMax", quoted(c.lblMin.caption()) + " above " + quoted(c.lblMax.caption()));
  if (readShown(c.lblMinFreq.caption()) > readShown(c.lblMaxFreq.caption()))
    fail("lblMinFreq/lblMaxFreq", quoted(c.lblMinFreq.caption()) + " above " + quoted(c.lblMaxFreq.caption()));

  // Period and frequency describe one interrupt: period_ns x freq_Hz = 1e9,
  // within the display rounding of both.
  const auto pu = timeUnitOf(c.btnInterrupt.caption);
  const auto fu = frequencyUnitOf(c.btnHertz.caption);
  if (!pu || !fu || *pu != c.periodUnit() || *fu != c.frequencyUnit()) {
    fail("result units", quoted(c.btnInterrupt.caption) + ", " + quoted(c.btnHertz.caption));
  } else {
    const double pf = factor(*pu), ff = factor(*fu);
    const double period = readShown(c.lblInterrupt.caption()) * pf;
    const double freq = readShown(c.lblHz.caption()) * ff;
    // Half a mask step, and half a unit of the 15th significant digit.
    const double dp = detail::periodStep(*pu) * pf / 2 + period * 1e-14;
    const double df = detail::kFreqStep * ff / 2 + freq * 1e-14;
    const double low = std::max(0.0, period - dp) * std::max(0.0, freq - df);
    const double high = (period + dp) * (freq + df);
    if (!(low <= 1e9 * (1 + 1e-12) && high >= 1e9 * (1 - 1e-12)))
      fail("lblInterrupt x lblHz", quoted(c.lblInterrupt.caption() + " " + c.btnInterrupt.caption) + " and " +
                                       quoted(c.lblHz.caption() + " " + c.btnHertz.caption) + " are no reciprocals");
  }

  // The results are what the timer model gives for the controls' settings,
  // formatted as anywhere else (the command line shows the same texts).
  {
    const TimerResult r = evaluate(c.settings());
    if (c.lblInterrupt.caption() != shownPeriod(r.periodNs, c.periodUnit()))
      fail("lblInterrupt", quoted(c.lblInterrupt.caption()) + ", the model gives " + quoted(shownPeriod(r.periodNs, c.periodUnit())));
    if (c.lblHz.caption() != shownFrequency(r.frequencyHz, c.frequencyUnit()))
      fail("lblHz", quoted(c.lblHz.caption()) + ", the model gives " + quoted(shownFrequency(r.frequencyHz, c.frequencyUnit())));
  }

  // The count to the interrupt is that of the preload as it stands.
  const double count = timer == 2 ? p : std::pow(256.0, app.TimerMode + 1) - p;
  if (readShown(c.lblToInterrupt.caption()) != count)
    fail("lblToInterrupt", quoted(c.lblToInterrupt.caption()) + " for preload " + std::to_string(p));

  // One listing box shown, the selected timer's; listings end their line and
  // quote the interrupt frequency and period shown.
  if (c.Ts1.index() != c.CurTab) fail("Ts1", "tab " + std::to_string(c.Ts1.index()) + ", CurTab " + std::to_string(c.CurTab));
  if (c.Ts1.index() != timer + 1) fail("Ts1", "tab " + std::to_string(c.Ts1.index()) + " for timer " + std::to_string(timer));
  for (int i = 0; i < 4; ++i) {
    const TextBox& box = c.txtTimer[static_cast<std::size_t>(i)];
    const std::string name = "txtTimer(" + std::to_string(i) + ")";
    if (box.visible != (i == c.CurTab - 1)) fail(name, box.visible ? "shown" : "hidden");
    const std::string& t = box.text();
    const bool notAvailable = t == kNotAvailable;
    if (notAvailable != (i == 3 && c.family[0].value)) fail(name, "\"NOT AVAILABLE\" " + std::string(notAvailable ? "shown" : "missing"));
    if (notAvailable) continue;
    if (t.size() < 2 || t.compare(t.size() - 2, 2, "\r\n") != 0)
      fail(name, "does not end with CR LF: " + quoted(t.size() > 60 ? t.substr(t.size() - 60) : t));
    const std::string freq = c.lblHz.caption() + c.btnHertz.caption;
    const std::string period = c.lblInterrupt.caption() + " " + c.btnInterrupt.caption;
    auto quotes = [&t](const std::string& what, const std::string& value) {
      return t.find(what + "=" + value) != std::string::npos || t.find(what + " = " + value) != std::string::npos;
    };
    if (!quotes("Freq", freq) || !quotes("Period", period))
      fail(name, "quotes another frequency or period than " + quoted(c.lblHz.caption() + c.btnHertz.caption) +
                     ", " + quoted(c.lblInterrupt.caption() + " " + c.btnInterrupt.caption));
  }

  if (c.p1.visible) fail("p1", "cover panel shown");
  return out;
}

// All violations in one text, for a test's failure message.
inline std::string joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\n";
  return s;
}

}  // namespace tickwell::checks
