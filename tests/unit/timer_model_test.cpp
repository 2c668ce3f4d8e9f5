// The timer model against values worked out by hand: every timer of both
// families, both widths, Fosc/4 off, both adjustments, ISR timeout and
// overhead, a non-preset oscillator; and the per-timer table's facts.
#include "timer/timer_model.h"

#include <gtest/gtest.h>

#include <string>

namespace tickwell {
namespace {

TimerSettings at(double oscHz, int timer, Width width, double prescale, int preload) {
  TimerSettings s;
  s.timer = timer;
  s.width = width;
  s.oscHz = oscHz;
  s.prescale = prescale;
  s.preload = preload;
  s.family = timer == 3 || (timer == 0 && width == Width::Bits16) ? Family::PIC18 : Family::PIC16;
  return s;
}

constexpr Width k8 = Width::Bits8;
constexpr Width k16 = Width::Bits16;

struct Row {
  const char* name;
  TimerSettings settings;
  double tickHz;
  double counts;
  double periodNs;
  double frequencyHz;
};

TimerSettings with(TimerSettings s, void (*change)(TimerSettings&)) {
  change(s);
  return s;
}

TEST(EvaluateTest, HandWorkedConfigurations) {
  // clang-format off
  const Row rows[] = {
      // 4 MHz / 4 = 1 MHz tick; 256 counts x 1 µs.
      {"default", at(4e6, 0, k8, 1, 0), 1e6, 256, 256000, 3906.25},
      // 20 MHz / 4 / 32 = 156,250 Hz (6.4 µs); 256 - 100 = 156 counts; 156 x 6.4 µs = 998.4 µs.
      {"20MHz 1:32 preload 100", at(20e6, 0, k8, 32, 100), 156250, 156, 998400, 156250.0 / 156},
      // Fosc/4 off: the tick is the oscillator, 0.25 µs; 256 x 0.25 µs = 64 µs.
      {"fosc4 off", with(at(4e6, 0, k8, 1, 0), [](TimerSettings& s) { s.fosc4 = false; }), 4e6, 256, 64000, 15625},
      // 1:256: tick 1 MHz / 256 = 3,906.25 Hz (256 µs); 256 counts = 65.536 ms.
      {"1:256", at(4e6, 0, k8, 256, 0), 3906.25, 256, 65536000, 3906.25 / 256},
      // 16-bit PIC18 Timer0, 1:8 at 4 MHz: 8 µs tick; 65,536 - 3,036 = 62,500 counts = 0.5 s.
      {"timer0 16-bit", at(4e6, 0, k16, 8, 3036), 125000, 62500, 5e8, 2},
      // Preload 255: one count, one instruction cycle.
      {"preload 255", at(4e6, 0, k8, 1, 255), 1e6, 1, 1000, 1e6},
      // TMR0 Adjust at preload 5 counts the two lost cycles back: 256 - (5 - 2) = 253.
      {"tmr0 adjust 5", with(at(4e6, 0, k8, 1, 5), [](TimerSettings& s) { s.tmr0Adjust = true; }), 1e6, 253, 253000, 1e6 / 253},
      // At preload 2 the adjusted term is 0: the full 256 counts.
      {"tmr0 adjust 2", with(at(4e6, 0, k8, 1, 2), [](TimerSettings& s) { s.tmr0Adjust = true; }), 1e6, 256, 256000, 3906.25},
      // Below the two lost cycles the adjustment cannot apply: 256 - 1 = 255.
      {"tmr0 adjust 1", with(at(4e6, 0, k8, 1, 1), [](TimerSettings& s) { s.tmr0Adjust = true; }), 1e6, 255, 255000, 1e6 / 255},
      // Timeout 3 and overhead 4 lengthen 256 counts to 263.
      {"timeout and overhead", with(at(4e6, 0, k8, 1, 0), [](TimerSettings& s) { s.timeout = 3; s.overhead = 4; }), 1e6, 263, 263000, 1e6 / 263},
      // Timer1 at 20 MHz, 1:8: 625 kHz (1.6 µs); 65,536 - 64,911 = 625 counts = 1 ms.
      {"timer1 1000 Hz", at(20e6, 1, k16, 8, 64911), 625000, 625, 1e6, 1000},
      // Timer1 preload 0: the full 65,536 counts of 1 µs.
      {"timer1 full count", at(4e6, 1, k16, 1, 0), 1e6, 65536, 65536000, 1e6 / 65536},
      // Timer2 at 20 MHz, 1:4, 1:5: 250 kHz (4 µs); PR2 250 counts 250 = 1 ms.
      {"timer2 exact 1 ms", with(at(20e6, 2, k8, 4, 250), [](TimerSettings& s) { s.postscale = 5; }), 250000, 250, 1e6, 1000},
      // PR2 249 with PR2 Adjust: 249 + 1 = 250 counts, the same 1 ms.
      {"timer2 pr2 adjust", with(at(20e6, 2, k8, 4, 249), [](TimerSettings& s) { s.postscale = 5; s.pr2Adjust = true; }), 250000, 250, 1e6, 1000},
      // PR2 0 still takes one tick to match; with PR2 Adjust two.
      {"timer2 pr2 0", at(4e6, 2, k8, 1, 0), 1e6, 1, 1000, 1e6},
      {"timer2 pr2 0 adjusted", with(at(4e6, 2, k8, 1, 0), [](TimerSettings& s) { s.pr2Adjust = true; }), 1e6, 2, 2000, 5e5},
      // PR2 255 adjusted plus timeout 15: 256 + 15 = 271 counts.
      {"timer2 255 timeout 15", with(at(4e6, 2, k8, 1, 255), [](TimerSettings& s) { s.pr2Adjust = true; s.timeout = 15; }), 1e6, 271, 271000, 1e6 / 271},
      // Timer2 with Fosc/4 off: 8 MHz / 16 / 10 = 50 kHz (20 µs); PR2 50 = 1 ms.
      {"timer2 fosc4 off", with(at(8e6, 2, k8, 16, 50), [](TimerSettings& s) { s.fosc4 = false; s.postscale = 10; }), 50000, 50, 1e6, 1000},
      // Half a cycle of overhead on PR2 9: 9.5 counts of 1 µs.
      {"timer2 half cycle overhead", with(at(4e6, 2, k8, 1, 9), [](TimerSettings& s) { s.overhead = 0.5; }), 1e6, 9.5, 9500, 1e6 / 9.5},
      // Timer3 at 8 MHz, 1:8: 250 kHz (4 µs); 65,536 counts = 262.144 ms.
      {"timer3 full count", at(8e6, 3, k16, 8, 0), 250000, 65536, 262144000, 250000.0 / 65536},
      // Timer3 overhead 36: 65,536 - 65,500 + 36 = 72 counts of 4 µs.
      {"timer3 overhead", with(at(8e6, 3, k16, 8, 65500), [](TimerSettings& s) { s.overhead = 36; }), 250000, 72, 288000, 250000.0 / 72},
      // 7.3728 MHz / 4 = 1.8432 MHz; / 64 = 28,800 Hz; 256 - 31 = 225 counts: exactly 128 Hz.
      {"7.3728 MHz timer0", at(7.3728e6, 0, k8, 64, 31), 28800, 225, 7812500, 128},
      // 1.8432 MHz tick on Timer1; 65,536 - 47,104 = 18,432 counts: 100 Hz.
      {"7.3728 MHz timer1", at(7.3728e6, 1, k16, 1, 47104), 1843200, 18432, 1e7, 100},
      // 16-bit Timer0 with TMR0 Adjust: 65,536 - (1,000 - 2) = 64,538 counts of 1 µs.
      {"timer0 16-bit adjusted", with(at(4e6, 0, k16, 1, 1000), [](TimerSettings& s) { s.tmr0Adjust = true; }), 1e6, 64538, 64538000, 1e6 / 64538},
      // The family does not change the arithmetic: PIC18 8-bit Timer0 as the default.
      {"timer0 8-bit on PIC18", with(at(4e6, 0, k8, 1, 0), [](TimerSettings& s) { s.family = Family::PIC18; }), 1e6, 256, 256000, 3906.25},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const TimerResult got = evaluate(r.settings);
    EXPECT_DOUBLE_EQ(got.tickHz, r.tickHz);
    EXPECT_DOUBLE_EQ(got.tickUs, 1e6 / r.tickHz);
    EXPECT_DOUBLE_EQ(got.counts, r.counts);
    EXPECT_DOUBLE_EQ(got.periodNs, r.periodNs);
    EXPECT_DOUBLE_EQ(got.periodSeconds(), r.periodNs / 1e9);
    EXPECT_DOUBLE_EQ(got.frequencyHz, r.frequencyHz);
  }
}

TEST(EvaluateTest, ClockAndRegisterCount) {
  // The clock is never divided by 4: 20 MHz / 32 = 625 kHz.
  const TimerResult t0 = evaluate(at(20e6, 0, k8, 32, 100));
  EXPECT_DOUBLE_EQ(t0.clockHz, 625000);
  EXPECT_EQ(t0.registerCount, 156);  // 256 - 100
  // 20 MHz / 4 / 5 = 1 MHz clock; Timer2's register count is PR2 itself, 0 included.
  const TimerResult t2 = evaluate(with(at(20e6, 2, k8, 4, 0), [](TimerSettings& s) { s.postscale = 5; }));
  EXPECT_DOUBLE_EQ(t2.clockHz, 1e6);
  EXPECT_EQ(t2.registerCount, 0);
  EXPECT_EQ(t2.counts, 1);
  // TMR0 Adjust changes the count, not what the register runs through.
  const TimerResult adjusted = evaluate(with(at(4e6, 0, k8, 1, 5), [](TimerSettings& s) { s.tmr0Adjust = true; }));
  EXPECT_EQ(adjusted.registerCount, 251);
  EXPECT_EQ(adjusted.countTerm, 3);
}

TEST(EvaluateTest, SearchLimits) {
  // One cycle is the shortest period; the full count at the largest scalers
  // the longest; the lowest frequency divides by the selected prescaler on
  // Timer1/3, by the largest on Timer0 and by none on Timer2.
  // clang-format off
  const struct { const char* name; TimerSettings s; double minNs, maxNs, pre1Ns, minHz, maxHz; } rows[] = {
      // 1,000 ns x 256 x 256; 1 MHz / 256 / 256.
      {"timer0 8-bit", at(4e6, 0, k8, 1, 0), 1000, 65536000, 256000, 15.2587890625, 1e6},
      // 20 MHz: 200 ns; 51,200 ns at 1:1; x 256 = 13,107,200 ns.
      {"timer0 20 MHz", at(20e6, 0, k8, 32, 100), 200, 13107200, 51200, 5e6 / 65536, 156250},
      // 1,000 ns x 65,536 x 256; 1 MHz / 65,536 / 256.
      {"timer0 16-bit", at(4e6, 0, k16, 8, 0), 1000, 16777216000, 65536000, 1e6 / 65536 / 256, 125000},
      // 1,000 ns x 65,536 x 8; 1 MHz / 65,536 / 4 at the selected 1:4.
      {"timer1 1:4", at(4e6, 1, k16, 4, 0), 1000, 524288000, 65536000, 3.814697265625, 250000},
      // 1,000 ns x 256 x 16 x 16; 1 MHz / 256 whatever the prescaler.
      {"timer2 1:16", at(4e6, 2, k8, 16, 0), 1000, 65536000, 256000, 3906.25, 62500},
      // Timer3 at 1:8: 1 MHz / 65,536 / 8.
      {"timer3 1:8", at(4e6, 3, k16, 8, 0), 1000, 524288000, 65536000, 1e6 / 65536 / 8, 125000},
      // Fosc/4 off: one cycle is 250 ns.
      {"fosc4 off", with(at(4e6, 0, k8, 1, 0), [](TimerSettings& s) { s.fosc4 = false; }), 250, 16384000, 64000, 4e6 / 65536, 4e6},
  };
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const SearchLimits l = evaluate(r.s).limits;
    EXPECT_DOUBLE_EQ(l.minPeriodNs, r.minNs);
    EXPECT_DOUBLE_EQ(l.maxPeriodNs, r.maxNs);
    EXPECT_DOUBLE_EQ(l.maxPeriodPre1Ns, r.pre1Ns);
    EXPECT_DOUBLE_EQ(l.minFreqHz, r.minHz);
    EXPECT_DOUBLE_EQ(l.maxFreqHz, r.maxHz);
  }
}

TEST(TimerSpecTest, WidthsAndFamilies) {
  // Which timer counts in which width on which family: Timer0 is 16-bit on
  // PIC18 only, Timer3 exists on PIC18 only, Timer1 and Timer3 are 16-bit,
  // Timer2 8-bit.
  // clang-format off
  const struct { int timer; Width w; bool pic16, pic18; } rows[] = {
      {0, k8, true, true}, {0, k16, false, true}, {1, k8, false, false}, {1, k16, true, true},
      {2, k8, true, true}, {2, k16, false, false}, {3, k8, false, false}, {3, k16, false, true}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE("Timer" + std::to_string(r.timer) + (r.w == k8 ? " 8-bit" : " 16-bit"));
    EXPECT_EQ(timerSpec(r.timer).countsIn(r.w, Family::PIC16), r.pic16);
    EXPECT_EQ(timerSpec(r.timer).countsIn(r.w, Family::PIC18), r.pic18);
  }
}

}  // namespace
}  // namespace tickwell
