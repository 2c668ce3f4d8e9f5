// The period and frequency search worked out by hand where the golden scenarios do not reach: halves to even,
// a full count equal to the wanted period, the postscaler in force, the routine's timeout and overhead, the
// limits themselves; and what the user sees as exact.
#include "search/search.h"

#include <gtest/gtest.h>

namespace tickwell {
namespace {

TEST(SearchTest, HandWorked) {
  constexpr bool kPeriod = false, kFrequency = true;
  // Expected: the prescaler's index, the postscaler's (Timer2's scan), the preload.
  const struct { const char* name; TimerSettings s; bool frequency; double wanted; int prescaler;
                 std::optional<int> postscaler; double preload; } rows[] = {
      // 16 MHz, 1:32: 8,000 ns a tick. 1,252,000 / 8,000 = 156.5 goes to the
      // even 156 (preload 100), 1,260,000 / 8,000 = 157.5 to 158 (preload 98).
      {"half to even down", {.oscHz = 16e6}, kPeriod, 1252000, 5, {}, 100},
      {"half to even up", {.oscHz = 16e6}, kPeriod, 1260000, 5, {}, 98},
      // 64,000 ns is not longer than the full count at 1:1: on to 1:2 (500 ns a tick), 128 ticks.
      {"equal full count moves on", {.oscHz = 16e6}, kPeriod, 64000, 1, {}, 128},
      // 50,000 < 51,200 at 1:1: no postscaler chosen, the one in force (1:3) divides: 50,000 / 600 = 83.33 -> 83.
      {"timer2 keeps its postscaler", {.timer = 2, .oscHz = 20e6, .postscale = 3}, kPeriod, 50000, 0, {}, 83},
      // Overhead 10 at 4 MHz, 1:1: the register counts 100 µs less 10 ticks of
      // 1 µs, 90 ticks: preload 166, and 90 + 10 ticks are the 100 µs.
      {"overhead", {.overhead = 10}, kPeriod, 100000, 0, {}, 166},
      // Timer2 at 20 MHz with timeout 5, 1 ms: at 1:1 even 1:16 stays below 1 ms
      // less 5 ticks; at 1:4, 1:5 is the first with 204,800 x 5 > 1e6 - 5 x 4,000;
      // then 980,000 / 4,000 = 245 ticks, and 245 + 5 = 250 ticks of 4 µs = 1 ms.
      {"timer2 timeout", {.timer = 2, .oscHz = 20e6, .timeout = 5}, kPeriod, 1e6, 1, 4, 245},
      // Timer1 at 20 MHz, 1:8: 625 kHz. With overhead 25 the register counts 600
      // of the 625 ticks of 1 kHz: 65,536 - 600.
      {"timer1 overhead", {.timer = 1, .width = Width::Bits16, .oscHz = 20e6, .prescale = 8, .overhead = 25},
       kFrequency, 1000, 3, {}, 64936},
      // The highest frequency is one tick.
      {"timer1 at its highest", {.timer = 1, .width = Width::Bits16, .oscHz = 20e6, .prescale = 8},
       kFrequency, 625000, 3, {}, 65535},
      // Timer2 1:4 1:5 at 20 MHz: 250 kHz. 250,000 / 20,000 = 12.5: a half goes to the even 12.
      {"timer2 half to even", {.timer = 2, .oscHz = 20e6, .prescale = 4, .postscale = 5}, kFrequency, 20000,
       1, {}, 12},
      // Timer2's lowest frequency ignores its scalers: 5 MHz / 256 = 19,531.25 Hz, 12.8 ticks.
      {"timer2 at its lowest", {.timer = 2, .oscHz = 20e6, .prescale = 4, .postscale = 5}, kFrequency,
       19531.25, 1, {}, 13},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const SearchOutcome got =
        r.frequency ? searchFrequency(r.s, r.wanted) : searchPeriod(r.s, r.wanted, std::nullopt);
    ASSERT_TRUE(std::holds_alternative<SearchResult>(got));
    const SearchResult& s = std::get<SearchResult>(got);
    EXPECT_EQ(s.prescalerIndex, r.prescaler);
    EXPECT_EQ(s.postscalerIndex, r.postscaler);
    EXPECT_EQ(s.preload, r.preload);
  }
}

TEST(SearchTest, ShowsExactly) {
  // What the user reads, rounded by the display mask, decides: 1,000.4 ns
  // shows as 1,000 in ns and as 1.00 µs; 1e6 ns in ms shows "1.00".
  EXPECT_TRUE(showsExactly(1000, 1000.4, TimeUnit::Nanoseconds));
  EXPECT_TRUE(showsExactly(1000, 1000.4, TimeUnit::Microseconds));
  EXPECT_TRUE(showsExactly(1e6, 1e6, TimeUnit::Milliseconds));
  // Frequencies are compared as whole hertz: 1,001.6 Hz is 1,002; 2 kHz shows "2.00" kHz.
  EXPECT_TRUE(showsExactly(1002, 156250.0 / 156, FrequencyUnit::Hertz));
  EXPECT_FALSE(showsExactly(1000, 156250.0 / 156, FrequencyUnit::Hertz));
  EXPECT_TRUE(showsExactly(2000, 2000, FrequencyUnit::Kilohertz));
}

}  // namespace
}  // namespace tickwell
