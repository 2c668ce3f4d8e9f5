// A chip chosen: its timers and their scalers offered; what the window asks the solver; every solution it
// answers, applied, is what the window holds and shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/result_texts.h"
#include "calculator/apply.h"
#include "calculator/render.h"

namespace tickwell {
namespace {

using namespace action;

Action type(Box box, std::string text) { return Type{box, std::move(text)}; }

TEST(WindowTest, SolveRequestAndEverySolutionApplied) {
  struct Row {
    const char* name;
    std::vector<Action> actions;
    std::optional<Wanted> wanted;
    bool tmr0Adjust = false, pr2Adjust = false;
    std::size_t solutions = 10;  // at least
  };
  const Press ms{Command::PeriodUnit}, kHz{Command::FrequencyUnit};
  // clang-format off
  const Row rows[] = {
      {"nothing typed", {}, std::nullopt},
      {"negative period", {type(Box::SearchInt, "-5")}, std::nullopt},
      {"1 ns, out of reach", {type(Box::SearchInt, "1")}, Wanted{Quantity::Period, 1}, false, false, 0},
      {"20 MHz, 1 ms in ns", {type(Box::Freq, "20"), type(Box::SearchInt, "1000000")}, Wanted{Quantity::Period, 1e6}},
      // "37.5" in ms is 37,500,000 ns.
      {"PIC18 16-bit Timer0 adjusted, corrections, ms",
       {SelectWidth{Width::Bits16}, Toggle{Check::Tmr0Adjust}, type(Box::Timeout, "3"), type(Box::Overhead, "10"),
        ms, ms, type(Box::SearchInt, "37.5")}, Wanted{Quantity::Period, 37.5e6}, true},
      // Timer0 keeps its TMR0 Adjust while Timer2 shows its own PR2 Adjust; "2.5" kHz is 2,500 Hz.
      {"PIC18 Timer2, both adjustments, kHz",
       {Toggle{Check::Tmr0Adjust}, SelectTimer{2}, SelectFamily{Family::PIC18}, Toggle{Check::Pr2Adjust}, kHz,
        type(Box::SearchFreq, "2.5")}, Wanted{Quantity::Frequency, 2500}, true, true},
      {"4.9152 MHz without Fosc/4, PR2 Adjust kept on Timer0, 300 Hz",
       {type(Box::Freq, "4.9152"), Toggle{Check::Fosc4}, SelectTimer{2}, Toggle{Check::Pr2Adjust}, SelectTimer{0},
        type(Box::SearchFreq, "300")}, Wanted{Quantity::Frequency, 300}, false, true},
      // Timer1 counts Fosc, Timer0 and Timer2 (with 1:64) Fosc/4 whatever the box said.
      {"PIC16F1823 without Fosc/4 on Timer1, 20 MHz, 1 ms",
       {SelectDevice{"PIC16F1823"}, type(Box::Freq, "20"), SelectTimer{1}, Toggle{Check::Fosc4},
        type(Box::SearchInt, "1000000")}, Wanted{Quantity::Period, 1e6}},
      // Every timer of a chip of seven, the chip's listing of each shown.
      {"PIC18F45K22, 64 MHz, 1 kHz", {SelectDevice{"PIC18F45K22"}, type(Box::Freq, "64"), type(Box::SearchFreq, "1000")},
       Wanted{Quantity::Frequency, 1000}},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    WindowState s;
    for (const Action& a : r.actions) s = tickwell::apply(s, a).state;
    const auto request = solveRequest(s);
    ASSERT_EQ(request.has_value(), r.wanted.has_value());
    if (!request) continue;
    const TimerSettings w = settingsOf(s);
    EXPECT_EQ(std::tie(request->wanted.quantity, request->wanted.value, request->tmr0Adjust, request->pr2Adjust),
              std::tie(r.wanted->quantity, r.wanted->value, r.tmr0Adjust, r.pr2Adjust));
    EXPECT_EQ(std::tie(request->device, request->family, request->oscHz, request->fosc4, request->timeout,
                       request->overhead),
              std::tie(s.device, w.family, w.oscHz, w.fosc4, w.timeout, w.overhead));
    const auto solutions = solve(*request).solutions;
    ASSERT_GE(solutions.size(), r.solutions);
    // In ranking order, then back: every change of timer, width and scaler.
    std::vector<const Solution*> order;
    for (const Solution& row : solutions) order.push_back(&row);
    for (auto it = solutions.rbegin(); it != solutions.rend(); ++it) order.push_back(&*it);
    for (const Solution* row : order) {
      SCOPED_TRACE(testing::Message() << "Timer" << row->settings.timer << " 1:" << row->settings.prescale << " 1:"
                                      << row->settings.postscale << " preload " << row->settings.preload);
      s = tickwell::apply(s, ApplySettings{row->settings, request->wanted}).state;
      ASSERT_EQ(settingsOf(s), row->settings);
      const WindowView v = render(s);
      // The label beside the search reports what the window shows for the row
      // applied, though the row may be ranked by the chip's figures.
      const Quantity q = request->wanted.quantity;
      const double shownPpm =
          errorPpm(q == Quantity::Period ? row->result.periodNs : row->result.frequencyHz, request->wanted.value);
      EXPECT_TRUE(v.lblSearchError.caption.ends_with(", error " + ppmText(shownPpm) + " ppm"))
          << v.lblSearchError.caption;
      EXPECT_EQ(v.lblInterrupt.caption, shownPeriod(row->result.periodNs, s.periodUnit));
      EXPECT_EQ(v.lblHz.caption, shownFrequency(row->result.frequencyHz, s.frequencyUnit));
      EXPECT_TRUE(s.device ? v.device.timers[static_cast<std::size_t>(v.Ts1.index - 1)].number == row->settings.timer
                           : v.txtTimer[static_cast<std::size_t>(row->settings.timer)].visible);
    }
  }
}

// What a chip offers, as "chooser | timers (-: unavailable) | prescalers | Fosc/4 box | message".
std::string offered(const Outcome& o) {
  const WindowView v = render(o.state);
  std::string text = v.device.chooser.text() + " |";
  for (const ChipTimerView& t : v.device.timers) text += (t.enabled ? " " : " -") + std::to_string(t.number);
  text += " |";
  for (const std::string& p : *v.cbPre.list) text += " " + p;
  text += std::string(" | ") + (v.chkFosc.enabled ? "free" : "fixed") + (v.chkFosc.checked ? " on" : " off");
  return text + (o.message ? " | " + o.message->prompt : "");
}

TEST(WindowTest, DeviceChoice) {
  const std::string timer0 = " 1:1 1:2 1:4 1:8 1:16 1:32 1:64 1:128 1:256", timer1 = " 1:1 1:2 1:4 1:8";
  const Toggle fosc4{Check::Fosc4};
  const struct { std::vector<Action> actions; std::string offered; } rows[] = {
      {{}, "PIC16 (generic) | |" + timer0 + " | free on"},
      {{SelectDevice{"16f1823"}, SelectTimer{2}}, "PIC16F1823 | 0 1 2 | 1:1 1:4 1:16 1:64 | fixed on"},
      {{SelectDevice{"PIC16F1823"}, SelectTimer{1}, fosc4}, "PIC16F1823 | 0 1 2 |" + timer1 + " | free off"},
      {{SelectDevice{"PIC16F1823"}, SelectTimer{1}, fosc4, SelectTimer{0}, fosc4}, "PIC16F1823 | 0 1 2 |" + timer0 + " | fixed on"},
      {{SelectDevice{"pic18f45k22"}, SelectTimer{2}}, "PIC18F45K22 | 0 1 2 3 4 5 6 | 1:1 1:4 1:16 | fixed on"},
      // Timer2 of this chip is a hardware limit timer: not offered.
      {{SelectDevice{"PIC16F1614"}, SelectTimer{2}}, "PIC16F1614 | 0 1 -2 3 -4 5 -6 |" + timer0 + " | fixed on"},
      {{SelectDevice{"PIC18 (generic)"}}, "PIC18 (generic) | |" + timer0 + " | free on"},
      // The first chip of those that hold the text, as the chooser lists them.
      {{SelectDevice{"18f45"}}, "PIC18F4510 | 0 1 2 3 |" + timer0 + " | fixed on"},
      {{SelectDevice{"PIC16F1823"}, SelectDevice{"PIC16C54"}},
       "PIC16F1823 | 0 1 2 |" + timer0 + " | fixed on | PIC16C54 cannot be chosen: a baseline part has no interrupts."},
      // 16F1939 is two edits away, 16F1459 and 16F1509 three.
      {{SelectDevice{"16f9999"}}, "PIC16 (generic) | |" + timer0 +
                                      " | free on | No device is called \"16f9999\". The nearest: PIC16F1939, PIC16F1459, PIC16F1509."},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.offered);
    Outcome o{WindowState{}, std::nullopt};
    for (const Action& a : r.actions) o = tickwell::apply(o.state, a);
    EXPECT_EQ(offered(o), r.offered);
  }
  // Back on the generic family the window starts afresh; a chip's timer reaches the timer model with its kind.
  WindowState s;
  for (const Action& a : std::vector<Action>{SelectDevice{"PIC16F1823"}, SelectTimer{2}, type(Box::Timeout, "3")})
    s = tickwell::apply(s, a).state;
  EXPECT_TRUE(tickwell::apply(s, SelectDevice{"PIC16 (generic)"}).state == WindowState{});
  const TimerSettings t = settingsOf(tickwell::apply(s, Pick{List::Prescaler, 3}).state);
  EXPECT_EQ(std::tie(t.timer, t.kind, t.prescale, t.timeout), std::make_tuple(2, TimerKind::Timer2Enhanced, 64.0, 3.0));
}

}  // namespace
}  // namespace tickwell
