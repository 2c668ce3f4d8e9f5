#include "timer/timer_model.h"

namespace tickwell {

namespace {

SearchLimits limitsOf(const TimerSettings& s, const TimerSpec& table, double tickHz) {
  SearchLimits l;
  const double cycleHz = s.fosc4 ? s.oscHz / 4 : s.oscHz;
  l.minPeriodNs = 1 / cycleHz * 1000 * 1000000;
  // Timer2 counts to an 8-bit PR2 whatever the width; the others to their full count.
  const int full = table.countsToMatch() ? fullCount(Width::Bits8) : fullCount(s.width);
  l.minFreqHz = cycleHz / full;
  switch (table.lowestFrequencyPrescaler) {
    case LowestFrequencyPrescaler::Selected: l.minFreqHz = l.minFreqHz / s.prescale; break;
    case LowestFrequencyPrescaler::Largest: l.minFreqHz = l.minFreqHz / table.largestPrescaler(); break;
    case LowestFrequencyPrescaler::None: break;
  }
  l.maxPeriodPre1Ns = l.minPeriodNs * full;
  l.maxPeriodNs = l.minPeriodNs * full * table.largestPrescaler() * table.largestPostscaler();
  l.maxFreqHz = tickHz;
  return l;
}

}  // namespace

const TimerSpec& factsOf(const TimerSettings& s) { return s.kind ? *kindFacts(*s.kind).facts : timerSpec(s.timer); }

double clockFrequency(const TimerSettings& s) { return s.oscHz / s.prescale / s.postscale; }

double registerCount(const TimerSettings& s) {
  if (factsOf(s).countsToMatch()) return s.preload;
  return static_cast<double>(fullCount(s.width)) - s.preload;
}

TimerResult evaluate(const TimerSettings& s) {
  const TimerSpec& table = factsOf(s);
  TimerResult r;
  const double divisor = s.fosc4 ? 4 : 1;
  r.tickHz = s.oscHz / divisor / s.prescale / s.postscale;
  r.tickUs = 1000000 * (1 / r.tickHz);
  r.clockHz = clockFrequency(s);
  r.limits = limitsOf(s, table, r.tickHz);

  if (table.countsToMatch()) {
    // A PR2 of 0 still takes one tick to match.
    r.countTerm = s.preload == 0 ? 1 : s.preload;
    if (s.pr2Adjust) r.countTerm = r.countTerm + table.matchLossCycles;
  } else if (s.tmr0Adjust && s.preload >= table.writeLossCycles) {
    // The preload was raised by the adjustment; the cycles the TMR0 write
    // loses are counted back in.
    r.countTerm = s.preload - table.writeLossCycles;
  } else {
    // Below the lost cycles the adjustment cannot apply and counts as off.
    r.countTerm = s.preload;
  }
  const double full = fullCount(s.width);
  r.counts = table.countsToMatch() ? r.countTerm + s.timeout + s.overhead
                                  : full - r.countTerm + s.timeout + s.overhead;
  r.registerCount = registerCount(s);
  r.periodNs = r.counts * r.tickUs * 1000;
  r.frequencyHz = r.tickHz / r.counts;
  return r;
}

}  // namespace tickwell
