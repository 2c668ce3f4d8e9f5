// The solutions dialog's table (cells, sorting, filters, the summary) and the
// texts of errors and reaches, on values worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/result_texts.h"
#include "app/solutions_table.h"

namespace tickwell {
namespace {

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
