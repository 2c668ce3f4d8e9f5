// The search for the settings nearest to a wanted interrupt period or
// frequency, as pure functions of a timer configuration. The window applies a
// result and tells the user what came of it.
#pragma once

#include <optional>
#include <variant>

#include "timer/timer_model.h"
#include "timer/units.h"

namespace tickwell {

// Why a search found nothing to set.
enum class SearchFailure {
  AboveMaximum,  // the wanted period (frequency) is above the longest (highest) the set-up reaches
  BelowMinimum,  // below the shortest (lowest)
  NoPrescaler,   // no prescaler's full count lasts longer than the wanted period
};

// What a search sets. The preload is rounded (halves to even) but not yet cut
// to the slider's range: a wanted value the kept scalers cannot reach gives a
// preload outside it.
struct SearchResult {
  int prescalerIndex = 0;
  std::optional<int> postscalerIndex;  // Timer2: the postscaler the scan chose
  double preload = 0;
};

using SearchOutcome = std::variant<SearchResult, SearchFailure>;

// Period search. Unless `keepPrescaler` is given, it tries the prescalers from
// the smallest up and takes the first whose full count (on Timer2 with the
// first postscaler from 1:1 up) lasts strictly longer than the wanted period;
// the preload then shortens the count to it. With `keepPrescaler` (the index
// selected) only the preload is computed. The interrupt routine's timeout and
// overhead count as ticks of the scalers tried: the register counts the wanted
// period less them. The limits are those of `settings`; both limits themselves
// are accepted.
SearchOutcome searchPeriod(const TimerSettings& settings, double wantedNs, std::optional<int> keepPrescaler);

// Frequency search: keeps the scalers of `settings` and computes the preload
// whose count, the routine's timeout and overhead included, comes nearest to
// the wanted frequency.
SearchOutcome searchFrequency(const TimerSettings& settings, double wantedHz);

// Whether a search hit its wanted value as the user sees it: the period
// (frequency) the settings give, written in its unit's display mask and read
// back, equals the wanted value. A frequency is compared as a whole number of
// Hz.
bool showsExactly(double wantedNs, double periodNs, TimeUnit unit);
bool showsExactly(double wantedHz, double frequencyHz, FrequencyUnit unit);

// Index of the prescaler of `settings` in its timer's list (0 when the ratio
// is not one of the list's).
int prescalerIndexOf(const TimerSettings& settings);

}  // namespace tickwell
