// The solver against every preload of every configuration over random requests, and by hand where that says
// nothing: the order of rows of equal error, the prescaler and postscaler filters.
#include "search/solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>

// GCC 12 warns of the members a designated initializer leaves to their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace tickwell {
namespace {

// Every preload of every configuration; per configuration the best one by the
// figures asked for, kept when the wanted count is within half a tick of the
// counts it reached.
std::vector<Solution> bruteForce(const SolveRequest& req) {
  std::vector<Solution> rows;
  const Quantity q = req.wanted.quantity;
  const bool chip = req.by == Figures::Chip;
  for (const TimerChoice& c : timerChoices(req.family)) {
    if (!req.timers.empty() && std::find(req.timers.begin(), req.timers.end(), c) == req.timers.end()) continue;
    const TimerSpec& table = timerSpec(c.timer);
    for (const Prescaler& pre : table.prescalers) {
      for (double post = 1; post <= (table.hasPostscaler ? 16 : 1); ++post) {
        TimerSettings s{.family = req.family, .timer = c.timer, .width = c.width, .oscHz = req.oscHz,
                        .fosc4 = req.fosc4, .prescale = static_cast<double>(pre.ratio), .postscale = post,
                        .tmr0Adjust = c.timer == 0 && req.tmr0Adjust, .pr2Adjust = c.timer == 2 && req.pr2Adjust,
                        .timeout = req.timeout, .overhead = req.overhead};
        const int first = c.timer == 2 ? 1 : s.tmr0Adjust ? 2 : 0;
        const int last = c.timer == 2 ? 255 : (c.width == Width::Bits8 ? 255 : 65535);
        std::optional<Solution> best;
        double fewest = 0, most = 0;
        for (int p = first; p <= last; ++p) {
          s.preload = p;
          Solution row{.settings = s, .result = evaluate(s), .chip = chipInterval(s)};
          // The chip's counts are its cycles in ticks of the scalers.
          row.counts = chip ? row.chip.cycles / (s.prescale * s.postscale) : row.result.counts;
          row.periodNs = chip ? row.chip.seconds * 1e9 : row.result.periodNs;
          row.frequencyHz = chip ? 1 / row.chip.seconds : row.result.frequencyHz;
          row.errorPpm = errorPpm(row.achieved(q), req.wanted.value);
          if (p == first) fewest = most = row.counts;
          fewest = std::min(fewest, row.counts);
          most = std::max(most, row.counts);
          if (!best || std::abs(row.errorPpm) < std::abs(best->errorPpm) ||
              (std::abs(row.errorPpm) == std::abs(best->errorPpm) && row.counts > best->counts))
            best = row;
        }
        // The wanted count, rounded halves up, must be one of the register's;
        // the counts go with the period.
        const double wantedCounts = best->counts * (q == Quantity::Period ? req.wanted.value / best->periodNs
                                                                         : best->frequencyHz / req.wanted.value);
        if (wantedCounts < fewest - 0.5 || wantedCounts >= most + 0.5) continue;
        rows.push_back(*best);
      }
    }
  }
  return rows;
}

std::string describe(const Solution& s) {
  return (std::ostringstream() << "Timer" << s.settings.timer << (s.settings.width == Width::Bits8 ? " 8-bit" : " 16-bit") << " 1:"
          << s.settings.prescale << " 1:" << s.settings.postscale << " preload " << s.settings.preload << " counts " << s.counts
          << " " << s.errorPpm << " ppm").str();
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
    req.by = chance(0.5) ? Figures::Chip : Figures::Window;

    SCOPED_TRACE(testing::Message() << "case " << i << (req.by == Figures::Chip ? " by chip" : "") << ": osc " << req.oscHz
                                    << (req.fosc4 ? "/4" : "") << (req.wanted.quantity == Quantity::Period ? " period " : " frequency ") << req.wanted.value);
    // The same rows, each configuration's best preload, ranked by the size of
    // the error (the order within a size is the next test's business).
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

TEST(SolverTest, HandWorkedRankingsAndFilters) {
  struct Expected { int timer; double prescale, postscale; int preload; double counts, errorPpm; };
  // The first rows, in order, and how many there are (0: not checked).
  struct Row { const char* name; SolveRequest req; std::vector<Expected> first; std::size_t count; };
  const Wanted ms{Quantity::Period, 1e6}, us250{Quantity::Period, 250000};
  // clang-format off
  const Row rows[] = {
      // 4 MHz, 1 ms: 1,000 cycles of 1 µs = prescaler x postscaler x counts, all
      // exact: more counts first, then the lower timer, then the smaller prescaler.
      {"1 ms exact rows", {.wanted = ms, .by = Figures::Window},
       {{1, 1, 1, 64536, 1000, 0}, {1, 2, 1, 65036, 500, 0}, {0, 4, 1, 6, 250, 0}, {1, 4, 1, 65286, 250, 0},
        {2, 1, 4, 250, 250, 0}, {2, 4, 1, 250, 250, 0}, {2, 1, 5, 200, 200, 0}, {0, 8, 1, 131, 125, 0},
        {1, 8, 1, 65411, 125, 0}, {2, 1, 8, 125, 125, 0}, {2, 4, 2, 125, 125, 0}}, 0},
      // 250 µs is 250 cycles; only 1:4: 62.5 counts go up to 63 on Timer0, Timer1
      // and Timer2 1:1 (+8,000 ppm); Timer2 1:2 gets 31 (31 x 8 = 248 cycles) and
      // 1:3 21 (252): 1 + 1 + 16 rows.
      {"prescaler 1:4", {.wanted = us250, .prescale = 4, .by = Figures::Window},
       {{0, 4, 1, 193, 63, 8000}, {1, 4, 1, 65473, 63, 8000}, {2, 4, 1, 63, 63, 8000}, {2, 4, 2, 31, 31, -8000},
        {2, 4, 3, 21, 21, 8000}}, 18},
      // Postscaler 1:2 leaves Timer2 alone: 1 x 2 x 125; 4 x 2 x 31.25; 16 x 2 x 7.8125 (8 counts, +24,000 ppm).
      {"postscaler 1:2", {.wanted = us250, .postscale = 2, .by = Figures::Window},
       {{2, 1, 2, 125, 125, 0}, {2, 4, 2, 31, 31, -8000}, {2, 16, 2, 8, 8, 24000}}, 3},
      // PIC18 at 1:8 only, 1 ms: 125 counts on both widths of Timer0: 8-bit first.
      {"8-bit before 16-bit", {.family = Family::PIC18, .wanted = ms, .prescale = 8, .by = Figures::Window},
       {{0, 8, 1, 131, 125, 0}, {0, 8, 1, 65411, 125, 0}}, 0},
      // By the chip: Timer1 reloaded 5 cycles into the routine runs 995 ticks
      // for 1,000 cycles; Timer2 counts PR2 + 1. Timer0 1:4 preload 6 is 1,005
      // cycles there (the vector, the write and the two it holds TMR0 still).
      {"1 ms by the chip", {.wanted = ms},
       {{1, 1, 1, 64541, 1000, 0}, {2, 1, 4, 249, 250, 0}, {2, 4, 1, 249, 250, 0}, {2, 1, 5, 199, 200, 0}}, 0},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const auto got = solve(r.req).solutions;
    if (r.count) {
      EXPECT_EQ(got.size(), r.count);
    }
    ASSERT_GE(got.size(), r.first.size());
    for (std::size_t i = 0; i < r.first.size(); ++i) {
      const Expected& e = r.first[i];
      const TimerSettings& s = got[i].settings;
      EXPECT_EQ(std::tie(s.timer, s.prescale, s.postscale, s.preload, got[i].counts, got[i].errorPpm),
                std::tie(e.timer, e.prescale, e.postscale, e.preload, e.counts, e.errorPpm))
          << "row " << i << ": " << describe(got[i]);
    }
  }
}

}  // namespace
}  // namespace tickwell
