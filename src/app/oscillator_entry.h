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

// The shortest text of at most kOscEntryLength characters that the entry
// reads as exactly `hz`, or nothing when there is none.
std::optional<std::string> oscEntryText(double hz);

}  // namespace tickwell
