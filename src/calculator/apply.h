// Applying a user's action to the calculator window's state gives the next
// state, and the message box to show, if any, with the action its OK answer
// takes. Pure: apply(state, action) reads nothing else and changes nothing
// else.
#pragma once

#include <optional>
#include <string>

#include "app/startup.h"
#include "calculator/window_state.h"
#include "forms/actions.h"
#include "forms/platform.h"

namespace tickwell {

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
