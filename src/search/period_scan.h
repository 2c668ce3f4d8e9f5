// The period search's choice of prescaler (and Timer2 postscaler) and the
// preload that shortens the count to the wanted period. Pure arithmetic.
#pragma once

#include <optional>

namespace tickwell {

struct PeriodScanInput {
  double wanted = 0;         // ns
  double maxPeriodPre1 = 0;  // ns: one full count at prescaler and postscaler 1:1
  int prescalerCount = 0;    // entries of the prescaler list: 3 is Timer2
};

struct PeriodScanResult {
  int prescalerIndex = 0;
  std::optional<int> postscalerIndex;  // Timer2: the postscaler the scan chose
};

// Tries the prescalers from the smallest up and takes the first whose full
// count (Timer2: with the first postscaler from 1:1 up) lasts strictly longer
// than the wanted period. Nothing when no prescaler reaches it.
std::optional<PeriodScanResult> scanPeriod(const PeriodScanInput& in);

// The preload for a wanted period at prescaler index i: for Timer2 the PR2
// count, otherwise the full count less the ticks. Halves round to even.
double periodPreload(double wanted, int prescalerIndex, double minPeriod, int prescalerCount, double postScale,
                     int timerMode);

// The preload for a wanted frequency at the selected scalers.
double frequencyPreload(double wanted, double maxFreq, int prescalerCount, int timerMode);

}  // namespace tickwell
