#include "app/units.h"

#include <gtest/gtest.h>

#include "app/app_record.h"

namespace tickwell {
namespace {

TEST(UnitsTest, RingsStepAndSetFactor) {
  // factor: of `next`, and what the record then holds; 0 for a caption outside
  // the ring, which must leave the record's factor alone.
  // clang-format off
  const struct { bool period; const char* caption; const char* next; double factor; } rows[] = {
      {true, "ns", "\xC2\xB5s", 1e3}, {true, "\xC2\xB5s", "ms", 1e6}, {true, "ms", "s", 1e9},
      {true, "s", "ns", 1}, {true, "us", "", 0}, {true, "\xCE\xBCs", "", 0}, {true, "NS", "", 0},
      {true, "Hz", "", 0}, {false, "Hz", "kHz", 1e3}, {false, "kHz", "MHz", 1e6},
      {false, "MHz", "Hz", 1}, {false, "mhz", "", 0}};
  // clang-format on
  for (const auto& r : rows) {
    AppRecord app;
    app.PeriodUnit = app.FreqUnit = -1;
    const std::string next =
        r.period ? NextPeriodUnit(app, r.caption) : NextFreqUnit(app, r.caption);
    EXPECT_EQ(next, r.next) << r.caption;
    EXPECT_EQ(r.period ? app.PeriodUnit : app.FreqUnit, r.factor == 0 ? -1 : r.factor) << r.caption;
    EXPECT_EQ(r.period ? app.FreqUnit : app.PeriodUnit, -1) << r.caption << ": other unit set";
    const char* shown = r.factor == 0 ? r.caption : r.next;
    EXPECT_EQ(r.period ? periodFactor(shown) : freqFactor(shown), r.factor) << r.caption;
  }
}

TEST(UnitsTest, BinaryDigits) {
  // clang-format off
  const struct { std::int64_t n; std::size_t width; const char* bare, *padded; } rows[] = {
      {0, 8, "0", "00000000"}, {5, 8, "101", "00000101"}, {255, 8, "11111111", "11111111"},
      {256, 8, "100000000", "100000000"}, {-5, 4, "101", "0101"},
      {65535, 16, "1111111111111111", "1111111111111111"}};
  // clang-format on
  for (const auto& r : rows) {
    EXPECT_EQ(DecToBin(r.n), r.bare) << r.n;
    EXPECT_EQ(binaryPadded(r.n, r.width), r.padded) << r.n;
  }
}

TEST(UnitsTest, EmptyOrNumeric) {
  EXPECT_TRUE(IsEmptyOrNumeric(""));
  EXPECT_TRUE(IsEmptyOrNumeric(" 1.5e3 "));
  EXPECT_FALSE(IsEmptyOrNumeric(" "));
  EXPECT_FALSE(IsEmptyOrNumeric("4MHz"));
}

}  // namespace
}  // namespace tickwell
