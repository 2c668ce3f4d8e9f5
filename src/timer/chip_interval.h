// The interval between two interrupts as the chip produces it, beside the
// window's own figure. The window keeps its defined arithmetic (TMR0 Adjust
// counts two ticks back, Timer2 counts PR2 ticks, the routine's timeout and
// overhead count as ticks); the chip does otherwise, and this says what.
#pragma once

#include "timer/timer_model.h"

namespace tickwell {

struct ChipInterval {
  double cycles = 0;   // instruction cycles, or oscillator cycles where Fosc/4 is off
  double seconds = 0;
};

// The routine our listings and examples imply: Timer2 reloads itself from
// PR2; Timer0, Timer1 and Timer3 interrupt on their overflow, and the
// routine reloads the preload (TMRxH first, then the low byte) after its
// timeout and overhead, taken as instruction cycles.
//
//   Timer2:           (PR2 + 1) x prescaler x postscaler
//   Timer0, 1 and 3:  (full count - preload) x prescaler
//                     + 1 cycle to the vector + the routine's timeout and overhead
//                     + the cycle of the low byte's write (2nd instruction for
//                       the PIC16's TMR0, 4th after TMRxH elsewhere)
//                     + 2 cycles an 8-bit TMR0 holds its count after a write
//
// The preload is the value written: with TMR0 Adjust it holds the raise, and
// the chip counts from it. Routine cycles are instruction cycles, four clock
// cycles each where the timer counts the oscillator itself. Measured on gpsim
// (tests/sim) for every timer of both families.
ChipInterval chipInterval(const TimerSettings& settings);

// The cycles the routine adds to the register's count on the chip (0 for a
// timer that reloads itself), in the unit of ChipInterval::cycles.
double routineCycles(const TimerSettings& settings);

}  // namespace tickwell
