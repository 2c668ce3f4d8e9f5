// The solutions dialog's table (cells, sorting, filters, summary, nothing in reach), worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/solutions_table.h"
#include "timer/device.h"

// GCC 12 warns of the members a designated initializer leaves to their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace tickwell {
namespace {

using Column = SolutionsTable::Column;
using Cells = std::vector<std::string>;

// Worked out on the window's figures; the chip's come last.
SolutionsTable table(SolveRequest r, TimeUnit unit = TimeUnit::Milliseconds) {
  r.by = Figures::Window;
  return SolutionsTable(r, unit, FrequencyUnit::Hertz);
}

Cells cells(const SolutionsTable& t, std::size_t row) {
  Cells out;
  for (int c = 0; c < SolutionsTable::kColumnCount; ++c) out.push_back(t.cell(row, Column(c)));
  return out;
}

Cells column(const SolutionsTable& t, Column c) {
  Cells out;
  for (std::size_t row = 0; row < t.rowCount(); ++row) out.push_back(t.cell(row, c));
  return out;
}

TEST(SolutionsTableTest, CellsSortingAndFilters) {
  const SolveRequest oneMs{.oscHz = 20e6, .wanted = {Quantity::Period, 1e6}};
  SolutionsTable t = table(oneMs);
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
  EXPECT_EQ(t.cell(0, Column::Preload) + " " + t.cell(0, Column::Timer), "20 Timer2");
  // By period, shortest first: 4,928 cycles (28 x 176 and 22 x 224, -14,400 ppm).
  t.sortBy(Column::Period, true);
  EXPECT_EQ(t.cell(0, Column::Period) + " " + t.cell(0, Column::ErrorPpm) + " " + t.cell(0, Column::ErrorPercent),
            "0.9856 ms -14,400 -1.44");
  t.setExactOnly(true);
  EXPECT_EQ(t.rowCount(), 6u);
  EXPECT_EQ(t.summary(), "35 solutions, 6 exact; showing the exact ones.");
  t.setExactOnly(false);
  // Timer0 alone: its four rows; then no timer.
  ASSERT_EQ(t.choices().size(), 3u);
  EXPECT_EQ(t.choiceCaption(0), "Timer0");
  t.consider(1, false);
  t.consider(2, false);
  EXPECT_EQ(t.summary(), "4 solutions, 0 exact.");
  t.consider(0, false);
  EXPECT_EQ(t.rowCount(), 0u);
  EXPECT_EQ(t.summary(), "No timer chosen.");

  // By width, 8-bit first; rows alike in the sorted column keep their ranking:
  // the best 8-bit row, Timer2's exact 1:4 1:5, comes first.
  SolutionsTable byWidth = table(oneMs);
  byWidth.sortBy(Column::Width, true);
  EXPECT_EQ(byWidth.cell(byWidth.rowCount() - 1, Column::Width), "16-bit");
  EXPECT_EQ(cells(byWidth, 0), cells(table(oneMs), 4));
  // Errors of the same size: the negative one first when ascending, every
  // positive one first when descending, though the ranking has -1,000 (111
  // counts) between +1,000 rows (143 and 91 counts).
  SolutionsTable signs = table({.wanted = {Quantity::Period, 1e6}});
  signs.sortBy(Column::ErrorPpm, true);
  Cells errors = column(signs, Column::ErrorPpm);
  ASSERT_NE(std::ranges::find(errors, "+1,000"), errors.end());
  EXPECT_LT(std::ranges::find(errors, "-1,000"), std::ranges::find(errors, "+1,000"));
  signs.sortBy(Column::ErrorPpm, false);
  errors = column(signs, Column::ErrorPpm);
  EXPECT_LE(std::find(errors.rbegin(), errors.rend(), "+1,000").base(), std::ranges::find(errors, "-1,000"));
  // One solution is one: only Timer1 at 1:8 reaches 65,536 x 8 cycles.
  EXPECT_EQ(table({.wanted = {Quantity::Period, 524288000}}).summary(), "1 solution, 1 exact.");
  const SolutionsTable pic18 = table({.family = Family::PIC18, .wanted = {Quantity::Period, 1e6}});
  EXPECT_EQ(pic18.choiceCaption(0) + ", " + pic18.choiceCaption(1), "Timer0 8-bit, Timer0 16-bit");
  // PR2 Adjust counts the match cycle: PR2 249 makes the 250 counts.
  SolutionsTable adjusted = table(oneMs);
  adjusted.setAdjust(false, true);
  EXPECT_EQ(adjusted.cell(4, Column::Preload) + " " + adjusted.cell(4, Column::Counts), "249 250");
  // By the chip's figures Timer1 1:1 comes first, exact with 4,995 register
  // ticks and the routine's 5 cycles: 5,000 counts.
  adjusted.setFigures(Figures::Chip);
  EXPECT_EQ(adjusted.heading().substr(0, 32), "Wanted: period 1 ms, on the chip");
  EXPECT_EQ(adjusted.cell(0, Column::Preload) + " " + adjusted.cell(0, Column::Counts), "60541 5,000");
}

TEST(SolutionsTableTest, WhenNothingReaches) {
  struct Row { const char* name; SolveRequest request; std::vector<std::size_t> off; const char* summary; };
  const SolveRequest gap{.wanted = {Quantity::Period, 1.5e6}, .overhead = 1000};
  // clang-format off
  const Row rows[] = {
      // 200 ns cycles: one count is 5 MHz at most; 16-bit Timer0 at 1:256 counts
      // 65,536 x 256 x 200 ns = 3.3554432 s, 0.298 Hz at least.
      {"frequency", {.family = Family::PIC18, .oscHz = 20e6, .wanted = {Quantity::Frequency, 2e7}}, {},
       "Nothing reaches a frequency of 20 MHz: the timers considered reach 0.2980232239 Hz to 5 MHz."},
      // 4 MHz with 1,000 cycles of overhead, Timer1 switched off: Timer0 1:1
      // reaches up to 1,256 µs, Timer0 1:2 and Timer2 1:1 1:2 from 2 x 1,001 µs.
      {"gap", gap, {1}, "Nothing reaches a period of 1.5 ms: the nearest are 1.256 ms and 2.002 ms."},
      // Timer0 alone at 3 ms: above 1:1 and 1:2 (up to 2 x 1,256 cycles), below
      // 1:4 (from 4 x 1,001): the nearer of the two below.
      {"gap above two", {.wanted = {Quantity::Period, 3e6}, .overhead = 1000}, {1, 2},
       "Nothing reaches a period of 3 ms: the nearest are 2.512 ms and 4.004 ms."},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    SolutionsTable t = table(r.request, TimeUnit::Nanoseconds);
    for (std::size_t choice : r.off) t.consider(choice, false);  // switched off by the user
    EXPECT_EQ(t.rowCount(), 0u);
    EXPECT_EQ(t.summary(), r.summary);
    // The nearest values are looked for in a gap only.
    const bool gap = std::string(r.summary).find("nearest") != std::string::npos;
    EXPECT_EQ(std::pair(t.outcome().reach.below.has_value(), t.outcome().reach.above.has_value()), std::pair(gap, gap));
  }
}

// A chip's timers are the ones to choose from: every instance, Timer0 in both PIC18 widths.
TEST(SolutionsTableTest, AChipsTimers) {
  const SolutionsTable t =
      table({.family = Family::PIC18, .device = findDevice("PIC18F45K22"), .oscHz = 20e6, .wanted = {Quantity::Period, 1e6}});
  std::string captions;
  for (std::size_t i = 0; i < t.choices().size(); ++i) captions += t.choiceCaption(i) + ",";
  EXPECT_EQ(captions, "Timer0 8-bit,Timer0 16-bit,Timer1,Timer2,Timer3,Timer4,Timer5,Timer6,");
  EXPECT_TRUE(t.heading().ends_with("\nPIC18F45K22, oscillator 20 MHz / 4, ISR timeout 0 and overhead 0 cycles"));
  // 5,000 cycles exactly at 1:1 on the 16-bit timers, the lower timer first.
  const Cells timers = column(t, Column::Timer);
  EXPECT_EQ(Cells(timers.begin(), timers.begin() + 4), (Cells{"Timer0", "Timer1", "Timer3", "Timer5"}));
}

}  // namespace
}  // namespace tickwell
