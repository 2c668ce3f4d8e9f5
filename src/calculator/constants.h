// Fixed values of the calculator window that more than one handler needs.
#pragma once

namespace tickwell {

// The oscillator presets: the default "4 MHz" and the free entry "Other".
inline constexpr int kDefaultOscPreset = 5;
inline constexpr int kOtherOscPreset = 15;
// What the oscillator entry falls back to (4, read as MHz).
inline constexpr const char* kDefaultOscText = "4";

// ISR corrections, in cycles.
inline constexpr int kMaxTimeout = 15;
inline constexpr int kMaxOverhead = 32767;

// Tick spacing of the preload slider in 8-bit and 16-bit mode.
inline constexpr int kPreloadTick8Bit = 10;
inline constexpr int kPreloadTick16Bit = 1000;

// The adjustment boxes add their cycles on the 8-bit count in both widths:
// TMR0 Adjust (two lost cycles) only below 256 - 2, PR2 Adjust (one cycle)
// only below 256 - 1. At or above, an unchecked box is disabled.
inline constexpr int kTmr0AdjustCeiling = 254;
inline constexpr int kPr2AdjustCeiling = 255;

}  // namespace tickwell
