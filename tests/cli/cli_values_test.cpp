// What the command line reads from its values: frequencies and times in every
// spelling of their units, ratios, lists, languages; which arguments ask for
// the command line rather than the window; the JSON strings it writes.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_values.h"
#include "cli/json_writer.h"
#include "listing/listing.h"

namespace tickwell::cli {
namespace {

struct QuantityRow {
  const char* text;
  std::optional<double> value;
};

TEST(CliValuesTest, Frequencies) {
  const QuantityRow rows[] = {
      {"20MHz", 20e6},       {"20 mhz", 20e6},     {"20MHZ", 20e6},   {"20000kHz", 20e6},
      {"20000000", 20e6},    {"20000000Hz", 20e6}, {"32.768kHz", 32768}, {"1e3", 1000},
      {" 4 MHz ", 4e6},      {"0.5hz", 0.5},
      {"", std::nullopt},    {"MHz", std::nullopt},  {"-1MHz", std::nullopt}, {"0", std::nullopt},
      {"20 MHz MHz", std::nullopt}, {"20MHzz", std::nullopt}, {"20 M Hz", std::nullopt},
      {"1,000Hz", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt}, {"1e400", std::nullopt},
      {"20ms", std::nullopt},
  };
  for (const auto& r : rows) EXPECT_EQ(parseFrequency(r.text), r.value) << '"' << r.text << '"';
}

TEST(CliValuesTest, Times) {
  const QuantityRow rows[] = {
      {"1ms", 1e6},          {"1000us", 1e6},       {"1000\xC2\xB5s", 1e6},  // micro sign
      {"1000\xCE\xBCs", 1e6},                                                // Greek mu
      {"1000\xCE\x9C" "S", 1e6},                                             // capital mu
      {"1e6ns", 1e6},        {"1000000NS", 1e6},    {"0.001", 1e6},          // bare: seconds
      {"0.001S", 1e6},       {"2 s", 2e9},          {"250 us", 250000},
      {"1 m", std::nullopt}, {"ms", std::nullopt},  {"-1ms", std::nullopt},  {"0s", std::nullopt},
      {"1 ks", std::nullopt}, {"1e-400s", std::nullopt},
  };
  for (const auto& r : rows) EXPECT_EQ(parseTime(r.text), r.value) << '"' << r.text << '"';
}

TEST(CliValuesTest, WholeNumbersRatiosListsUnitsAndLanguages) {
  EXPECT_EQ(parseWhole("255"), 255);
  EXPECT_EQ(parseWhole("+3"), 3);
  EXPECT_EQ(parseWhole("-1"), -1);
  EXPECT_EQ(parseWhole("2.5"), std::nullopt);
  EXPECT_EQ(parseWhole("0x10"), std::nullopt);
  EXPECT_EQ(parseWhole("99999999999999999999"), std::nullopt);
  EXPECT_EQ(parseRatio("32"), 32);
  EXPECT_EQ(parseRatio("1:32"), 32);
  EXPECT_EQ(parseRatio("1:"), std::nullopt);
  EXPECT_EQ(parseRatio("2:4"), std::nullopt);
  EXPECT_EQ(parseList("0,1,2"), (std::vector<long long>{0, 1, 2}));
  EXPECT_EQ(parseList(" 0 , 2"), (std::vector<long long>{0, 2}));
  EXPECT_EQ(parseList("0,,1"), std::nullopt);
  EXPECT_EQ(parseList(""), std::nullopt);
  EXPECT_EQ(parseTimeUnit("US"), TimeUnit::Microseconds);
  EXPECT_EQ(parseTimeUnit("\xC2\xB5s"), TimeUnit::Microseconds);
  EXPECT_EQ(parseTimeUnit("ks"), std::nullopt);
  EXPECT_EQ(parseFrequencyUnit("khz"), FrequencyUnit::Kilohertz);
  EXPECT_EQ(parseFrequencyUnit("GHz"), std::nullopt);
  // Every language of the window's list, in any case.
  for (std::size_t i = 0; i < kListingLanguages.size(); ++i) {
    std::string lower = kListingLanguages[i];
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_EQ(parseLanguage(lower), static_cast<int>(i)) << lower;
  }
  EXPECT_EQ(parseLanguage("mikroPascal"), std::nullopt);  // the list spells it microPascal
}

TEST(CliValuesTest, WhichArgumentsAskForTheCommandLine) {
  struct Row {
    std::vector<std::string> args;
    bool cli;
  };
  const Row rows[] = {
      {{"tickwell"}, false},
      {{"tickwell", "solve"}, true},
      {{"tickwell", "frobnicate"}, true},  // refused by the command line, not a window
      {{"tickwell", "--help"}, true},
      {{"tickwell", "-h"}, true},
      {{"tickwell", "--version"}, true},
      {{"tickwell", "--osc=4MHz"}, true},
      {{"tickwell", "--period", "1ms"}, true},
      {{"tickwell", "-style", "fusion"}, false},  // Qt's window options
      {{"tickwell", "-platform", "offscreen"}, false},
      {{"tickwell", "--"}, true},
  };
  for (const Row& r : rows) EXPECT_EQ(wantsCommandLine(r.args), r.cli) << r.args.back();
}

TEST(CliValuesTest, JsonTexts) {
  EXPECT_EQ(jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(jsonString("' x\r\n\t"), "\"' x\\r\\n\\t\"");
  EXPECT_EQ(jsonString(std::string("\x01\xC2\xB5", 3)), "\"\\u0001\xC2\xB5\"");
  JsonWriter j;
  j.beginObject().key("a").value(0.0009999999999999998).key("b").beginArray().value(2e7).value(-0.0).value(true);
  j.value(6.4e-6).endArray().key("c").value(1.0 / 0.0).endObject();
  EXPECT_EQ(j.text(), "{\"a\": 0.001, \"b\": [20000000, 0, true, 6.4e-06], \"c\": null}\n");
}

}  // namespace
}  // namespace tickwell::cli
