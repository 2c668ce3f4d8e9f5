// The solver against an enumeration of every preload of every configuration,
// over random requests, and on lists worked out by hand: several exact
// solutions in their ranking, the Timer2 solution with and without PR2
// Adjust, a prime number of cycles that nothing hits, periods beyond every
// range or in a gap, the adjustments and the filters.
#include "search/solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>

namespace tickwell {
namespace {

// ---------------------------------------------------------------- brute force

double valueOf(const TimerResult& r, Quantity q) { return q == Quantity::Period ? r.periodNs : r.frequencyHz; }

// Every preload of every configuration; per configuration the best one, kept
// when the wanted count is within half a tick of the counts it reached.
std::vector<Solution> bruteForce(const SolveRequest& req) {
  std::vector<Solution> rows;
  const Quantity q = req.wanted.quantity;
  for (const TimerChoice& c : timerChoices(req.family)) {
    if (!req.timers.empty() && std::find(req.timers.begin(), req.timers.end(), c) == req.timers.end()) continue;
    const TimerSpec& table = timerSpec(c.timer);
    for (const Prescaler& pre : table.prescalers) {
      for (int post = 1; post <= (table.hasPostscaler ? 16 : 1); ++post) {
        TimerSettings s;
        s.family = req.family;
        s.timer = c.timer;
        s.width = c.width;
        s.oscHz = req.oscHz;
        s.fosc4 = req.fosc4;
        s.prescale = pre.ratio;
        s.postscale = post;
        s.tmr0Adjust = c.timer == 0 && req.tmr0Adjust;
        s.pr2Adjust = c.timer == 2 && req.pr2Adjust;
        s.timeout = req.timeout;
        s.overhead = req.overhead;
        const int first = c.timer == 2 ? 1 : s.tmr0Adjust ? 2 : 0;
        const int last = c.timer == 2 ? 255 : (c.width == Width::Bits8 ? 255 : 65535);
        std::optional<Solution> best;
        double fewest = 0, most = 0;
        for (int p = first; p <= last; ++p) {
          s.preload = p;
          Solution row{s, evaluate(s), 0};
          row.errorPpm = errorPpm(valueOf(row.result, q), req.wanted.value);
          if (p == first) fewest = most = row.result.counts;
          fewest = std::min(fewest, row.result.counts);
          most = std::max(most, row.result.counts);
          if (!best || std::abs(row.errorPpm) < std::abs(best->errorPpm) ||
              (std::abs(row.errorPpm) == std::abs(best->errorPpm) && row.result.counts > best->result.counts))
            best = row;
        }
        // The wanted count, rounded halves up, must be one of the register's.
        const double wantedCounts = q == Quantity::Period ? req.wanted.value / (best->result.tickUs * 1000)
                                                          : best->result.tickHz / req.wanted.value;
        if (wantedCounts < fewest - 0.5 || wantedCounts >= most + 0.5) continue;
        rows.push_back(*best);
      }
    }
  }
  return rows;
}

std::string describe(const Solution& s) {
  std::ostringstream o;
  o << "Timer" << s.settings.timer << (s.settings.width == Width::Bits8 ? " 8-bit" : " 16-bit") << " 1:"
    << s.settings.prescale << " 1:" << s.settings.postscale << " preload " << s.settings.preload << " counts "
    << s.result.counts << " " << s.errorPpm << " ppm";
  return o.str();
}

TEST(SolverTest, AgreesWithEveryPreloadTried) {
  std::mt19937 random(20261206);
  const double oscillators[] = {32768, 1e6, 4e6, 4.9152e6, 8e6, 11.0592e6, 20e6, 32e6, 40e6, 48e6, 64e6};
  auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); };
  auto chance = [&](double p) { return uniform(0, 1) < p; };
  for (int i = 0; i < 200; ++i) {
    SolveRequest req;
    req.family = chance(0.5) ? Family::PIC18 : Family::PIC16;
    req.oscHz = chance(0.7) ? oscillators[random() % std::size(oscillators)] : std::round(uniform(1e5, 6.4e7));
    req.fosc4 = chance(0.8);
    const double cycleNs = 1e9 / (req.fosc4 ? req.oscHz / 4 : req.oscHz);
    // From half a cycle to beyond the longest count (65,536 x 256 cycles), evenly on a log scale.
    const double periodNs = cycleNs * std::pow(2.0, uniform(-1, 25));
    // A round number of cycles now and then, so that exact solutions occur.
    const double wantedNs = chance(0.3) ? cycleNs * std::round(periodNs / cycleNs) : periodNs;
    req.wanted = chance(0.5) ? Wanted{Quantity::Period, wantedNs} : Wanted{Quantity::Frequency, 1e9 / wantedNs};
    if (chance(0.3)) req.timeout = static_cast<double>(random() % 16);
    if (chance(0.2)) req.overhead = static_cast<double>(random() % 200);
    req.tmr0Adjust = chance(0.3);
    req.pr2Adjust = chance(0.3);
    if (chance(0.2)) req.timers = {timerChoices(req.family)[random() % timerChoices(req.family).size()]};

    SCOPED_TRACE(testing::Message() << "case " << i << ": osc " << req.oscHz << (req.fosc4 ? "/4" : "")
                                    << (req.wanted.quantity == Quantity::Period ? " period " : " frequency ")
                                    << req.wanted.value);
    // The same rows, each configuration's best preload, ranked by the size of
    // the error (the ties are the worked examples' business).
    std::vector<std::string> expected, got;
    for (const Solution& s : bruteForce(req)) expected.push_back(describe(s));
    const auto rows = solve(req).solutions;
    for (std::size_t k = 0; k < rows.size(); ++k) {
      got.push_back(describe(rows[k]));
      if (k > 0) {
        ASSERT_LE(std::abs(rows[k - 1].errorPpm), std::abs(rows[k].errorPpm)) << "row " << k;
      }
    }
    std::sort(expected.begin(), expected.end());
    std::sort(got.begin(), got.end());
    ASSERT_EQ(got, expected);
  }
}

// ------------------------------------------------------------- worked by hand

struct Expected {
  int timer;
  double prescale;
  double postscale;
  int preload;
  double counts;
  double errorPpm;
};

SolveRequest request(Family family, double oscHz, Wanted wanted) {
  SolveRequest r;
  r.family = family;
  r.oscHz = oscHz;
  r.wanted = wanted;
  return r;
}

void expectRows(const std::vector<Solution>& got, const std::vector<Expected>& expected) {
  ASSERT_GE(got.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "row " << i << ": " << describe(got[i]));
    const Expected& e = expected[i];
    EXPECT_EQ(got[i].settings.timer, e.timer);
    EXPECT_EQ(got[i].settings.prescale, e.prescale);
    EXPECT_EQ(got[i].settings.postscale, e.postscale);
    EXPECT_EQ(got[i].settings.preload, e.preload);
    EXPECT_EQ(got[i].result.counts, e.counts);
    EXPECT_EQ(got[i].errorPpm, e.errorPpm);
  }
}

TEST(SolverTest, OneMillisecondAtFourMegahertzRanksItsExactSolutions) {
  // 1 µs cycles: 1,000 cycles = prescaler x postscaler x counts. Equal error,
  // so more counts first, then the lower timer, then the smaller prescaler.
  const auto rows = solve(request(Family::PIC16, 4e6, {Quantity::Period, 1e6})).solutions;
  expectRows(rows, {
                       {1, 1, 1, 64536, 1000, 0},  // 65,536 - 1,000
                       {1, 2, 1, 65036, 500, 0},
                       {0, 4, 1, 6, 250, 0},       // 256 - 250
                       {1, 4, 1, 65286, 250, 0},
                       {2, 1, 4, 250, 250, 0},     // 1 x 4 x 250
                       {2, 4, 1, 250, 250, 0},     // 4 x 1 x 250: larger prescaler after
                       {2, 1, 5, 200, 200, 0},
                       {0, 8, 1, 131, 125, 0},     // 256 - 125
                       {1, 8, 1, 65411, 125, 0},
                       {2, 1, 8, 125, 125, 0},
                       {2, 4, 2, 125, 125, 0},
                       {2, 1, 10, 100, 100, 0},
                       {2, 4, 5, 50, 50, 0},
                       {2, 4, 10, 25, 25, 0},
                   });
  // Nothing else is exact: 1,000 has no other split into a prescaler, a
  // postscaler and a count that fits (Timer0 1:1 would need 1,000 counts).
  ASSERT_GT(rows.size(), 14u);
  EXPECT_FALSE(rows[14].exact());
}

TEST(SolverTest, OneMillisecondAtTwentyMegahertzOnTimer2WithAndWithoutPr2Adjust) {
  // 200 ns cycles: 5,000 cycles. Timer2 needs 4 x 5 x 250 or 4 x 10 x 125.
  SolveRequest req = request(Family::PIC16, 20e6, {Quantity::Period, 1e6});
  const std::vector<Expected> plain = {
      {1, 1, 1, 60536, 5000, 0}, {1, 2, 1, 63036, 2500, 0}, {1, 4, 1, 64286, 1250, 0},
      {1, 8, 1, 64911, 625, 0},  {2, 4, 5, 250, 250, 0},    {2, 4, 10, 125, 125, 0},
  };
  expectRows(solve(req).solutions, plain);
  // PR2 Adjust counts the match cycle: PR2 249 makes 250 counts.
  req.pr2Adjust = true;
  std::vector<Expected> adjusted = plain;
  adjusted[4].preload = 249;
  adjusted[5].preload = 124;
  const auto rows = solve(req).solutions;
  expectRows(rows, adjusted);
  EXPECT_FALSE(rows[6].exact());
  // The same configurations reach 1 kHz.
  req.wanted = {Quantity::Frequency, 1000};
  expectRows(solve(req).solutions, adjusted);
}

TEST(SolverTest, APrimeNumberOfCyclesHasNoExactSolution) {
  // 65.537 ms at 4 MHz is 65,537 cycles, a prime above every count of 1:1.
  const SolveOutcome out = solve(request(Family::PIC16, 4e6, {Quantity::Period, 65537000}));
  // Every row is one cycle off (+-1 / 65,537 = 15.258556 ppm); more counts first.
  expectRows(out.solutions, {
                                // 65,537 / 2 = 32,768.5 ticks of 2 cycles: both neighbours are a cycle
                                // off, more counts win: 65,536 - 32,769 = 32,767.
                                {1, 2, 1, 32767, 32769, 15.258556},
                                // 16,384.25 and 8,192.125 round down to 65,536 cycles.
                                {1, 4, 1, 49152, 16384, -15.258556},
                                {1, 8, 1, 57344, 8192, -15.258556},
                                // 256.004 ticks of 256 cycles on Timer0 at its full count.
                                {0, 256, 1, 0, 256, -15.258556},
                            });
  // Timer1 1:1 would need 65,537 counts and Timer2 1:16 1:16 a PR2 of 256:
  // neither fits, so those rows are left out.
  EXPECT_EQ(out.solutions.size(), 4u);
}

TEST(SolverTest, WhatNothingReaches) {
  struct Row {
    const char* name;
    SolveRequest req;
    double lowest, highest;
    std::optional<double> below, above;
  };
  SolveRequest gap = request(Family::PIC16, 4e6, {Quantity::Period, 1.5e6});
  gap.timers = {{0, Width::Bits8}};
  gap.overhead = 1000;
  SolveRequest higherGap = gap;
  higherGap.wanted = {Quantity::Period, 3e6};
  // clang-format off
  const Row rows[] = {
      // Timer2 at PR2 1 is one 1 µs cycle; Timer1 1:8 full is 8 x 65,536 µs = 524.288 ms.
      {"period beyond every range", request(Family::PIC16, 4e6, {Quantity::Period, 1e10}), 1000, 524288000, {}, {}},
      // A quarter of a cycle rounds to no count at all.
      {"period below a cycle", request(Family::PIC16, 4e6, {Quantity::Period, 250}), 1000, 524288000, {}, {}},
      // 1 MHz at most (one count); 3 MHz is a third of a count. 1 / 0.524288 s = 1.9073 Hz at least.
      {"frequency above every range", request(Family::PIC16, 4e6, {Quantity::Frequency, 3e6}), 1e6 / 524288, 1e6, {}, {}},
      // 1,000 cycles of overhead: 1:1 reaches 1,001..1,256 cycles, 1:2 2,002..2,512: 1,500 lies
      // between; 1:256 reaches 1,256 x 256 cycles.
      {"gap", gap, 1001000, 1256 * 256000.0, 1256000, 2002000},
      // 3 ms lies above 1:1 and 1:2 (2,512 cycles) and below 1:4 (4,004): the nearer of the two below.
      {"gap above two ranges", higherGap, 1001000, 1256 * 256000.0, 2512000, 4004000},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const SolveOutcome out = solve(r.req);
    EXPECT_TRUE(out.solutions.empty());
    EXPECT_DOUBLE_EQ(out.reach.lowest, r.lowest);
    EXPECT_DOUBLE_EQ(out.reach.highest, r.highest);
    EXPECT_EQ(out.reach.below, r.below);
    EXPECT_EQ(out.reach.above, r.above);
  }
}

TEST(SolverTest, AdjustmentsFiltersAndCorrections) {
  struct Row {
    const char* name;
    SolveRequest req;
    std::vector<Expected> first;
    std::size_t count;
  };
  // 250 µs at 4 MHz: 250 cycles of 1 µs.
  auto with = [](void (*change)(SolveRequest&)) {
    SolveRequest r = request(Family::PIC16, 4e6, {Quantity::Period, 250000});
    change(r);
    return r;
  };
  const int k8 = 0;  // for brevity below: Timer0 in 8-bit
  // clang-format off
  const Row rows[] = {
      // 250 counts at 1:1 (256 - 250 = 6), 125 at 1:2; 62.5 at 1:4 is half a tick
      // either way: 63 counts win, 2 cycles long = +8,000 ppm; 31.25 at 1:8 rounds
      // to 31, 2 cycles short; 15.625, 7.8125, 3.906, 1.953 and 0.977 round to
      // 16, 8, 4, 2 and 1 counts, each 256 cycles = +24,000 ppm.
      {"timer0 only", with([](SolveRequest& r) { r.timers = {{0, Width::Bits8}}; }),
       {{k8, 1, 1, 6, 250, 0}, {k8, 2, 1, 131, 125, 0}, {k8, 4, 1, 193, 63, 8000}, {k8, 8, 1, 225, 31, -8000},
        {k8, 16, 1, 240, 16, 24000}, {k8, 32, 1, 248, 8, 24000}, {k8, 64, 1, 252, 4, 24000},
        {k8, 128, 1, 254, 2, 24000}, {k8, 256, 1, 255, 1, 24000}},
       9},
      // The adjustment raises each preload by the two cycles it counts back
      // (6 + 2 = 8), and keeps it at 2 or more: 2 counts at 1:128 and 1 at
      // 1:256 would need preloads 256 and 257, so those rows go.
      {"tmr0 adjust", with([](SolveRequest& r) { r.timers = {{0, Width::Bits8}}; r.tmr0Adjust = true; }),
       {{k8, 1, 1, 8, 250, 0}, {k8, 2, 1, 133, 125, 0}, {k8, 4, 1, 195, 63, 8000}},
       7},
      // Timeout 5 and overhead 20 are part of the 250 cycles: 225 register
      // ticks (preload 31), 100 at 1:2 (156); 37.5 at 1:4 goes up to 38; at
      // 1:16 the register would have to count -9.4 ticks.
      {"corrections", with([](SolveRequest& r) { r.timers = {{0, Width::Bits8}}; r.timeout = 5; r.overhead = 20; }),
       {{k8, 1, 1, 31, 250, 0}, {k8, 2, 1, 156, 125, 0}, {k8, 4, 1, 218, 63, 8000}, {k8, 8, 1, 250, 31, -8000}},
       4},
      // Prescaler 1:4 only: 62.5 counts on Timer0, Timer1 and Timer2 1:1 all go
      // up to 63 (+8,000 ppm); then Timer2 with postscaler 1:2 (31 x 8 = 248
      // cycles, -8,000 ppm) and 1:3 (21 x 12 = 252, +8,000). 1 + 1 + 16 rows.
      {"prescaler 1:4", with([](SolveRequest& r) { r.prescale = 4; }),
       {{0, 4, 1, 193, 63, 8000}, {1, 4, 1, 65473, 63, 8000}, {2, 4, 1, 63, 63, 8000},
        {2, 4, 2, 31, 31, -8000}, {2, 4, 3, 21, 21, 8000}},
       18},
      // Postscaler 1:2 leaves Timer2 alone: 1 x 2 x 125; 4 x 2 x 31.25; 16 x 2 x 7.8125.
      {"postscaler 1:2", with([](SolveRequest& r) { r.postscale = 2; }),
       {{2, 1, 2, 125, 125, 0}, {2, 4, 2, 31, 31, -8000}, {2, 16, 2, 8, 8, 24000}},
       3},
      // 4 kHz is 250 cycles too: 250 counts on each timer at 1:1, lower timer first.
      {"frequency", with([](SolveRequest& r) { r.wanted = {Quantity::Frequency, 4000}; }),
       {{0, 1, 1, 6, 250, 0}, {1, 1, 1, 65286, 250, 0}, {2, 1, 1, 250, 250, 0}},
       0},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const auto got = solve(r.req).solutions;
    expectRows(got, r.first);
    if (r.count) {
      EXPECT_EQ(got.size(), r.count);
    }
  }
}

}  // namespace
}  // namespace tickwell
