// What a user's gesture on a control of the calculator window does, by the
// control's name on the window: the action it is, or nothing for a control
// that does not answer that gesture (a label without a click, a button that
// opens another window, which the view handles itself). The Qt view and the
// scenario driver turn their input into actions through these.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "forms/actions.h"

namespace tickwell {

std::optional<Action> clickAction(std::string_view name);
std::optional<Action> typeAction(std::string_view name, std::string text);
std::optional<Action> focusAction(std::string_view name);
std::optional<Action> pickAction(std::string_view name, int index);
std::optional<Action> slideAction(std::string_view name, long long value);
// A listing tab, counted from 1.
Action tabAction(int index);

}  // namespace tickwell
