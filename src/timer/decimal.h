// Decimal rounding as the window's display masks round a value: on the digits
// of the value written with 15 significant digits, to a number of decimals,
// halves away from zero (so 2.675 rounds to 2.68, as a person expects).
#pragma once

#include <array>

namespace tickwell {

// The significant digits of |value| after rounding: digits[0] stands at the
// decimal place `top` (0 for units, -1 for tenths), `count` digits in all.
// `zero` when nothing is left.
struct RoundedDigits {
  std::array<char, 17> digits{};
  int count = 0;
  int top = 0;
  bool zero = true;

  // The digit at a decimal place ('0' outside the significant digits).
  char at(int place) const;
};

RoundedDigits roundDigits(double value, int decimals);

// Rounds to a whole number, halves to the even neighbour (12.5 -> 12,
// 13.5 -> 14), as BASIC's CInt/CLng do.
double roundHalfEven(double value);

// The value as a mask with `decimals` decimals shows it, read back as a number.
double roundToDecimals(double value, int decimals);

}  // namespace tickwell
