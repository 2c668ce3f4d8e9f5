#include "app/result_texts.h"

#include "app/number_text.h"

namespace tickwell {

std::string_view interruptPeriodMask(TimeUnit unit) {
  switch (unit) {
    case TimeUnit::Nanoseconds: return "#,###,###,###";
    case TimeUnit::Microseconds: return "#,###,###,##0.00";
    case TimeUnit::Milliseconds:
    case TimeUnit::Seconds: return "#,###,##0.00#####";
  }
  return {};
}

std::string_view limitPeriodMask(TimeUnit unit) {
  switch (unit) {
    case TimeUnit::Nanoseconds: return "#,###,###,##0";
    case TimeUnit::Microseconds: return "#,###,###,##0.00";
    case TimeUnit::Milliseconds:
    case TimeUnit::Seconds: return "#,###,##0.00###";
  }
  return {};
}

std::string_view limitFrequencyMask(FrequencyUnit unit) {
  return unit == FrequencyUnit::Hertz ? "##,##0.00" : "#,###,###,##0.00";
}

std::string shownPeriod(double periodNs, TimeUnit unit) {
  return formatMask(readShown(plainNumber(periodNs / factor(unit))), interruptPeriodMask(unit));
}

std::string shownFrequency(double frequencyHz, FrequencyUnit unit) {
  return formatMask(readShown(plainNumber(frequencyHz / factor(unit))), kInterruptFrequencyMask);
}

}  // namespace tickwell
