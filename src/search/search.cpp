#include "search/search.h"

#include <cmath>

#include "timer/decimal.h"

namespace tickwell {

namespace {

struct ScanResult {
  int prescalerIndex;
  std::optional<int> postscalerIndex;
};

// Each round's full count is the previous one times the step between two
// prescalers; equality never ends a round.
std::optional<ScanResult> scan(const TimerSpec& table, double wanted, double maxPeriodPre1) {
  const int n = static_cast<int>(table.prescalers.size());
  for (int i = 0; i < n; ++i) {
    const double full = maxPeriodPre1 * table.prescalers[static_cast<std::size_t>(i)].ratio;
    if (full > wanted) return ScanResult{i, std::nullopt};
    if (table.hasPostscaler) {
      for (int j = 1; j <= kPostscalerCount; ++j)
        if (full * j > wanted) return ScanResult{i, j - 1};
    }
  }
  return std::nullopt;
}

}  // namespace

bool showsExactly(double wantedNs, double periodNs, TimeUnit unit) {
  return roundToDecimals(periodNs / factor(unit), shownDecimals(unit)) * factor(unit) == wantedNs;
}

bool showsExactly(double wantedHz, double frequencyHz, FrequencyUnit unit) {
  return roundHalfEven(roundToDecimals(frequencyHz / factor(unit), kShownFrequencyDecimals) * factor(unit)) == wantedHz;
}

int prescalerIndexOf(const TimerSettings& settings) {
  return timerSpec(settings.timer).prescalerIndex(settings.prescale).value_or(0);
}

SearchOutcome searchPeriod(const TimerSettings& settings, double wantedNs, std::optional<int> keepPrescaler) {
  const TimerSpec& table = timerSpec(settings.timer);
  const SearchLimits limits = evaluate(settings).limits;
  if (wantedNs > limits.maxPeriodNs) return SearchFailure::AboveMaximum;
  if (wantedNs < limits.minPeriodNs) return SearchFailure::BelowMinimum;

  SearchResult result;
  if (keepPrescaler) {
    result.prescalerIndex = *keepPrescaler;
  } else {
    const auto found = scan(table, wantedNs, limits.maxPeriodPre1Ns);
    if (!found) return SearchFailure::NoPrescaler;
    result.prescalerIndex = found->prescalerIndex;
    result.postscalerIndex = found->postscalerIndex;
  }
  const double ratio = table.prescalers[static_cast<std::size_t>(result.prescalerIndex)].ratio;
  if (table.countsToMatch()) {
    const double postscale = result.postscalerIndex ? *result.postscalerIndex + 1 : settings.postscale;
    result.preload = roundHalfEven(wantedNs / (ratio * limits.minPeriodNs * postscale));
  } else {
    result.preload = fullCount(settings.width) - roundHalfEven(wantedNs / (ratio * limits.minPeriodNs));
  }
  return result;
}

SearchOutcome searchFrequency(const TimerSettings& settings, double wantedHz) {
  const TimerSpec& table = timerSpec(settings.timer);
  const SearchLimits limits = evaluate(settings).limits;
  if (wantedHz > limits.maxFreqHz) return SearchFailure::AboveMaximum;
  if (wantedHz < limits.minFreqHz) return SearchFailure::BelowMinimum;
  // Ticks per interrupt at the kept scalers, not rounded.
  const double ticks = limits.maxFreqHz / wantedHz;
  SearchResult result;
  result.prescalerIndex = prescalerIndexOf(settings);
  result.preload = table.countsToMatch() ? roundHalfEven(ticks) : roundHalfEven(fullCount(settings.width) - ticks);
  return result;
}

}  // namespace tickwell
