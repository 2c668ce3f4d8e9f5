#include "timer/chip_interval.h"

namespace tickwell {

namespace {

constexpr double kToVector = 1;
// The instruction that writes the count's low byte: MOVLW, MOVWF TMR0; or
// MOVLW, MOVWF TMRxH, MOVLW, MOVWF TMRxL.
constexpr double kLowByteWrittenAlone = 2;
constexpr double kLowByteWrittenAfterHigh = 4;

}  // namespace

double routineCycles(const TimerSettings& s) {
  const TimerSpec& facts = factsOf(s);
  if (facts.countsToMatch()) return 0;
  const bool alone = s.family == Family::PIC16 && facts.writeLossCycles > 0;
  // The 16-bit TMR0 of a PIC18 counts on through its write.
  const bool held = facts.writeLossCycles > 0 && s.width == Width::Bits8;
  const double routine = kToVector + s.timeout + s.overhead +
                         (alone ? kLowByteWrittenAlone : kLowByteWrittenAfterHigh) + (held ? facts.writeLossCycles : 0);
  return routine * (s.fosc4 ? 1 : 4);
}

ChipInterval chipInterval(const TimerSettings& s) {
  const double tick = s.prescale * s.postscale;
  const double registerTicks = factsOf(s).countsToMatch() ? s.preload + 1 : fullCount(s.width) - s.preload;
  ChipInterval chip;
  chip.cycles = registerTicks * tick + routineCycles(s);
  chip.seconds = chip.cycles * (s.fosc4 ? 4 : 1) / s.oscHz;
  return chip;
}

}  // namespace tickwell
