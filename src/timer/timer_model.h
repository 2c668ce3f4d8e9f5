// One timer configuration as a value, and what it does: evaluate() turns
// TimerSettings into the tick, the clock, the count to the interrupt, the
// interrupt period and frequency and the search limits. Pure: the window, the
// solver and the command line all evaluate a configuration the same way.
#pragma once

#include "timer/timer_spec.h"

namespace tickwell {

struct TimerSettings {
  Family family = Family::PIC16;
  int timer = 0;  // 0..3; on a chip, the timer's number (Timer0 to Timer12)
  std::optional<TimerKind> kind = std::nullopt;  // a chip's timer: its kind; none: the family's generic timer
  Width width = Width::Bits8;
  double oscHz = 4000000;  // oscillator frequency
  bool fosc4 = true;       // the timer counts instruction cycles (oscillator / 4)
  double prescale = 1;     // 1:prescale
  double postscale = 1;    // 1:postscale; 1 on timers without a postscaler
  int preload = 0;         // written to the count register; the PR2 match value on Timer2
  bool tmr0Adjust = false;  // the preload was raised to make up for the TMR0 write loss
  bool pr2Adjust = false;   // the count includes the cycle of the PR2 match
  double timeout = 0;       // ISR timeout, cycles
  double overhead = 0;      // ISR overhead, cycles

  bool operator==(const TimerSettings&) const = default;
};

// What the configuration's timer offers: its kind's facts on a chip, the
// generic timer's otherwise.
const TimerSpec& factsOf(const TimerSettings& settings);

// What the search accepts for a configuration.
struct SearchLimits {
  double minPeriodNs = 0;      // one instruction cycle
  double maxPeriodNs = 0;      // the full count at the largest scalers
  double maxPeriodPre1Ns = 0;  // the full count at prescaler and postscaler 1:1
  double minFreqHz = 0;        // lowest interrupt frequency
  double maxFreqHz = 0;        // highest: one interrupt per tick
};

struct TimerResult {
  double tickHz = 0;      // timer increments per second, after the scalers
  double tickUs = 0;      // one increment, in µs
  double clockHz = 0;     // oscillator / prescaler / postscaler, never divided by 4
  double countTerm = 0;   // the count register's term of the count: PR2 (+1), or the adjusted preload
  double counts = 0;      // increments from one interrupt to the next, corrections included
  double registerCount = 0;  // what the register runs through: full count - preload, or PR2
  double periodNs = 0;       // counts x tick
  double frequencyHz = 0;    // tick / counts
  SearchLimits limits;

  double periodSeconds() const { return periodNs / 1e9; }
};

// Computes in the order the window always has, so that shown values stay the
// same to the last digit: tick = osc / (4 or 1) / prescale / postscale;
// period ns = counts x tick µs x 1000; frequency = tick Hz / counts.
TimerResult evaluate(const TimerSettings& settings);

// The clock the timer's scalers give, oscillator / prescaler / postscaler
// (never divided by 4).
double clockFrequency(const TimerSettings& settings);

// Counts from the preload (or PR2) to the interrupt without corrections.
double registerCount(const TimerSettings& settings);

}  // namespace tickwell
