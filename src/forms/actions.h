// The user's actions on the calculator window: a chip, timer or oscillator chosen,
// a text typed, a box focused, a check box toggled, an entry picked, a slider
// moved, a button pressed, a solution applied, and the answers that a message
// box leads to. The Qt view and the scenario driver make them from what the
// user does; the window logic applies them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "search/solver.h"
#include "timer/timer_model.h"

namespace tickwell {

// The text boxes of the window.
enum class Box {
  Freq, PreBits, PostBits, RegVal, Timeout, Overhead, HexH, HexL, DecH, DecL, Bin, SearchInt, SearchFreq,
  Listing0, Listing1, Listing2, Listing3,
};
inline constexpr int kBoxCount = 17;
constexpr Box listingBox(int timer) { return static_cast<Box>(static_cast<int>(Box::Listing0) + timer); }

// The device chooser's entries of the generic families, PIC16 first.
inline constexpr std::array<const char*, 2> kGenericFamilyNames = {"PIC16 (generic)", "PIC18 (generic)"};

namespace action {

struct SelectTimer { int timer; };            // a timer option, or its listing tab
struct SelectWidth { Width width; };
struct SelectFamily { Family family; };
// A chip by its name (any case, "PIC" optional), or a generic family by its
// chooser entry (kGenericFamilyNames).
struct SelectDevice { std::string name; };
struct SelectOscillator { int preset; };      // 0..15, 15 = "Other"
struct Type { Box box; std::string text; };   // the user's text replaces the box's text
struct Focus { Box box; };

enum class Check { Fosc4, Tmr0Adjust, Pr2Adjust, UseActualScalers };
struct Toggle { Check check; };

enum class List { Prescaler, Postscaler, Language };
struct Pick { List list; int index; };

enum class SliderId { Preload, Timeout };
struct Slide { SliderId slider; long long value; };  // cut to the slider's range

enum class Command {
  PreloadDown, PreloadUp, PreloadMax, PreloadMin,
  Search, ResetValues, Exit,
  CycleUnit, TickFrequencyUnit, ClockUnit, InputUnit, PeriodUnit, FrequencyUnit,
};
struct Press { Command command; };

// A configuration put into the window as the user would: oscillator (when it
// differs), Fosc/4, timer, width, family, prescaler, postscaler, timeout,
// overhead, the adjustment box, and last the preload, so that the window then
// holds exactly these settings. They must be settings the window can hold: a
// width and family the timer counts in, ratios of its lists, a whole timeout
// 0..15, an overhead 0..32767, a preload within the width, TMR0 Adjust only
// on Timer0 with a preload of 2 or more, PR2 Adjust only on Timer2, and an
// oscillator the entry can take (oscEntryText).
struct ApplySettings {
  TimerSettings settings;
  std::optional<Wanted> wanted = {};  // a solution's: the label beside the search then reports on it
};

// The answers that a message box leads to.
struct ConfirmReset {};
struct ConfirmExit {};
struct RefuseSearch { Quantity quantity; };  // the wanted value goes back to "0"

}  // namespace action

using Action = std::variant<action::SelectTimer, action::SelectWidth, action::SelectFamily, action::SelectOscillator,
                            action::Type, action::Focus, action::Toggle, action::Pick, action::Slide, action::Press,
                            action::ApplySettings, action::ConfirmReset, action::ConfirmExit, action::RefuseSearch,
                            action::SelectDevice>;

}  // namespace tickwell
