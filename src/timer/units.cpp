#include "timer/units.h"

#include <array>

namespace tickwell {

namespace {

template <class Unit>
struct Step {
  Unit unit;
  std::string_view caption;
  double factor;
};

constexpr std::array<Step<TimeUnit>, 4> kTimeRing{{
    {TimeUnit::Nanoseconds, "ns", 1.0},
    {TimeUnit::Microseconds, "\xC2\xB5s", 1e3},
    {TimeUnit::Milliseconds, "ms", 1e6},
    {TimeUnit::Seconds, "s", 1e9},
}};

constexpr std::array<Step<FrequencyUnit>, 3> kFrequencyRing{{
    {FrequencyUnit::Hertz, "Hz", 1.0},
    {FrequencyUnit::Kilohertz, "kHz", 1e3},
    {FrequencyUnit::Megahertz, "MHz", 1e6},
}};

// The rings list the units in enum order.
template <class Ring, class Unit>
const auto& stepOf(const Ring& ring, Unit unit) {
  return ring[static_cast<std::size_t>(unit)];
}

template <class Ring>
auto unitOf(const Ring& ring, std::string_view caption) -> std::optional<decltype(ring[0].unit)> {
  for (const auto& step : ring)
    if (step.caption == caption) return step.unit;
  return std::nullopt;
}

}  // namespace

std::string_view caption(TimeUnit unit) { return stepOf(kTimeRing, unit).caption; }
std::string_view caption(FrequencyUnit unit) { return stepOf(kFrequencyRing, unit).caption; }

double factor(TimeUnit unit) { return stepOf(kTimeRing, unit).factor; }
double factor(FrequencyUnit unit) { return stepOf(kFrequencyRing, unit).factor; }

TimeUnit next(TimeUnit unit) { return kTimeRing[(static_cast<std::size_t>(unit) + 1) % kTimeRing.size()].unit; }
FrequencyUnit next(FrequencyUnit unit) {
  return kFrequencyRing[(static_cast<std::size_t>(unit) + 1) % kFrequencyRing.size()].unit;
}

int shownDecimals(TimeUnit unit) {
  switch (unit) {
    case TimeUnit::Nanoseconds: return 0;
    case TimeUnit::Microseconds: return 2;
    case TimeUnit::Milliseconds:
    case TimeUnit::Seconds: return 7;
  }
  return 0;
}

std::optional<TimeUnit> timeUnitOf(std::string_view caption) { return unitOf(kTimeRing, caption); }
std::optional<FrequencyUnit> frequencyUnitOf(std::string_view caption) { return unitOf(kFrequencyRing, caption); }

}  // namespace tickwell
