#include "app/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tickwell {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(NumberTextTest, ParseNumberReadsWholeTextOnly) {
  // clang-format off
  const struct { const char* text; bool ok; double value; } rows[] = {
      {" \t-12.5 ", true, -12.5}, {"+7", true, 7}, {".5", true, 0.5}, {"5.", true, 5},
      {"2.5E-3", true, 0.0025}, {"1e+3", true, 1000}, {"-0", true, 0}, {"-1e-400", true, 0},
      {"1e-310", true, 1e-310}, {"1e400", false, 0}, {"0.000001e315", false, 0}, {"", false, 0},
      {"  ", false, 0}, {".", false, 0}, {"-", false, 0}, {"1,000", false, 0}, {"&H10", false, 0},
      {"0x10", false, 0}, {"inf", false, 0}, {"NaN", false, 0}, {"\xEF\xBC\x91", false, 0},
      {"1 2", false, 0}, {"12a", false, 0}, {"1e", false, 0}, {"1e+", false, 0},
      {"1.2.3", false, 0},
      // Underflow reads as 0 however the digits are spread; overflow is no number.
      {"0.1e400", false, 0}};
  // clang-format on
  const std::string tiny = "0." + std::string(400, '0') + "1e5";  // 1e-396
  EXPECT_EQ(parseNumber(tiny), 0.0);
  // Where the digits outweigh the exponent: 1e500 x 1e-100 overflows,
  // 1e-601 x 1e100 underflows.
  EXPECT_EQ(parseNumber("1" + std::string(500, '0') + "e-100"), std::nullopt);
  EXPECT_EQ(parseNumber("-1" + std::string(500, '0') + "e-100"), std::nullopt);
  EXPECT_EQ(parseNumber("0." + std::string(600, '0') + "1e100"), 0.0);
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
      {"1 2 3", 123}, {"12a", 12}, {"abc", 0}, {"", 0}, {"1e400", 0}, {"-5", -5}, {"1e", 1},
      {"2.5e-x", 2.5}, {"1.5.7", 1.5}, {" - 4 . 5 E 1", -45}, {"\r\n7\t", 7}, {"1,000", 1},
      {"12-3", 12}, {"5+", 5}};
  // clang-format on
  for (const auto& r : rows) EXPECT_EQ(leadingValue(r.text), r.value) << '"' << r.text << '"';
}

TEST(NumberTextTest, WritesAndReadsPlainTexts) {
  EXPECT_EQ(readShown("1,000,000.25"), 1000000.25);
  EXPECT_EQ(readShown("  "), 0);
  EXPECT_EQ(readShown("12a"), 0);
  EXPECT_EQ(plainNumber(3906.25), "3906.25");
  EXPECT_EQ(plainNumber(5e-7), "5E-07");
  EXPECT_EQ(plainNumber(1e20), "1E+20");
  EXPECT_EQ(plainNumber(-0.0), "0");
  EXPECT_EQ(recordNumber(1e20), "1e+20");
  EXPECT_EQ(recordNumber(-0.0), "0");
  EXPECT_EQ(integerText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(hexText(0), "0");
  EXPECT_EQ(hexText(65535), "FFFF");
  EXPECT_EQ(hexText(-255), "-FF");
}

const char* const kMasks[] = {"##,##0",           "##,##0.00",         "##,###",
                              "##,###,##0.00###", "#,###,###,###",     "#,###,###,##0",
                              "#,###,###,##0.00", "#,###,##0.00#####", "#,###,##0.00###"};

TEST(NumberTextTest, FormatMaskRows) {
  // clang-format off
  const struct { double value; const char* mask; const char* text; } rows[] = {
      {1000, "##,##0", "1,000"}, {999, "##,##0", "999"}, {3906.25, kMasks[3], "3,906.25"},
      {76.2939453125, kMasks[3], "76.29395"}, {0.9984, kMasks[7], "0.9984"},
      {15.2587890625, kMasks[1], "15.26"}, {1000000, kMasks[1], "1,000,000.00"},
      {65536000, kMasks[5], "65,536,000"}, {13107200, kMasks[4], "13,107,200"},
      {0.5, "##,##0", "1"}, {-0.5, "##,##0", "-1"}, {2.5, "##,##0", "3"},
      {2.675, kMasks[1], "2.68"}, {0.125, kMasks[1], "0.13"}, {1.005, kMasks[1], "1.01"},
      {0, kMasks[4], ""}, {0.4, "##,###", ""}, {-0.4, "##,##0", "0"}, {-0.0, kMasks[1], "0.00"},
      {1e20, kMasks[4], "100,000,000,000,000,000,000"},
      {1.2345678901234567e18, kMasks[5], "1,234,567,890,123,460,000"}, {1e-9, kMasks[1], "0.00"},
      {999.996, kMasks[1], "1,000.00"}, {0.96, "##,###", "1"}, {kNaN, "##,##0", ""},
      // A carry out of the first digit: 9.6 -> 10, 99.5 -> 100.
      {9.6, "##,##0", "10"}, {99.5, "##,##0", "100"},
      // The optional decimals go as far as the last one that is not 0.
      {1.00101, kMasks[7], "1.00101"}, {1.5, kMasks[7], "1.50"},
      {-kInf, "##,##0", ""}};
  // clang-format on
  for (const auto& r : rows) {
    EXPECT_EQ(formatMask(r.value, r.mask), r.text) << r.value << " with " << r.mask;
  }
}

TEST(NumberTextTest, FormatMaskReadsBackToSameText) {
  // clang-format off
  const double values[] = {0, 0.4, -0.5, 2.675, 1.005, 76.2939453125, 1.0 / 3, 2.0 / 3,
                           999.9999999, 123456789.123456789, 1e20 / 3, 1.7e308, 5e-324,
                           -65536000.5, 0.999999995};
  // clang-format on
  for (const char* mask : kMasks) {
    for (double v : values) {
      const std::string once = formatMask(v, mask);
      EXPECT_EQ(formatMask(readShown(once), mask), once) << v << " with " << mask;
    }
  }
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
  EXPECT_EQ(wholeValue(12.5), 12);
  EXPECT_EQ(wholeValue(-1e300), -1000000000);
  EXPECT_EQ(wholeValue(1e300), 1000000000);
  EXPECT_EQ(wholeValue(kNaN), 0);
}

}  // namespace
}  // namespace tickwell
