#include "app/units.h"

#include <array>
#include <charconv>

#include "app/app_record.h"
#include "app/number_text.h"

namespace tickwell {

namespace {

struct UnitStep {
  std::string_view caption;
  double factor;
};

constexpr std::array<UnitStep, 4> kPeriodRing{{
    {"ns", 1.0},
    {"\xC2\xB5s", 1e3},
    {"ms", 1e6},
    {"s", 1e9},
}};

constexpr std::array<UnitStep, 3> kFreqRing{{
    {"Hz", 1.0},
    {"kHz", 1e3},
    {"MHz", 1e6},
}};

template <std::size_t N>
const UnitStep* findStep(const std::array<UnitStep, N>& ring, std::string_view caption) {
  for (const auto& step : ring) {
    if (step.caption == caption) return &step;
  }
  return nullptr;
}

// Moves one step round the ring: the next caption, and its factor into `unit`.
template <std::size_t N>
std::string advance(const std::array<UnitStep, N>& ring, std::string_view caption, double& unit) {
  const UnitStep* step = findStep(ring, caption);
  if (step == nullptr) return "";
  const std::size_t index = static_cast<std::size_t>(step - ring.data());
  const UnitStep& next = ring[(index + 1) % N];
  unit = next.factor;
  return std::string(next.caption);
}

template <std::size_t N>
double factorOf(const std::array<UnitStep, N>& ring, std::string_view caption) {
  const UnitStep* step = findStep(ring, caption);
  return step == nullptr ? 0.0 : step->factor;
}

}  // namespace

std::string NextPeriodUnit(AppRecord& app, std::string_view caption) {
  return advance(kPeriodRing, caption, app.PeriodUnit);
}

std::string NextFreqUnit(AppRecord& app, std::string_view caption) {
  return advance(kFreqRing, caption, app.FreqUnit);
}

double periodFactor(std::string_view caption) { return factorOf(kPeriodRing, caption); }

double freqFactor(std::string_view caption) { return factorOf(kFreqRing, caption); }

std::string DecToBin(std::int64_t n) {
  const auto u = static_cast<std::uint64_t>(n);
  const std::uint64_t magnitude = n < 0 ? ~u + 1 : u;
  std::array<char, 64> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, 2);
  return std::string(buf.data(), res.ptr);
}

std::string binaryPadded(std::int64_t n, std::size_t width) {
  std::string digits = DecToBin(n);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

bool IsEmptyOrNumeric(std::string_view text) { return text.empty() || isNumeric(text); }

}  // namespace tickwell
