// What the window asks the solver; every solution it answers, applied, is what the window holds and shows.
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
    EXPECT_EQ(std::tie(request->family, request->oscHz, request->fosc4, request->timeout, request->overhead),
              std::tie(w.family, w.oscHz, w.fosc4, w.timeout, w.overhead));
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
      EXPECT_TRUE(v.txtTimer[static_cast<std::size_t>(row->settings.timer)].visible);
    }
  }
}

}  // namespace
}  // namespace tickwell
