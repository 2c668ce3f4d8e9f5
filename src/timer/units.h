// Display units of periods (ns, µs, ms, s) and frequencies (Hz, kHz, MHz):
// each unit's caption, its factor from the base unit (ns, Hz) and the next
// unit of its ring, as the unit captions of the window step through them.
#pragma once

#include <optional>
#include <string_view>

namespace tickwell {

enum class TimeUnit { Nanoseconds, Microseconds, Milliseconds, Seconds };
enum class FrequencyUnit { Hertz, Kilohertz, Megahertz };

// "ns", "µs" (with the micro sign U+00B5), "ms", "s".
std::string_view caption(TimeUnit unit);
// "Hz", "kHz", "MHz".
std::string_view caption(FrequencyUnit unit);

// Base units per shown unit: 1, 1e3, 1e6, 1e9 (ns); 1, 1e3, 1e6 (Hz).
double factor(TimeUnit unit);
double factor(FrequencyUnit unit);

// The next unit of the ring: ns -> µs -> ms -> s -> ns; Hz -> kHz -> MHz -> Hz.
TimeUnit next(TimeUnit unit);
FrequencyUnit next(FrequencyUnit unit);

// Decimals the window shows of an interrupt period in a unit (ns 0, µs 2,
// ms and s 7) and of an interrupt frequency (5, in every unit).
int shownDecimals(TimeUnit unit);
inline constexpr int kShownFrequencyDecimals = 5;

// The unit of a caption, exactly as written (case-sensitive).
std::optional<TimeUnit> timeUnitOf(std::string_view caption);
std::optional<FrequencyUnit> frequencyUnitOf(std::string_view caption);

}  // namespace tickwell
