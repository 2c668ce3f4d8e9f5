// Every configuration of the timers that reaches a wanted interrupt period or
// frequency, ranked. Where the search of the window picks one configuration,
// the solver lists one row for each timer, width, prescaler and postscaler:
// its best preload (PR2 on Timer2), with the period and frequency that
// evaluate() gives for it, so that a row shows what the window shows once the
// row is applied. Pure; the solutions dialog and `tickwell solve` call it.
#pragma once

#include <optional>
#include <vector>

#include "timer/chip_interval.h"
#include "timer/device.h"
#include "timer/timer_model.h"

namespace tickwell {

enum class Quantity { Period, Frequency };

// Which figures a row is ranked by: the interval the chip produces
// (chipInterval), or the window's own figures (evaluate).
enum class Figures { Chip, Window };

// A wanted interrupt period (ns) or frequency (Hz); positive and finite.
struct Wanted {
  Quantity quantity = Quantity::Period;
  double value = 0;
};

// One timer in one counter width; a chip's timer has its kind.
struct TimerChoice {
  int timer = 0;
  Width width = Width::Bits8;
  std::optional<TimerKind> kind = std::nullopt;

  bool operator==(const TimerChoice&) const = default;
};

// Every timer a family has, in every width it counts in there: on PIC16
// Timer0 (8-bit), Timer1 and Timer2; on PIC18 both widths of Timer0, then
// Timer1, Timer2 and Timer3.
std::vector<TimerChoice> timerChoices(Family family);
// Every supported timer of a chip, in every width it counts in.
std::vector<TimerChoice> timerChoices(const Device& device);

struct SolveRequest {
  Family family = Family::PIC16;
  // A chip: its timers, of its family, instead of the family's generic ones.
  const Device* device = nullptr;
  double oscHz = 4000000;
  bool fosc4 = true;
  Wanted wanted;
  // The timers considered; every one of the family (or chip) when empty. A choice the
  // family does not count with is ignored.
  std::vector<TimerChoice> timers;
  // Only these ratios, when given (1:prescale, 1:postscale). A postscaler
  // other than 1 leaves out the timers without one.
  std::optional<double> prescale;
  std::optional<double> postscale;
  // TMR0 Adjust acts on the Timer0 rows only, PR2 Adjust on the Timer2 rows.
  bool tmr0Adjust = false;
  bool pr2Adjust = false;
  double timeout = 0;   // ISR timeout, cycles
  double overhead = 0;  // ISR overhead, cycles
  Figures by = Figures::Chip;
};

struct Solution {
  // The configuration as the window holds it once applied: the preload is the
  // value written to the register (what the slider shows), with the
  // adjustment's raise already in it.
  TimerSettings settings;
  TimerResult result;  // evaluate(settings): the window's figures
  ChipInterval chip;   // chipInterval(settings): the chip's
  // The figures the row is ranked by, the chip's or the window's: timer
  // ticks from one interrupt to the next, the period (ns) and the frequency
  // (Hz).
  double counts = 0;
  double periodNs = 0;
  double frequencyHz = 0;
  // (achieved - wanted) / wanted in parts per million, rounded to 1e-6 ppm,
  // so that results that differ only in the last bits of a double rank alike.
  double errorPpm = 0;

  bool exact() const { return errorPpm == 0; }
  // The period (ns) or frequency (Hz) of the row, as wanted.
  double achieved(Quantity q) const { return q == Quantity::Period ? periodNs : frequencyHz; }
};

// What the considered configurations reach, in the unit of the wanted value:
// the lowest and the highest value, and when the wanted value lies between
// them but no configuration comes to it (large ISR corrections leave gaps),
// the nearest values on either side.
struct Reach {
  double lowest = 0;
  double highest = 0;
  std::optional<double> below;
  std::optional<double> above;
};

struct SolveOutcome {
  std::vector<Solution> solutions;  // ranked, best first
  Reach reach;
};

// One row per configuration, ranked by:
//   1. the absolute error (errorPpm without its sign), smallest first;
//   2. more counts to the interrupt (finer resolution);
//   3. the lower timer number;
//   4. the smaller prescaler;
//   5. the smaller postscaler;
//   6. 8-bit before 16-bit.
// A configuration takes part when the wanted value lies within half a tick
// of what its register reaches: the count that would hit the wanted value,
// rounded to a whole count (halves up), is one the register holds. PR2 is
// never 0: it leaves Timer2 switched off. With TMR0 Adjust the Timer0 preload
// is at least 2: below, the window switches the adjustment off.
// Without Fosc/4, a chip's timer that can only count instruction cycles
// still takes part, counting them, as the window's Fosc/4 box is fixed on for
// it.
SolveOutcome solve(const SolveRequest& request);

// The timers a request chooses from: the chip's, or the family's.
std::vector<TimerChoice> timerChoices(const SolveRequest& request);

// The ranking above: true when `a` comes before `b`.
bool ranksBefore(const Solution& a, const Solution& b);

// The error of an achieved value against the wanted one, in ppm rounded as
// Solution::errorPpm.
double errorPpm(double achieved, double wanted);

}  // namespace tickwell
