// The pure period and frequency search, on values worked out by hand: the
// prescaler scan, the nearest preload rounding up, down and at a half, the
// Timer2 postscaler choice, the limits, and what the user sees as exact.
#include "search/search.h"

#include <gtest/gtest.h>

#include <string>

namespace tickwell {
namespace {

TimerSettings timer(int number, double oscHz, Width width = Width::Bits8) {
  TimerSettings s;
  s.timer = number;
  s.oscHz = oscHz;
  s.width = width;
  return s;
}

TimerSettings with(TimerSettings s, double timeout, double overhead) {
  s.timeout = timeout;
  s.overhead = overhead;
  return s;
}

struct Row {
  const char* name;
  TimerSettings settings;
  double wanted;
  std::optional<int> keep;
  // Expected: a failure, or prescaler index, postscaler index, preload.
  std::optional<SearchFailure> failure;
  int prescaler = 0;
  std::optional<int> postscaler = {};
  double preload = 0;
};

void expectOutcome(const Row& r, const SearchOutcome& got) {
  SCOPED_TRACE(r.name);
  if (r.failure) {
    ASSERT_TRUE(std::holds_alternative<SearchFailure>(got));
    EXPECT_EQ(std::get<SearchFailure>(got), *r.failure);
    return;
  }
  ASSERT_TRUE(std::holds_alternative<SearchResult>(got));
  const SearchResult& s = std::get<SearchResult>(got);
  EXPECT_EQ(s.prescalerIndex, r.prescaler);
  EXPECT_EQ(s.postscalerIndex, r.postscaler);
  EXPECT_EQ(s.preload, r.preload);
}

TEST(SearchPeriodTest, HandWorked) {
  const TimerSettings t0 = timer(0, 20e6);  // 200 ns cycles, 51,200 ns full count at 1:1
  const TimerSettings t16 = timer(0, 16e6);  // 250 ns cycles, exact in binary: 64,000 ns at 1:1
  const TimerSettings t2 = timer(2, 20e6);
  TimerSettings t2post3 = t2;
  t2post3.postscale = 3;
  // clang-format off
  const Row rows[] = {
      // Full counts 51,200 .. 1,638,400 ns: 1:32 is the first above 1 ms;
      // 1e6 / 6,400 = 156.25 rounds down to 156 ticks: preload 100.
      {"rounds down", t0, 1e6, {}, {}, 5, {}, 100},
      // 1,003,500 / 6,400 = 156.796875 rounds up to 157: preload 99.
      {"rounds up", t0, 1003500, {}, {}, 5, {}, 99},
      // 16 MHz, 1:32: 8,000 ns a tick. 1,252,000 / 8,000 = 156.5 goes to the
      // even 156 (preload 100), 1,260,000 / 8,000 = 157.5 to 158 (preload 98).
      {"half to even down", t16, 1252000, {}, {}, 5, {}, 100},
      {"half to even up", t16, 1260000, {}, {}, 5, {}, 98},
      // 64,000 is not longer than 64,000: equality moves on to 1:2 (128,000 ns); 64,000 / 500 = 128.
      {"equal full count moves on", t16, 64000, {}, {}, 1, {}, 128},
      // The shortest period, one cycle: count 1, preload 255.
      {"minimum period", t16, 250, {}, {}, 0, {}, 255},
      {"below minimum", t16, 249.9, {}, SearchFailure::BelowMinimum},
      // 64,000 x 256 = 16,384,000 passes the limit but no full count exceeds it.
      {"maximum period", t16, 16384000, {}, SearchFailure::NoPrescaler},
      {"above maximum", t16, 16384000.5, {}, SearchFailure::AboveMaximum},
      // Kept prescaler 1:1: 1e6 / 200 = 5,000 ticks do not fit; 256 - 5,000.
      {"kept prescaler", t0, 1e6, 0, {}, 0, {}, -4744},
      // Timer2: 51,200 x 16 = 819,200 < 1e6, so 1:4 (204,800 ns); 204,800 x 5 > 1e6:
      // postscaler 1:5; 1e6 / (4 x 200 x 5) = 250.
      {"timer2 postscaler 1:5", t2, 1e6, {}, {}, 1, 4, 250},
      // 780,000 lies between 15 x and 16 x 51,200: 1:16; 780,000 / 3,200 = 243.75 -> 244.
      {"timer2 postscaler 1:16", t2, 780000, {}, {}, 0, 15, 244},
      // 50,000 < 51,200 at 1:1: no postscaler chosen, the one in force (1:3) divides: 50,000 / 600 = 83.33 -> 83.
      {"timer2 keeps its postscaler", t2post3, 50000, {}, {}, 0, {}, 83},
      // Within half a tick of 256 ticks the count rounds to 256, beyond PR2's range.
      {"timer2 count 256", t2, 51150, {}, {}, 0, {}, 256},
      // 16-bit Timer0 at 4 MHz, 0.5 s: 65,536,000 ns at 1:1 doubles to 524,288,000 at 1:8;
      // 5e8 / 8,000 = 62,500: preload 3,036.
      {"timer0 16-bit", timer(0, 4e6, Width::Bits16), 5e8, {}, {}, 3, {}, 3036},
      // Timer1 at 4 MHz, 100 ms: 1:2 (131,072,000 ns); 1e8 / 2,000 = 50,000: preload 15,536.
      {"timer1", timer(1, 4e6, Width::Bits16), 1e8, {}, {}, 1, {}, 15536},
      // Overhead 10 at 4 MHz, 1:1: the register counts 100 µs less 10 ticks of
      // 1 µs, 90 ticks: preload 166, and 90 + 10 ticks are the 100 µs.
      {"overhead", with(timer(0, 4e6), 0, 10), 100000, {}, {}, 0, {}, 166},
      // Timer2 at 20 MHz with timeout 5, 1 ms: at 1:1 even 1:16 stays below 1 ms
      // less 5 ticks; at 1:4, 1:5 is the first with 204,800 x 5 > 1e6 - 5 x 4,000;
      // then 980,000 / 4,000 = 245 ticks, and 245 + 5 = 250 ticks of 4 µs = 1 ms.
      {"timer2 timeout", with(timer(2, 20e6), 5, 0), 1e6, {}, {}, 1, 4, 245},
  };
  // clang-format on
  for (const Row& r : rows) expectOutcome(r, searchPeriod(r.settings, r.wanted, r.keep));
}

TEST(SearchFrequencyTest, HandWorked) {
  TimerSettings t1 = timer(1, 20e6, Width::Bits16);
  t1.prescale = 8;  // 625 kHz tick
  TimerSettings t2 = timer(2, 20e6);
  t2.prescale = 4;
  t2.postscale = 5;  // 250 kHz tick
  // clang-format off
  const Row rows[] = {
      // 625,000 / 1,000 = 625 ticks: 65,536 - 625 = 64,911.
      {"timer1 1000 Hz", t1, 1000, {}, {}, 3, {}, 64911},
      // With overhead 25 the register counts 600 of the 625: 65,536 - 600.
      {"timer1 overhead", with(t1, 0, 25), 1000, {}, {}, 3, {}, 64936},
      // 625,000 / 3,000 = 208.33 ticks: 65,536 - 208.33 = 65,327.67 rounds to 65,328.
      {"timer1 rounds up", t1, 3000, {}, {}, 3, {}, 65328},
      {"timer1 above maximum", t1, 625000.5, {}, SearchFailure::AboveMaximum},
      // Lowest: 5 MHz / 65,536 / 8 = 9.5367... Hz.
      {"timer1 below minimum", t1, 9.5, {}, SearchFailure::BelowMinimum},
      // 250,000 / 25,000 = 10 = PR2.
      {"timer2 25 kHz", t2, 25000, {}, {}, 1, {}, 10},
      // 250,000 / 20,000 = 12.5: a half goes to the even 12.
      {"timer2 half to even", t2, 20000, {}, {}, 1, {}, 12},
      // Timer2's lowest frequency ignores its scalers: 5 MHz / 256 = 19,531.25 Hz.
      {"timer2 lowest", t2, 19531.25, {}, {}, 1, {}, 13},
      {"timer2 below its lowest", t2, 19531, {}, SearchFailure::BelowMinimum},
      // Timer0's lowest frequency (5 MHz / 256 / 256 = 76.3 Hz) assumes 1:256
      // while its 1:1 is kept: 5 MHz / 100 Hz = 50,000 ticks, far beyond 256.
      {"timer0 kept 1:1", timer(0, 20e6), 100, {}, {}, 0, {}, -49744},
      {"timer0 below its lowest", timer(0, 20e6), 76, {}, SearchFailure::BelowMinimum},
  };
  // clang-format on
  for (const Row& r : rows) expectOutcome(r, searchFrequency(r.settings, r.wanted));
}

TEST(SearchTest, ShowsExactly) {
  // What the user reads, rounded by the display mask, decides.
  // 998,400 ns shows as 998,400 (not 1 ms); 1e6 ns in ms shows "1.00".
  EXPECT_FALSE(showsExactly(1e6, 998400, TimeUnit::Nanoseconds));
  EXPECT_TRUE(showsExactly(1e6, 1e6, TimeUnit::Milliseconds));
  EXPECT_TRUE(showsExactly(998400, 998400, TimeUnit::Nanoseconds));
  // 1,000.4 ns shows as 1,000 in ns, but as 1.00 µs: both read back as 1,000.
  EXPECT_TRUE(showsExactly(1000, 1000.4, TimeUnit::Nanoseconds));
  EXPECT_TRUE(showsExactly(1000, 1000.4, TimeUnit::Microseconds));
  // Frequencies are compared as whole hertz: 1,001.6 Hz is 1,002.
  EXPECT_TRUE(showsExactly(1002, 156250.0 / 156, FrequencyUnit::Hertz));
  EXPECT_FALSE(showsExactly(1000, 156250.0 / 156, FrequencyUnit::Hertz));
  // 2 kHz shows "2.00" kHz and reads back as 2,000 Hz.
  EXPECT_TRUE(showsExactly(2000, 2000, FrequencyUnit::Kilohertz));
}

}  // namespace
}  // namespace tickwell
