// The timer model against values worked out by hand, one row per rule of the count (prescaler, postscaler,
// Fosc/4, width, family, both adjustments at their edges, ISR timeout and overhead on either kind of timer),
// and the chip's interval beside it. (The golden scenarios show the search limits.)
#include "timer/timer_model.h"

#include <gtest/gtest.h>

#include "timer/chip_interval.h"

namespace tickwell {
namespace {

using enum Width;
using enum Family;

// The chip's interval: the register's ticks times the scalers, plus on Timer0, 1 and 3 the routine's cycles
// (1 to the vector, the timeout and overhead, 2 to write an 8-bit PIC16 TMR0 and 4 to write a low byte after
// the high one, 2 more that an 8-bit TMR0 holds).
TEST(EvaluateTest, HandWorkedConfigurations) {
  const struct { const char* name; TimerSettings s; double tickHz, counts, periodNs, frequencyHz, clockHz,
                 chipCycles, chipNs; } rows[] = {
      // 20 MHz / 4 / 32 = 156,250 Hz (6.4 µs); 256 - 100 = 156 counts; 156 x 6.4 µs = 998.4 µs.
      // Chip: 156 x 32 + 1 + 2 + 2 = 4,997 cycles of 200 ns.
      {"1:32 preload 100", {.oscHz = 20e6, .prescale = 32, .preload = 100}, 156250, 156, 998400, 156250.0 / 156,
       625000, 4997, 999400},
      // Fosc/4 off: the tick is the oscillator, 0.25 µs; 256 x 0.25 µs = 64 µs. Chip: 256 + 4 x 5.
      {"fosc4 off", {.fosc4 = false}, 4e6, 256, 64000, 15625, 4e6, 276, 69000},
      // 16-bit PIC18 Timer0, 1:8 at 4 MHz: 8 µs tick; 65,536 - 3,036 = 62,500 counts = 0.5 s. Chip: + 1 + 4.
      {"16-bit", {.family = PIC18, .width = Bits16, .prescale = 8, .preload = 3036}, 125000, 62500, 5e8, 2, 5e5,
       500005, 500005000},
      // 8-bit Timer0 on a PIC18: the same count; chip: 256 + 1 + 4 + 2.
      {"8-bit PIC18", {.family = PIC18}, 1e6, 256, 256000, 3906.25, 4e6, 263, 263000},
      // TMR0 Adjust at preload 2 counts the two lost cycles back: 256 - (2 - 2) = 256. Chip: 254 + 5.
      {"tmr0 adjust 2", {.preload = 2, .tmr0Adjust = true}, 1e6, 256, 256000, 3906.25, 4e6, 259, 259000},
      // Below the two lost cycles the adjustment cannot apply: 256 - 1 = 255. Chip: 255 + 5.
      {"tmr0 adjust 1", {.preload = 1, .tmr0Adjust = true}, 1e6, 255, 255000, 1e6 / 255, 4e6, 260, 260000},
      // Timeout 3 and overhead 4 lengthen 256 counts to 263. Chip: 256 + 1 + 3 + 4 + 2 + 2.
      {"timeout and overhead", {.timeout = 3, .overhead = 4}, 1e6, 263, 263000, 1e6 / 263, 4e6, 268, 268000},
      // Timer2 at 20 MHz, 1:4, 1:5: 250 kHz (4 µs); PR2 250 counts 250 = 1 ms. Chip: 251 x 20.
      {"timer2 1 ms", {.timer = 2, .oscHz = 20e6, .prescale = 4, .postscale = 5, .preload = 250}, 250000, 250, 1e6,
       1000, 1e6, 5020, 1004000},
      // PR2 0 still takes one tick to match, and PR2 Adjust one more; the chip takes PR2 + 1.
      {"timer2 pr2 0 adjusted", {.timer = 2, .pr2Adjust = true}, 1e6, 2, 2000, 5e5, 4e6, 1, 1000},
      // PR2 9, timeout 3 and half a cycle of overhead: 12.5 counts of 1 µs; the chip reloads by itself.
      {"timer2 timeout and overhead", {.timer = 2, .preload = 9, .timeout = 3, .overhead = 0.5}, 1e6, 12.5, 12500, 8e4,
       4e6, 10, 10000},
      // Timer3 at 8 MHz, 1:8 (4 µs), overhead 36: 65,536 - 65,500 + 36 = 72 counts. Chip: 36 x 8 + 1 + 36 + 4.
      {"timer3", {.family = PIC18, .timer = 3, .width = Bits16, .oscHz = 8e6, .prescale = 8, .preload = 65500,
                  .overhead = 36}, 250000, 72, 288000, 250000.0 / 72, 1e6, 329, 164500},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const TimerResult got = evaluate(r.s);
    EXPECT_DOUBLE_EQ(got.tickHz, r.tickHz);
    EXPECT_DOUBLE_EQ(got.tickUs, 1e6 / r.tickHz);
    EXPECT_DOUBLE_EQ(got.counts, r.counts);
    EXPECT_DOUBLE_EQ(got.periodNs, r.periodNs);
    EXPECT_DOUBLE_EQ(got.periodSeconds(), r.periodNs / 1e9);
    EXPECT_DOUBLE_EQ(got.frequencyHz, r.frequencyHz);
    EXPECT_DOUBLE_EQ(got.clockHz, r.clockHz);
    EXPECT_DOUBLE_EQ(chipInterval(r.s).cycles, r.chipCycles);
    EXPECT_DOUBLE_EQ(chipInterval(r.s).seconds, r.chipNs / 1e9);
  }
}

}  // namespace
}  // namespace tickwell
