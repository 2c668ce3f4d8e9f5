#include "search/search.h"

#include <cmath>

#include "timer/decimal.h"

namespace tickwell {

namespace {

struct ScanResult {
  int prescalerIndex;
  std::optional<int> postscalerIndex;
};

// The interrupt routine's cycles (timeout and overhead) are counted in ticks
// of the timer: of a tick of `tickNs`, the register itself must count the
// wanted period less those ticks.
double registerPeriod(const TimerSettings& s, double wantedNs, double tickNs) {
  return wantedNs - (s.timeout + s.overhead) * tickNs;
}

// Each round's full count is the previous one times the step between two
// prescalers; equality never ends a round. The full count is compared with
// what the register must count at the scalers of the round.
std::optional<ScanResult> scan(const TimerSettings& s, double wanted, const SearchLimits& limits) {
  const TimerSpec& table = factsOf(s);
  const int n = static_cast<int>(table.prescalers.size());
  for (int i = 0; i < n; ++i) {
    const double ratio = table.prescalers[static_cast<std::size_t>(i)].ratio;
    const double full = limits.maxPeriodPre1Ns * ratio;
    const double tick = limits.minPeriodNs * ratio;
    if (full > registerPeriod(s, wanted, tick * s.postscale)) return ScanResult{i, std::nullopt};
    if (table.hasPostscaler) {
      for (int j = 1; j <= kPostscalerCount; ++j)
        if (full * j > registerPeriod(s, wanted, tick * j)) return ScanResult{i, j - 1};
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
  return factsOf(settings).prescalerIndex(settings.prescale).value_or(0);
}

SearchOutcome searchPeriod(const TimerSettings& settings, double wantedNs, std::optional<int> keepPrescaler) {
  const TimerSpec& table = factsOf(settings);
  const SearchLimits limits = evaluate(settings).limits;
  if (wantedNs > limits.maxPeriodNs) return SearchFailure::AboveMaximum;
  if (wantedNs < limits.minPeriodNs) return SearchFailure::BelowMinimum;

  SearchResult result;
  if (keepPrescaler) {
    result.prescalerIndex = *keepPrescaler;
  } else {
    const auto found = scan(settings, wantedNs, limits);
    if (!found) return SearchFailure::NoPrescaler;
    result.prescalerIndex = found->prescalerIndex;
    result.postscalerIndex = found->postscalerIndex;
  }
  const double ratio = table.prescalers[static_cast<std::size_t>(result.prescalerIndex)].ratio;
  const double postscale = result.postscalerIndex ? *result.postscalerIndex + 1 : settings.postscale;
  const double tick = ratio * limits.minPeriodNs * postscale;
  const double ticks = roundHalfEven(registerPeriod(settings, wantedNs, tick) / tick);
  result.preload = table.countsToMatch() ? ticks : fullCount(settings.width) - ticks;
  return result;
}

SearchOutcome searchFrequency(const TimerSettings& settings, double wantedHz) {
  const TimerSpec& table = factsOf(settings);
  const SearchLimits limits = evaluate(settings).limits;
  if (wantedHz > limits.maxFreqHz) return SearchFailure::AboveMaximum;
  if (wantedHz < limits.minFreqHz) return SearchFailure::BelowMinimum;
  // Ticks the register counts per interrupt at the kept scalers, not rounded.
  const double ticks = limits.maxFreqHz / wantedHz - (settings.timeout + settings.overhead);
  SearchResult result;
  result.prescalerIndex = prescalerIndexOf(settings);
  result.preload = table.countsToMatch() ? roundHalfEven(ticks) : roundHalfEven(fullCount(settings.width) - ticks);
  return result;
}

}  // namespace tickwell
