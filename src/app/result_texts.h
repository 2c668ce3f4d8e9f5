// How the window writes its results: the display mask of each result in each
// unit, and the text an interrupt period or frequency ends up showing. The
// window's labels and the command line format through these, so both show the
// same characters.
#pragma once

#include <string>
#include <string_view>

#include "timer/chip_interval.h"
#include "timer/units.h"

namespace tickwell {

// Interrupt period label: ns "#,###,###,###", µs "#,###,###,##0.00", ms and s
// "#,###,##0.00#####".
std::string_view interruptPeriodMask(TimeUnit unit);
// Interrupt frequency label, in every unit.
inline constexpr std::string_view kInterruptFrequencyMask = "##,###,##0.00###";
// Search limits: periods "#,###,###,##0" (ns), "#,###,###,##0.00" (µs),
// "#,###,##0.00###" (ms, s); frequencies "##,##0.00" (Hz), else
// "#,###,###,##0.00".
std::string_view limitPeriodMask(TimeUnit unit);
std::string_view limitFrequencyMask(FrequencyUnit unit);
// Clock frequencies, whole numbers in their unit.
inline constexpr std::string_view kClockMask = "##,##0";
// The tick in µs; in ns after a recalculation, and after a click on its unit
// (which writes nothing for a tick that rounds to 0 ns).
inline constexpr std::string_view kCycleMaskMicro = "##,##0.00";
inline constexpr std::string_view kCycleMaskNano = "##,##0";
inline constexpr std::string_view kCycleMaskNanoClicked = "##,###";

// The tick in its unit: µs with two decimals, ns whole ("" for a tick below
// 0.5 ns when `noLeadingZero`).
std::string tickText(double tickUs, TimeUnit unit, bool noLeadingZero = false);
// A clock frequency in its unit, whole.
std::string clockText(double hz, FrequencyUnit unit);
// The search limits in their units.
std::string limitPeriodText(double ns, TimeUnit unit);
std::string limitFrequencyText(double hz, FrequencyUnit unit);

// The interrupt period as its label shows it: the plain number of the period
// in the unit, re-formatted by the unit's mask.
std::string shownPeriod(double periodNs, TimeUnit unit);
// The interrupt frequency as its label shows it.
std::string shownFrequency(double frequencyHz, FrequencyUnit unit);

// The preload in the window's views: "%" + the binary digits above the low
// byte + a blank + the low byte's eight digits ("%1 00101100"); the high and
// low byte in hexadecimal without leading zeros ("1", "2C") and in decimal.
struct PreloadTexts {
  std::string binary;
  std::string hexHigh;
  std::string hexLow;
  std::string decimalHigh;
  std::string decimalLow;
};
PreloadTexts preloadTexts(int preload);

// An error in parts per million as the window writes it: grouped, up to three
// decimals, with its sign unless it shows as 0 ("+7.629", "-1,600", "0").
std::string ppmText(double ppm);

// The chip's interval: "20,000,000 ns, 160,000 instruction cycles" (oscillator
// cycles where the timer counts the oscillator itself).
std::string chipIntervalText(const ChipInterval& chip, bool fosc4, TimeUnit unit);
// The same error in percent, up to seven decimals ("-0.16", "+0.0007629").
std::string percentText(double ppm);

// A period (ns) or frequency (Hz) for a message: in the largest unit in which
// it is at least 1 (or the smallest unit), with up to ten significant digits:
// "524.288 ms", "1 µs", "1.907348633 Hz".
std::string periodText(double ns);
std::string frequencyText(double hz);

}  // namespace tickwell
