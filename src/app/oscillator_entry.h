// The oscillator entry "Other" of the calculator window: what a typed number
// means (up to 48 MHz, then kHz below 1000, then Hz up to 480,000,000, above
// that MHz again), which texts it refuses, and which text enters a given
// frequency. The command line enters its --osc through the same rule, so that
// it calculates with the very frequency the window would.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "timer/units.h"

namespace tickwell {

// The entry keeps at most this many characters.
inline constexpr std::size_t kOscEntryLength = 8;
// The oscillator frequencies the model takes, in Hz: below or above, a result
// could be infinite or not a number.
inline constexpr double kMinOscFreq = 0.001;
inline constexpr double kMaxOscFreq = 1e15;

struct OscInput {
  FrequencyUnit unit;  // the unit the window shows beside the entry
  double oscFreq;      // Hz
};

// The magnitude rule: small numbers are MHz, middle ones kHz, large ones Hz.
OscInput oscFromValue(double v);

// The oscillator frequency of a typed text, or nothing when the window
// refuses it (not a number, zero, negative, or a frequency below 0.001 Hz or
// above 1e15 Hz, so that no result is ever infinite or not a number).
std::optional<OscInput> oscFromText(std::string_view text);

// The unit the entry shows for a frequency: that of its shortest entry text,
// or for a frequency the entry cannot take, the first of MHz, kHz and Hz in
// which the magnitude rule reads it back.
FrequencyUnit oscEntryUnit(double hz);

// The unit the clock frequency shows in once an oscillator is entered from
// the window's start: the entry's unit, or Hz where the clock would show 0
// there (or the oscillator is below 1 Hz).
FrequencyUnit clockUnitAfterEntry(double oscHz, double clockHz);

// The shortest text of at most kOscEntryLength characters that the entry
// reads as exactly `hz`, or nothing when there is none.
std::optional<std::string> oscEntryText(double hz);

}  // namespace tickwell
