#include "timer/decimal.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tickwell {

namespace {

constexpr int kSignificant = 15;

}  // namespace

char RoundedDigits::at(int place) const {
  if (zero) return '0';
  const int index = top - place;
  return index >= 0 && index < count ? digits[static_cast<std::size_t>(index)] : '0';
}

RoundedDigits roundDigits(double value, int decimals) {
  RoundedDigits r;
  if (!std::isfinite(value) || value == 0) return r;
  // |value| as d.dddddddddddddde±X.
  std::array<char, 40> sci{};
  const auto res = std::to_chars(sci.data(), sci.data() + sci.size(), std::fabs(value), std::chars_format::scientific,
                                 kSignificant - 1);
  r.digits[0] = sci[0];
  for (int i = 1; i < kSignificant; ++i) r.digits[static_cast<std::size_t>(i)] = sci[static_cast<std::size_t>(i) + 1];
  int exponent = 0;
  const std::size_t e = kSignificant + 2;
  std::from_chars(sci.data() + e + (sci[e] == '+' ? 1 : 0), res.ptr, exponent);

  r.zero = false;
  r.top = exponent;
  r.count = kSignificant;
  const long long keep = static_cast<long long>(exponent) + decimals + 1;
  if (keep >= kSignificant) return r;
  if (keep < 0) {
    r.zero = true;
    return r;
  }
  r.count = static_cast<int>(keep);
  bool carry = r.digits[static_cast<std::size_t>(r.count)] >= '5';
  for (int i = r.count - 1; carry && i >= 0; --i) {
    char& d = r.digits[static_cast<std::size_t>(i)];
    if (d == '9') {
      d = '0';
    } else {
      ++d;
      carry = false;
    }
  }
  if (carry) {
    for (int i = r.count; i > 0; --i) r.digits[static_cast<std::size_t>(i)] = r.digits[static_cast<std::size_t>(i) - 1];
    r.digits[0] = '1';
    ++r.count;
    ++r.top;
  }
  r.zero = true;
  for (int i = 0; i < r.count; ++i)
    if (r.digits[static_cast<std::size_t>(i)] != '0') r.zero = false;
  return r;
}

double roundHalfEven(double value) {
  // From 2^52 on every double is a whole number.
  if (!std::isfinite(value) || std::fabs(value) >= 4503599627370496.0) return value;
  const double below = std::floor(value);
  const double fraction = value - below;  // exact in this range
  double result = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0)) result = below + 1;
  return result + 0.0;  // no negative zero
}

double roundToDecimals(double value, int decimals) {
  const RoundedDigits r = roundDigits(value, decimals);
  if (r.zero) return 0;
  std::string text(r.digits.data(), static_cast<std::size_t>(r.count));
  text += 'e';
  text += std::to_string(r.top - r.count + 1);
  double magnitude = 0;
  std::from_chars(text.data(), text.data() + text.size(), magnitude);
  return value < 0 ? -magnitude : magnitude;
}

}  // namespace tickwell
