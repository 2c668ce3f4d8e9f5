// The user's actions on the calculator window, and what applying one gives:
// the next state, and the message box to show, if any, with the action its OK
// answer takes. Pure: apply(state, action) reads nothing else and changes
// nothing else.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "app/startup.h"
#include "calculator/window_state.h"
#include "forms/platform.h"

namespace tickwell {

namespace action {

struct SelectTimer { int timer; };            // a timer option, or its listing tab
struct SelectWidth { Width width; };
struct SelectFamily { Family family; };
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
struct ApplySettings { TimerSettings settings; };

// The answers that a message box leads to.
struct ConfirmReset {};
struct ConfirmExit {};
struct RefuseSearch { Quantity quantity; };  // the wanted value goes back to "0"

}  // namespace action

using Action = std::variant<action::SelectTimer, action::SelectWidth, action::SelectFamily, action::SelectOscillator,
                            action::Type, action::Focus, action::Toggle, action::Pick, action::Slide, action::Press,
                            action::ApplySettings, action::ConfirmReset, action::ConfirmExit, action::RefuseSearch>;

struct Message {
  std::string prompt;
  MsgIcon icon = MsgIcon::Information;
  MsgButtons buttons = MsgButtons::Ok;
  std::optional<Action> onOk;  // applied once the box is answered OK
};

struct Outcome {
  WindowState state;
  std::optional<Message> message;
  bool exit = false;  // the window closes
};

Outcome apply(const WindowState& state, const Action& action);

}  // namespace tickwell
