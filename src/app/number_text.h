// Number texts: every conversion between numbers and the texts the windows show
// or read. Fixed to the comma as digit-group separator and the point as decimal
// separator, whatever the desktop's locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "timer/decimal.h"

namespace tickwell {

// The number at the start of a text, in the manner of BASIC's Val: blanks
// (space, tab, CR, LF) are skipped wherever they stand, reading stops at the
// first character that cannot continue the number; 0 when there is none.
// Accepts a sign, digits, one decimal point and an exponent (E or e with an
// optional sign). A value that overflows a double gives 0.
double leadingValue(std::string_view text);

// The whole text read as a number: blanks around it, a sign, a decimal point
// and an exponent are accepted; digit grouping, hexadecimal literals, letters,
// "inf", "nan" or a second number are not. A value that overflows a double is
// not a number. Values too small for a double read as 0.
std::optional<double> parseNumber(std::string_view text);
bool isNumeric(std::string_view text);

// A shown number read back: like parseNumber, but commas (digit grouping) are
// ignored. An empty or blank text reads as 0 (a display mask without a required
// digit writes nothing for zero). A text that is not a number also gives 0.
double readShown(std::string_view text);

// printf("%.15g") with the exponent letter in upper case: 256000, 3906.25,
// 5E-07, 1E+20. Negative zero is written "0".
std::string plainNumber(double value);

// printf("%.15g") as is (exponent in lower case), for record fields shown by
// the scenario driver.
std::string recordNumber(double value);

// Whole number in decimal digits, with a minus sign when negative.
std::string integerText(std::int64_t value);

// Upper-case hexadecimal digits without leading zeros and without prefix:
// 10 -> "A", 255 -> "FF", 256 -> "100", 0 -> "0". Negative values give the
// digits of the magnitude with a minus sign.
std::string hexText(std::int64_t value);

// Display mask such as "##,##0.00" or "#,###,##0.00#####": '#' an optional
// digit, '0' a required digit, ',' groups the integer part in threes, '.' the
// decimal point. The value is rounded to the mask's last decimal place, halves
// away from zero, on the decimal digits of the value written with 15
// significant digits (2.675 -> "2.68"). A mask without a required digit writes
// the empty text for a value that rounds to 0. A non-finite value gives "".
// formatMask(readShown(formatMask(v, m)), m) == formatMask(v, m).
std::string formatMask(double value, std::string_view mask);

// A value for a slider or list: rounded with halves to even and kept within
// +-1e9, so that any double (huge, or not a number, which gives 0) converts
// safely to an integer.
std::int64_t wholeValue(double value);

}  // namespace tickwell
