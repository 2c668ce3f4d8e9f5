#include "app/units.h"

#include <gtest/gtest.h>

#include "app/app_record.h"
#include "timer/units.h"

namespace tickwell {
namespace {

TEST(UnitsTest, RingsStepAndSetFactor) {
  // Each row: a caption, the caption after one step, the factor the record
  // then holds. Four steps of the period ring and three of the frequency ring
  // come back to the start.
  // clang-format off
  const struct { bool period; const char* caption; const char* next; double factor; } rows[] = {
      {true, "ns", "\xC2\xB5s", 1e3}, {true, "\xC2\xB5s", "ms", 1e6}, {true, "ms", "s", 1e9},
      {true, "s", "ns", 1}, {false, "Hz", "kHz", 1e3}, {false, "kHz", "MHz", 1e6}, {false, "MHz", "Hz", 1}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(r.caption);
    AppRecord app;
    app.PeriodUnit = app.FreqUnit = -1;
    if (r.period) {
      const TimeUnit n = NextPeriodUnit(app, *timeUnitOf(r.caption));
      EXPECT_EQ(caption(n), r.next);
      EXPECT_EQ(app.PeriodUnit, r.factor);
      EXPECT_EQ(app.FreqUnit, -1) << "the other unit set";
    } else {
      const FrequencyUnit n = NextFreqUnit(app, *frequencyUnitOf(r.caption));
      EXPECT_EQ(caption(n), r.next);
      EXPECT_EQ(app.FreqUnit, r.factor);
      EXPECT_EQ(app.PeriodUnit, -1) << "the other unit set";
    }
  }
}

TEST(UnitsTest, CaptionsOutsideTheRingsAreNoUnits) {
  // The plain letter u, the Greek mu and other cases are not the micro sign.
  for (const char* c : {"us", "\xCE\xBCs", "NS", "", "Hz "}) EXPECT_FALSE(timeUnitOf(c)) << c;
  for (const char* c : {"mhz", "KHz", "s", "Hz "}) EXPECT_FALSE(frequencyUnitOf(c)) << c;
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
