#include "search/period_scan.h"

#include <cmath>

#include "app/number_text.h"

namespace tickwell {

std::optional<PeriodScanResult> scanPeriod(const PeriodScanInput& in) {
  const int n = in.prescalerCount;
  double p = in.maxPeriodPre1;
  int i = 0;
  while (i < n) {
    if (p > in.wanted) return PeriodScanResult{i, std::nullopt};
    if (n != 3) {
      p = p * 2;
      ++i;
    } else {
      for (int j = 1; j <= 16; ++j) {
        if (p * j > in.wanted) return PeriodScanResult{i, j - 1};
      }
      p = p * 4;
      ++i;
    }
  }
  return std::nullopt;
}

double periodPreload(double wanted, int prescalerIndex, double minPeriod, int prescalerCount, double postScale,
                     int timerMode) {
  if (prescalerCount == 3) return roundHalfEven(wanted / (std::pow(4.0, prescalerIndex) * minPeriod * postScale));
  return std::pow(256.0, timerMode + 1) - roundHalfEven(wanted / (std::pow(2.0, prescalerIndex) * minPeriod));
}

double frequencyPreload(double wanted, double maxFreq, int prescalerCount, int timerMode) {
  const double ticks = maxFreq / wanted;
  if (prescalerCount == 3) return roundHalfEven(ticks);
  return roundHalfEven(std::pow(256.0, timerMode + 1) - ticks);
}

}  // namespace tickwell
