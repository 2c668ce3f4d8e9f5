// All solutions in the calculator window: a row applied through the window's
// controls leaves the window holding and showing exactly that row; what the
// window asks the solver; the search frame's error label; and the dialog's
// table (cells, sorting, filters, the summary) on values worked out by hand.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../support/invariants.h"
#include "app/result_texts.h"
#include "calculator/solutions.h"

namespace tickwell {
namespace {

using checks::typeInto;
using checks::Window;

struct WindowSetup {
  const char* name;
  std::function<void(Calculator&)> actions;
};

TEST(ApplySolutionTest, EveryRowLeavesTheWindowShowingItsPeriod) {
  // clang-format off
  const WindowSetup setups[] = {
      {"pic16 20 MHz 1 ms", [](Calculator& c) { typeInto(c.txtFreq, "20"); typeInto(c.txtSearchInt, "1000000"); }},
      {"pic18 tmr0 16-bit adjusted, corrections, ms", [](Calculator& c) {
         c.opMode.click(1);  // 16-bit Timer0: PIC18
         c.chkTMR0.click();
         typeInto(c.txtTimeout, "3");
         typeInto(c.txtOverhead, "10");
         c.btnInterrupt.click();
         c.btnInterrupt.click();
         typeInto(c.txtSearchInt, "37.5");
       }},
      {"pic18 timer2 pr2 adjusted, frequency in kHz", [](Calculator& c) {
         c.opTmr.click(2);
         c.family.click(1);
         c.chkPR2.click();
         c.btnHertz.click();
         typeInto(c.txtSearchFreq, "2.5");
       }},
      {"4.9152 MHz without Fosc/4, 300 Hz", [](Calculator& c) {
         typeInto(c.txtFreq, "4.9152");
         c.chkFosc.click();
         typeInto(c.txtSearchFreq, "300");
       }},
  };
  // clang-format on
  for (const WindowSetup& setup : setups) {
    SCOPED_TRACE(setup.name);
    Window w;
    setup.actions(*w);
    const auto request = w->solveRequest();
    ASSERT_TRUE(request);
    const auto rows = solve(*request).solutions;
    ASSERT_GE(rows.size(), 10u);
    // In ranking order, then back: every change of timer, width and scaler.
    std::vector<const Solution*> order;
    for (const Solution& s : rows) order.push_back(&s);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) order.push_back(&*it);
    for (const Solution* s : order) {
      w->applySolution(*s);
      SCOPED_TRACE(testing::Message() << "Timer" << s->settings.timer << " 1:" << s->settings.prescale << " 1:"
                                      << s->settings.postscale << " preload " << s->settings.preload);
      ASSERT_EQ(w->settings(), s->settings);
      EXPECT_EQ(w->lblInterrupt.caption(), shownPeriod(s->result.periodNs, w->periodUnit()));
      EXPECT_EQ(w->lblHz.caption(), shownFrequency(s->result.frequencyHz, w->frequencyUnit()));
      EXPECT_EQ(w->Ts1.index(), s->settings.timer + 1);  // its listing is the one shown
      const auto problems = checks::violations(*w, w.app);
      ASSERT_TRUE(problems.empty()) << checks::joined(problems);
    }
  }
}

TEST(ApplySolutionTest, SettingsFromTheCommandLineReachTheWindowExactly) {
  // The oscillator too goes in through the entry; the adjustment boxes are
  // checked before the preload is set, so the preload is the one asked for.
  struct Row {
    const char* name;
    TimerSettings s;
    const char* oscText;  // what the entry then holds
    int preset;           // the oscillator option then selected
  };
  TimerSettings t0;
  t0.oscHz = 32768;
  t0.prescale = 8;
  t0.preload = 200;
  t0.tmr0Adjust = true;
  TimerSettings t3;
  t3.family = Family::PIC18;
  t3.timer = 3;
  t3.width = Width::Bits16;
  t3.oscHz = 64e6;
  t3.prescale = 2;
  t3.preload = 65000;
  t3.timeout = 15;
  t3.overhead = 0.5;
  TimerSettings t2 = t0;
  t2.timer = 2;
  t2.oscHz = 20e6;  // a preset
  t2.fosc4 = false;
  t2.prescale = 16;
  t2.postscale = 16;
  t2.preload = 255;
  t2.tmr0Adjust = false;
  t2.pr2Adjust = true;
  TimerSettings t0wide = t0;
  t0wide.family = Family::PIC18;
  t0wide.width = Width::Bits8;
  t0wide.oscHz = 500;
  t0wide.preload = 2;
  const Row rows[] = {
      {"32.768 kHz as Hz", t0, "32768", 15},
      {"timer3 at 64 MHz", t3, "64000000", 15},
      // A frequency of the presets selects its option (20 MHz is the 11th).
      {"timer2 preset, PR2 255 adjusted", t2, "20", 10},
      // 500 Hz would read as kHz; 0.0005 MHz is what enters it.
      {"8-bit timer0 on pic18 at 500 Hz", t0wide, "0.0005", 15},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Window w;
    w->applySettings(r.s);
    EXPECT_EQ(w->settings(), r.s);
    EXPECT_EQ(w->txtFreq.text(), r.oscText);
    EXPECT_EQ(w->opFreq.selected(), r.preset);
    EXPECT_EQ(w->txtRegVal.text(), std::to_string(r.s.preload));
  }
  // TMR0 Adjust is Timer0's and PR2 Adjust Timer2's: a Timer1 row leaves both off.
  Window w;
  TimerSettings t1 = t3;
  t1.family = Family::PIC16;
  t1.timer = 1;
  t1.tmr0Adjust = t1.pr2Adjust = true;
  w->applySettings(t1);
  EXPECT_EQ(w->chkTMR0.value(), 0);
  EXPECT_EQ(w->chkPR2.value(), 0);
  EXPECT_EQ(w->settings().preload, t1.preload);
}

TEST(SolveRequestTest, WhatTheWindowAsksFor) {
  struct Row {
    const char* name;
    std::function<void(Calculator&)> actions;
    std::optional<Wanted> wanted;
    bool tmr0Adjust = false;
    bool pr2Adjust = false;
  };
  // clang-format off
  const Row rows[] = {
      {"nothing typed", [](Calculator&) {}, std::nullopt},
      // "1" in ms is 1,000,000 ns.
      {"period in ms", [](Calculator& c) { c.btnSearchInt.click(); c.btnSearchInt.click(); typeInto(c.txtSearchInt, "1"); },
       Wanted{Quantity::Period, 1e6}},
      {"frequency in kHz", [](Calculator& c) { c.btnSearchHertz.click(); typeInto(c.txtSearchFreq, "2.5"); },
       Wanted{Quantity::Frequency, 2500}},
      {"negative period", [](Calculator& c) { typeInto(c.txtSearchInt, "-5"); }, std::nullopt},
      // Timer0 keeps its TMR0 Adjust while Timer2 shows its own PR2 Adjust.
      {"adjustments of both", [](Calculator& c) {
         c.chkTMR0.click();
         c.opTmr.click(2);
         c.chkPR2.click();
         typeInto(c.txtSearchInt, "1000");
       }, Wanted{Quantity::Period, 1000}, true, true},
      {"with the window's overhead", [](Calculator& c) {
         typeInto(c.txtOverhead, "9");
         typeInto(c.txtSearchInt, "1000");
       }, Wanted{Quantity::Period, 1000}},
      {"pr2 kept while timer0 shown", [](Calculator& c) {
         c.opTmr.click(2);
         c.chkPR2.click();
         c.opTmr.click(0);
         typeInto(c.txtSearchFreq, "50");
       }, Wanted{Quantity::Frequency, 50}, false, true},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Window w;
    r.actions(*w);
    const auto got = w->solveRequest();
    ASSERT_EQ(got.has_value(), r.wanted.has_value());
    if (!got) continue;
    EXPECT_EQ(got->wanted.quantity, r.wanted->quantity);
    EXPECT_EQ(got->wanted.value, r.wanted->value);
    EXPECT_EQ(got->tmr0Adjust, r.tmr0Adjust);
    EXPECT_EQ(got->pr2Adjust, r.pr2Adjust);
    EXPECT_EQ(got->oscHz, w.app.OscFreq);
    EXPECT_EQ(got->overhead, leadingValue(w->txtOverhead.text()));
  }
}

TEST(SearchLabelTest, ShowsWhatTheSearchAchieved) {
  struct Row {
    const char* name;
    std::function<void(Calculator&)> actions;
    const char* caption;
  };
  const auto search = [](Calculator& c, const char* entry, const char* text) {
    typeInto(std::string(entry) == "txtSearchInt" ? c.txtSearchInt : c.txtSearchFreq, text);
    c.cmdSearch.click();
  };
  // clang-format off
  const Row rows[] = {
      {"before any search", [](Calculator&) {}, ""},
      // 20 MHz, 1 ms: 156 ticks of 6.4 µs = 0.9984 ms, 1,600 ppm short.
      {"inexact period in ms", [&](Calculator& c) {
         typeInto(c.txtFreq, "20");
         c.btnInterrupt.click();
         c.btnInterrupt.click();
         search(c, "txtSearchInt", "1");
       }, "Achieved 0.9984 ms, error -1,600 ppm"},
      // Timer2: 1:4, 1:5, PR2 250 of 200 ns cycles.
      {"exact period", [&](Calculator& c) {
         typeInto(c.txtFreq, "20");
         c.opTmr.click(2);
         search(c, "txtSearchInt", "1000000");
       }, "Achieved 1,000,000 ns, error 0 ppm"},
      // Timer1 1:8 at 20 MHz: 625 ticks of 1.6 µs.
      {"exact frequency", [&](Calculator& c) {
         typeInto(c.txtFreq, "20");
         c.opTmr.click(1);
         c.cbPre.pick(3);
         search(c, "txtSearchFreq", "1000");
       }, "Achieved 1,000.00 Hz, error 0 ppm"},
      // 13,107,200 ns at 4 MHz: 1:64, 205 ticks of 64 µs = 13,120,000 ns,
      // 12,800 / 13,107,200 = +976.5625 ppm.
      {"rounded ppm", [&](Calculator& c) { search(c, "txtSearchInt", "13107200"); },
       "Achieved 13,120,000 ns, error +976.563 ppm"},
      {"edited after the search", [&](Calculator& c) {
         search(c, "txtSearchInt", "13107200");
         typeInto(c.txtSearchInt, "1310720");
       }, ""},
      {"unit changed after the search", [&](Calculator& c) {
         search(c, "txtSearchInt", "13107200");
         c.btnSearchInt.click();
       }, ""},
      {"refused as too long", [&](Calculator& c) {
         search(c, "txtSearchInt", "13107200");
         search(c, "txtSearchInt", "1e12");
       }, ""},
      // At 20 MHz the same value is Timer0's longest period: no prescaler's
      // full count is longer. The entry keeps its text, the label is blanked.
      {"refused for no prescaler", [&](Calculator& c) {
         search(c, "txtSearchInt", "13107200");
         typeInto(c.txtFreq, "20");
         c.cmdSearch.click();
       }, ""},
      {"refused frequency", [&](Calculator& c) {
         search(c, "txtSearchFreq", "1000");
         search(c, "txtSearchFreq", "1");
       }, ""},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Window w;
    r.actions(*w);
    EXPECT_EQ(w->lblSearchError.caption(), r.caption);
  }
}

SolutionsTable twentyMegahertzOneMillisecond() {
  SolveRequest r;
  r.oscHz = 20e6;
  r.wanted = {Quantity::Period, 1e6};
  return SolutionsTable(r, TimeUnit::Milliseconds, FrequencyUnit::Hertz);
}

std::vector<std::string> cells(const SolutionsTable& t, std::size_t row) {
  std::vector<std::string> out;
  for (int c = 0; c < SolutionsTable::kColumnCount; ++c) out.push_back(t.cell(row, SolutionsTable::Column(c)));
  return out;
}

TEST(SolutionsTableTest, CellsSortingAndFilters) {
  using Column = SolutionsTable::Column;
  using Cells = std::vector<std::string>;
  SolutionsTable t = twentyMegahertzOneMillisecond();
  EXPECT_EQ(t.heading(), "Wanted: period 1 ms\nPIC16, oscillator 20 MHz / 4, ISR timeout 0 and overhead 0 cycles");
  // 5,000 cycles of 200 ns. Timer0 reaches it at 1:32..1:256 (156.25 .. 19.5
  // counts; 312.5 at 1:16 is beyond 256), Timer1 at all four, Timer2 at 1:4 with
  // 1:5..1:16 (1,250 / j <= 255.5) and at 1:16 with 1:2..1:16: 4 + 4 + 12 + 15.
  // Exact: Timer1 x 4, Timer2 1:4 with 1:5 and 1:10.
  EXPECT_EQ(t.summary(), "35 solutions, 6 exact.");
  ASSERT_EQ(t.rowCount(), 35u);
  EXPECT_EQ(cells(t, 0), (Cells{"Timer1", "16-bit", "1:1", "-", "60536", "5,000", "1.00 ms", "1,000.00 Hz", "0", "0"}));
  EXPECT_EQ(cells(t, 4), (Cells{"Timer2", "8-bit", "1:4", "1:5", "250", "250", "1.00 ms", "1,000.00 Hz", "0", "0"}));

  // The largest errors: 20 ticks of 256 cycles = 5,120 cycles, +24,000 ppm, on
  // Timer0 1:256 (preload 236) and Timer2 1:16 1:16; the lower timer first.
  t.sortBy(Column::ErrorPpm, false);
  EXPECT_EQ(cells(t, 0),
            (Cells{"Timer0", "8-bit", "1:256", "-", "236", "20", "1.024 ms", "976.5625 Hz", "+24,000", "+2.4"}));
  EXPECT_EQ(t.cell(1, Column::Postscaler), "1:16");
  // The smallest preload is that PR2 of 20.
  t.sortBy(Column::Preload, true);
  EXPECT_EQ(t.cell(0, Column::Preload), "20");
  EXPECT_EQ(t.cell(0, Column::Timer), "Timer2");
  // By period, shortest first: 4,928 cycles (28 x 176 and 22 x 224, -14,400 ppm).
  t.sortBy(Column::Period, true);
  EXPECT_EQ(t.cell(0, Column::Period), "0.9856 ms");
  EXPECT_EQ(t.cell(0, Column::ErrorPpm), "-14,400");
  EXPECT_EQ(t.cell(0, Column::ErrorPercent), "-1.44");

  t.setExactOnly(true);
  EXPECT_EQ(t.rowCount(), 6u);
  EXPECT_EQ(t.summary(), "35 solutions, 6 exact; showing the exact ones.");
  t.setExactOnly(false);

  // Timer0 alone: its four rows.
  ASSERT_EQ(t.choices().size(), 3u);
  EXPECT_EQ(t.choiceCaption(0), "Timer0");
  t.consider(1, false);
  t.consider(2, false);
  EXPECT_EQ(t.rowCount(), 4u);
  EXPECT_EQ(t.summary(), "4 solutions, 0 exact.");
  t.consider(0, false);
  EXPECT_EQ(t.rowCount(), 0u);
  EXPECT_EQ(t.summary(), "No timer chosen.");

  // By width, 8-bit first; on PIC18 Timer0 is offered in both widths.
  SolutionsTable byWidth = twentyMegahertzOneMillisecond();
  byWidth.sortBy(Column::Width, true);
  EXPECT_EQ(byWidth.cell(0, Column::Width), "8-bit");
  EXPECT_EQ(byWidth.cell(byWidth.rowCount() - 1, Column::Width), "16-bit");
  // Rows alike in the sorted column keep their ranking: the best 8-bit row,
  // Timer2's exact 1:4 1:5, comes first.
  EXPECT_EQ(cells(byWidth, 0), cells(twentyMegahertzOneMillisecond(), 4));
  // Errors of the same size: the negative one first when ascending.
  SolveRequest fourMegahertz;
  fourMegahertz.oscHz = 4e6;
  fourMegahertz.wanted = {Quantity::Period, 1e6};
  SolutionsTable signs(fourMegahertz, TimeUnit::Nanoseconds, FrequencyUnit::Hertz);
  signs.sortBy(Column::ErrorPpm, true);
  std::size_t plus = 0, minus = 0;
  for (std::size_t i = 0; i < signs.rowCount(); ++i) {
    if (signs.cell(i, Column::ErrorPpm) == "+1,000" && !plus) plus = i;
    if (signs.cell(i, Column::ErrorPpm) == "-1,000" && !minus) minus = i;
  }
  ASSERT_TRUE(plus && minus);
  EXPECT_LT(minus, plus);
  // And every positive one first when descending, though the ranking has
  // -1,000 (111 counts) between +1,000 rows (143 and 91 counts).
  signs.sortBy(Column::ErrorPpm, false);
  std::size_t lastPlus = 0, firstMinus = signs.rowCount();
  for (std::size_t i = 0; i < signs.rowCount(); ++i) {
    if (signs.cell(i, Column::ErrorPpm) == "+1,000") lastPlus = i;
    if (signs.cell(i, Column::ErrorPpm) == "-1,000" && firstMinus == signs.rowCount()) firstMinus = i;
  }
  EXPECT_LT(lastPlus, firstMinus);
  // One solution is one: only Timer1 at 1:8 reaches 65,536 x 8 cycles.
  SolveRequest longest = fourMegahertz;
  longest.wanted = {Quantity::Period, 524288000};
  const SolutionsTable single(longest, TimeUnit::Nanoseconds, FrequencyUnit::Hertz);
  EXPECT_EQ(single.summary(), "1 solution, 1 exact.");
  SolveRequest pic18;
  pic18.family = Family::PIC18;
  pic18.oscHz = 20e6;
  pic18.wanted = {Quantity::Period, 1e6};
  const SolutionsTable both(pic18, TimeUnit::Milliseconds, FrequencyUnit::Hertz);
  EXPECT_EQ(both.choiceCaption(0), "Timer0 8-bit");
  EXPECT_EQ(both.choiceCaption(1), "Timer0 16-bit");

  // PR2 Adjust counts the match cycle: PR2 249 makes the 250 counts.
  SolutionsTable adjusted = twentyMegahertzOneMillisecond();
  adjusted.setAdjust(false, true);
  EXPECT_EQ(adjusted.cell(4, Column::Preload), "249");
  EXPECT_EQ(adjusted.cell(4, Column::Counts), "250");
}

TEST(SolutionsTableTest, WhenNothingReaches) {
  struct Row {
    const char* name;
    SolveRequest request;
    std::vector<std::size_t> left;  // choices the user switches off
    const char* summary;
  };
  SolveRequest far;
  far.oscHz = 20e6;
  far.family = Family::PIC18;
  far.wanted = {Quantity::Period, 1e10};
  SolveRequest fast = far;
  fast.wanted = {Quantity::Frequency, 2e7};
  SolveRequest gap;
  gap.wanted = {Quantity::Period, 1.5e6};
  gap.overhead = 1000;
  // clang-format off
  const Row rows[] = {
      // 200 ns cycles; 16-bit Timer0 at 1:256 counts 65,536 x 256 x 200 ns = 3.3554432 s.
      {"period", far, {}, "Nothing reaches a period of 10 s: the timers considered reach 200 ns to 3.3554432 s."},
      // One count of 200 ns is 5 MHz at most; 1 / 3.3554432 s = 0.298 Hz at least.
      {"frequency", fast, {}, "Nothing reaches a frequency of 20 MHz: the timers considered reach 0.2980232239 Hz to 5 MHz."},
      // 4 MHz with 1,000 cycles of overhead, Timer1 switched off: Timer0 1:1
      // reaches up to 1,256 µs, Timer0 1:2 and Timer2 1:1 1:2 from 2 x 1,001 µs.
      {"gap", gap, {1}, "Nothing reaches a period of 1.5 ms: the nearest are 1.256 ms and 2.002 ms."},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    SolutionsTable t(r.request, TimeUnit::Nanoseconds, FrequencyUnit::Hertz);
    for (std::size_t choice : r.left) t.consider(choice, false);
    EXPECT_EQ(t.rowCount(), 0u);
    EXPECT_EQ(t.summary(), r.summary);
  }
}

TEST(ResultTextsTest, ErrorsAndMessageValues) {
  struct Row {
    std::string got;
    const char* expected;
  };
  const Row rows[] = {
      {ppmText(0), "0"},
      {ppmText(-1600), "-1,600"},
      {ppmText(7.6292781), "+7.629"},
      {ppmText(0.0004), "0"},  // shows as 0: no sign
      {ppmText(-0.0006), "-0.001"},
      {percentText(-1600), "-0.16"},
      {percentText(15.258556), "+0.0015259"},
      {periodText(524288000), "524.288 ms"},
      {periodText(1000), "1 \xC2\xB5s"},
      {periodText(0.5), "0.5 ns"},
      {periodText(1e10), "10 s"},
      {frequencyText(1e6 / 524288), "1.907348633 Hz"},
      {frequencyText(2.5e6), "2.5 MHz"},
  };
  for (const Row& r : rows) EXPECT_EQ(r.got, r.expected);
}

}  // namespace
}  // namespace tickwell
