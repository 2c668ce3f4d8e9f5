// The window state: a solution applied leaves the window holding and showing
// exactly that row; what the window asks the solver; and, over random user
// actions, the window's invariants and pure functions.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "../support/invariants.h"
#include "app/result_texts.h"
#include "forms/gestures.h"

namespace tickwell {
namespace {

using namespace action;

WindowState after(const std::vector<Action>& actions) {
  WindowState s;
  for (const Action& a : actions) s = tickwell::apply(s, a).state;
  return s;
}

Action type(Box box, std::string text) { return Type{box, std::move(text)}; }

struct WindowSetup {
  const char* name;
  std::vector<Action> actions;
};

TEST(WindowTest, EverySolutionAppliedIsWhatTheWindowHoldsAndShows) {
  const Press periodUnit{Command::PeriodUnit};
  // clang-format off
  const WindowSetup setups[] = {
      {"pic16 20 MHz 1 ms", {type(Box::Freq, "20"), type(Box::SearchInt, "1000000")}},
      {"pic18 16-bit Timer0 adjusted, corrections, ms",
       {SelectWidth{Width::Bits16}, Toggle{Check::Tmr0Adjust}, type(Box::Timeout, "3"), type(Box::Overhead, "10"),
        periodUnit, periodUnit, type(Box::SearchInt, "37.5")}},
      {"pic18 Timer2 PR2 adjusted, kHz",
       {SelectTimer{2}, SelectFamily{Family::PIC18}, Toggle{Check::Pr2Adjust}, Press{Command::FrequencyUnit},
        type(Box::SearchFreq, "2.5")}},
      {"4.9152 MHz without Fosc/4, 300 Hz",
       {type(Box::Freq, "4.9152"), Toggle{Check::Fosc4}, type(Box::SearchFreq, "300")}},
  };
  // clang-format on
  for (const WindowSetup& setup : setups) {
    SCOPED_TRACE(setup.name);
    WindowState s = after(setup.actions);
    const auto request = solveRequest(s);
    ASSERT_TRUE(request);
    const auto rows = solve(*request).solutions;
    ASSERT_GE(rows.size(), 10u);
    // In ranking order, then back: every change of timer, width and scaler.
    std::vector<const Solution*> order;
    for (const Solution& row : rows) order.push_back(&row);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) order.push_back(&*it);
    for (const Solution* row : order) {
      SCOPED_TRACE(testing::Message() << "Timer" << row->settings.timer << " 1:" << row->settings.prescale << " 1:"
                                      << row->settings.postscale << " preload " << row->settings.preload);
      s = tickwell::apply(s, ApplySettings{row->settings, request->wanted}).state;
      ASSERT_EQ(settingsOf(s), row->settings);
      const WindowView v = render(s);
      // The label beside the search reports on the row applied.
      EXPECT_EQ(v.lblSearchError.caption.ends_with(", error " + ppmText(row->errorPpm) + " ppm"), true)
          << v.lblSearchError.caption;
      EXPECT_EQ(v.lblInterrupt.caption, shownPeriod(row->result.periodNs, s.periodUnit));
      EXPECT_EQ(v.lblHz.caption, shownFrequency(row->result.frequencyHz, s.frequencyUnit));
      EXPECT_TRUE(v.txtTimer[static_cast<std::size_t>(row->settings.timer)].visible);
    }
  }
}

TEST(WindowTest, SolveRequestOfTheWindow) {
  struct Row {
    const char* name;
    std::vector<Action> actions;
    std::optional<Wanted> wanted;
    bool tmr0Adjust = false;
    bool pr2Adjust = false;
  };
  const Press ms{Command::PeriodUnit};
  // clang-format off
  const Row rows[] = {
      {"nothing typed", {}, std::nullopt},
      {"negative period", {type(Box::SearchInt, "-5")}, std::nullopt},
      // "1" in ms is 1,000,000 ns; "2.5" kHz is 2,500 Hz.
      {"period in ms", {ms, ms, type(Box::SearchInt, "1")}, Wanted{Quantity::Period, 1e6}},
      {"frequency in kHz", {Press{Command::FrequencyUnit}, type(Box::SearchFreq, "2.5")}, Wanted{Quantity::Frequency, 2500}},
      // Timer0 keeps its TMR0 Adjust while Timer2 shows its own PR2 Adjust, and back.
      {"both adjustments", {Toggle{Check::Tmr0Adjust}, SelectTimer{2}, Toggle{Check::Pr2Adjust}, type(Box::SearchInt, "1000")},
       Wanted{Quantity::Period, 1000}, true, true},
      {"PR2 Adjust kept while Timer0 shown", {SelectTimer{2}, Toggle{Check::Pr2Adjust}, SelectTimer{0}, type(Box::SearchFreq, "50")},
       Wanted{Quantity::Frequency, 50}, false, true},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const auto got = solveRequest(after(r.actions));
    ASSERT_EQ(got.has_value(), r.wanted.has_value());
    if (!got) continue;
    EXPECT_EQ(got->wanted.quantity, r.wanted->quantity);
    EXPECT_EQ(got->wanted.value, r.wanted->value);
    EXPECT_EQ(got->tmr0Adjust, r.tmr0Adjust);
    EXPECT_EQ(got->pr2Adjust, r.pr2Adjust);
  }
}

// Random gestures on every control, the message boxes answered either way:
// after each, the invariants hold and apply() is a function of its input.
TEST(WindowTest, InvariantsHoldAfterRandomActions) {
  const std::vector<std::string> texts = {"", " ", "abc", "-1", "0", "0.0", "1e400", "1e-320", "1,000", "4", "48",
                                          "49", "999", "1e9", "0.001", "0.5", "253", "255.5", "65536", "32768", "12.5",
                                          "7.3728", "998400", "0.9984", "5e-7", "  5  ", "\xC2\xB5"};
  std::mt19937 random(20261207);
  auto pick = [&](auto n) { return static_cast<std::size_t>(random() % static_cast<unsigned>(n)); };
  WindowState s;
  WindowView view = render(s);
  const auto controls = namedControls(view);
  for (int step = 0; step < 3000; ++step) {
    const NamedControl& control = controls[pick(controls.size())];
    const std::string& name = control.name;
    const std::string& text = texts[pick(texts.size())];
    // A disabled or hidden control takes no action.
    if (!std::visit([](auto* c) {
          if constexpr (std::is_base_of_v<ControlView, std::remove_pointer_t<decltype(c)>>) return c->usable();
          return true;
        }, control.control))
      continue;
    std::optional<Action> a;
    switch (pick(6)) {
      case 0: a = typeAction(name, text); break;
      case 1: a = focusAction(name); break;
      case 2: a = pickAction(name, static_cast<int>(pick(3))); break;
      case 3: a = slideAction(name, static_cast<long long>(pick(70000)) - 5); break;
      case 4: a = tabAction(static_cast<int>(pick(4)) + 1); break;
      default: a = clickAction(name); break;
    }
    if (!a) continue;
    ASSERT_TRUE(checks::applyIsPure(s, *a)) << name;
    Outcome o = tickwell::apply(s, *a);
    if (o.message && o.message->onOk && pick(2)) o = tickwell::apply(o.state, *o.message->onOk);
    if (o.exit) continue;
    s = o.state;
    view = render(s);
    const auto failed = checks::violations(s, view);
    ASSERT_TRUE(failed.empty()) << "step " << step << " at " << name << ": " << failed.front();
  }
}

}  // namespace
}  // namespace tickwell
