// render(state): everything the calculator window shows for a state, with
// one evaluation of the timer model. Formatting happens here and only here.
#pragma once

#include <string>

#include "calculator/window_state.h"
#include "calculator/window_view.h"

namespace tickwell {

WindowView render(const WindowState& state);

// The text a box shows (not for the listing boxes, whose texts need the
// timer model's result).
std::string boxText(const WindowState& state, Box box);

// The clock frequency as its label shows it.
std::string clockCaption(const WindowState& state);
std::string clockCaptionOf(double clockHz, FrequencyUnit unit);

}  // namespace tickwell
