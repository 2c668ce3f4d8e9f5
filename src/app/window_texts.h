// The fixed captions and tooltips of the calculator window's controls, as one
// table by control name, and the captions that follow the selected timer. The
// window renders them; the command line labels its lines with them.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "timer/timer_spec.h"

namespace tickwell {

struct ControlText {
  std::string_view name;  // as on the window: "frOsc", "opFreq(3)"
  std::string_view caption;
  std::string_view tooltip;
};

std::span<const ControlText> controlTexts();

// The caption of a control of the table ("" for one it does not hold).
std::string_view captionOf(std::string_view name);

// "TMR1 Preload", or "PR2" for a timer that counts to its period register;
// `timer` is the timer's number (a chip's Timer4 counts to PR4).
std::string preloadCaption(const TimerSpec& facts, int timer);
// "Cycles to interrupt:", or "Counts to TMR2 Reset:".
std::string countCaption(const TimerSpec& facts, int timer);

}  // namespace tickwell
