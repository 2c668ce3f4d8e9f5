// Number texts worked out by hand: what the entries read, the display masks
// (halves away from zero on the 15-digit text, carries, optional decimals),
// the plain and hexadecimal texts, and the result texts of the search.
#include "app/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/result_texts.h"

namespace tickwell {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NumberTextTest, ParseNumberReadsWholeTextOnly) {
  const std::string zeros(500, '0');
  // clang-format off
  const struct { std::string text; bool ok; double value; } rows[] = {
      {" \t-12.5 ", true, -12.5}, {"+7", true, 7}, {".5", true, 0.5}, {"5.", true, 5}, {"2.5E-3", true, 0.0025},
      {"1e+3", true, 1000}, {"-0", true, 0}, {"1e-310", true, 1e-310}, {"", false, 0}, {"  ", false, 0},
      {".", false, 0}, {"-", false, 0}, {"1,000", false, 0}, {"0x10", false, 0}, {"inf", false, 0},
      {"1 2", false, 0}, {"1e+", false, 0}, {"1.2.3", false, 0},
      // Out of range: underflow reads as 0 (never -0), overflow is no number,
      // told apart by where the first digit stands: 1e-6 x 1e315 and 1e500 x
      // 1e-100 overflow, 1e-502 x 1e100 underflows.
      {"-1e-400", true, 0}, {"1e400", false, 0}, {"0.000001e315", false, 0},
      {"1" + zeros + "e-100", false, 0}, {"-1" + zeros + "e-100", false, 0}, {"0.0" + zeros + "1e100", true, 0},
      {"0." + zeros + zeros + zeros + "1e2000", false, 0}};  // 1e499: every digit of the exponent counts
  // clang-format on
  for (const auto& r : rows) {
    const auto got = parseNumber(r.text);
    ASSERT_EQ(got.has_value(), r.ok) << '"' << r.text << '"';
    if (!r.ok) continue;
    EXPECT_EQ(*got, r.value) << '"' << r.text << '"';
    EXPECT_FALSE(std::signbit(*got) && *got == 0) << '"' << r.text << "\" gives negative zero";
  }
}

TEST(NumberTextTest, LeadingValueReadsLikeVal) {
  // clang-format off
  const struct { const char* text; double value; } rows[] = {
      {"1 2 3", 123}, {"12a", 12}, {"", 0}, {"1e400", 0}, {"1e", 1}, {"2.5e-x", 2.5}, {"1.5.7", 1.5},
      {" - 4 . 5 E 1", -45}, {"\r\n7\t", 7}, {"1,000", 1}, {"5+", 5}};
  // clang-format on
  for (const auto& r : rows) EXPECT_EQ(leadingValue(r.text), r.value) << '"' << r.text << '"';
}

TEST(NumberTextTest, Texts) {
  const char* const dec2 = "##,##0.00";
  const char* const opt5 = "#,###,##0.00#####";  // two decimals, five more when not 0
  // clang-format off
  const struct { std::string got; const char* expected; } rows[] = {
      // Halves go away from zero, decided on the 15-digit text: 2.675 is
      // 2.67499999... in binary but 2.67500000000000 in 15 digits.
      {formatMask(0.5, "##,##0"), "1"}, {formatMask(-0.5, "##,##0"), "-1"}, {formatMask(2.5, "##,##0"), "3"},
      {formatMask(2.675, dec2), "2.68"},
      {formatMask(1.2345678901234567e18, "#,###,###,##0"), "1,234,567,890,123,460,000"},
      // Zero: empty without a required digit, no minus sign.
      {formatMask(0, "##,###"), ""}, {formatMask(0.4, "##,###"), ""}, {formatMask(-0.4, "##,##0"), "0"},
      {formatMask(-0.0, dec2), "0.00"}, {formatMask(1e-9, dec2), "0.00"}, {formatMask(kNaN, "##,##0"), ""},
      // Carries into a new digit and a new group.
      {formatMask(99.5, "##,##0"), "100"}, {formatMask(0.96, "##,###"), "1"}, {formatMask(999.996, dec2), "1,000.00"},
      {formatMask(1e20, "#,###,###,###"), "100,000,000,000,000,000,000"},
      // The optional decimals go as far as the last one that is not 0.
      {formatMask(1.00101, opt5), "1.00101"}, {formatMask(1.5, opt5), "1.50"},
      {plainNumber(3906.25), "3906.25"}, {plainNumber(5e-7), "5E-07"}, {plainNumber(1e20), "1E+20"},
      {plainNumber(-0.0), "0"}, {recordNumber(1e20), "1e+20"}, {recordNumber(-0.0), "0"},
      {plainNumber(readShown("1,000,000.25")), "1000000.25"}, {plainNumber(readShown("12a")), "0"},
      {integerText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808"},
      {hexText(0), "0"}, {hexText(65535), "FFFF"}, {hexText(-255), "-FF"},
      // Errors: signed when not shown as 0, in ppm with three decimals, in % with seven.
      {ppmText(7.6292781), "+7.629"}, {ppmText(0.0004), "0"}, {ppmText(-0.0006), "-0.001"},
      {percentText(-1600), "-0.16"}, {percentText(15.258556), "+0.0015259"},
      // Values in messages: the largest unit they reach, the smallest below it.
      {periodText(1000), "1 \xC2\xB5s"}, {periodText(0.5), "0.5 ns"}, {frequencyText(1e6 / 524288), "1.907348633 Hz"},
  };
  // clang-format on
  for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(rows[i].got, rows[i].expected) << "row " << i;
}

TEST(NumberTextTest, RoundToDecimalsIsWhatTheMaskShows) {
  // The search decides on numbers what the user sees in the masks' texts.
  const double values[] = {0.9984, 2.675, 1.005, 76.2939453125, 1.0 / 3, 999.996, 1e20 / 3, 5e-324, -0.125, 1e-9};
  const std::pair<int, const char*> masks[] = {{0, "#,###,###,###"}, {2, "#,###,###,##0.00"},
                                               {5, "##,###,##0.00###"}, {7, "#,###,##0.00#####"}};
  for (double v : values)
    for (const auto& [decimals, mask] : masks)
      EXPECT_EQ(roundToDecimals(v, decimals), readShown(formatMask(v, mask))) << v << " with " << mask;
}

TEST(NumberTextTest, RoundHalfEven) {
  // clang-format off
  const struct { double value, rounded; } rows[] = {
      {12.5, 12}, {13.5, 14}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {1e300, 1e300},
      {4503599627370495.5, 4503599627370496.0}};
  // clang-format on
  for (const auto& r : rows) EXPECT_EQ(roundHalfEven(r.value), r.rounded) << r.value;
  EXPECT_TRUE(std::isnan(roundHalfEven(kNaN)));
  // Control values: any double converts without overflow.
  for (const auto& [value, whole] : {std::pair{12.5, 12}, {-1e300, -1000000000}, {1e300, 1000000000}, {kNaN, 0}})
    EXPECT_EQ(wholeValue(value), whole) << value;
}

}  // namespace
}  // namespace tickwell
