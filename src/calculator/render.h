// render(state): everything the calculator window shows for a state, with
// one evaluation of the timer model. Formatting happens here and only here.
#pragma once

#include <optional>
#include <string>

#include "calculator/window_state.h"
#include "forms/window_view.h"

namespace tickwell {

WindowView render(const WindowState& state);

// The text a box shows (not for the listing boxes, whose texts need the
// timer model's result).
std::string boxText(const WindowState& state, Box box);

// The clock frequency as its label shows it.
std::string clockCaption(const WindowState& state);
std::string clockCaptionOf(double clockHz, FrequencyUnit unit);

// What the solutions dialog solves for a state: the wanted value of the
// search entries (the period when both hold one) for the window's family,
// oscillator, Fosc/4, ISR timeout and overhead, with the TMR0 and PR2
// adjustment of Timer0 and Timer2 (the box of the selected timer, the kept
// one of the other). Nothing while no entry holds a positive value.
std::optional<SolveRequest> solveRequest(const WindowState& state);

}  // namespace tickwell
