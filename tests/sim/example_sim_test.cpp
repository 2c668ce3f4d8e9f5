// The assembler example programs, assembled with gpasm for their chips and run
// in gpsim: PORTB toggles every 400 Timer0 interrupts, at the period that the
// comment header of the file states.
#include <gtest/gtest.h>

#include <regex>

#include "sim_support.h"

namespace tickwell::sim {
namespace {

struct ExampleRow {
  const char* name;
  const char* file;
  long jitter;  // cycles by which one toggle may come late, as the header says
};

void PrintTo(const ExampleRow& row, std::ostream* os) { *os << row.file; }

class AssemblerExample : public ::testing::TestWithParam<ExampleRow> {};

// The header's figures: "interrupts every ... N instruction cycles" and
// "toggles every 400 interrupts, every M cycles = S s".
struct Stated {
  long interruptCycles = 0, toggleCycles = 0;
  double seconds = 0;
};

Stated statedPeriod(const std::string& text) {
  std::string flat = std::regex_replace(text, std::regex("\r\n; \\*\\s+"), " ");
  Stated s;
  std::smatch m;
  if (std::regex_search(flat, m, std::regex(R"(interrupts every (\d+) instruction cycles)")))
    s.interruptCycles = std::stol(m[1]);
  if (std::regex_search(flat, m, std::regex(R"(toggles every 400 interrupts, every (\d+) cycles = ([0-9.]+) s)"))) {
    s.toggleCycles = std::stol(m[1]);
    s.seconds = std::stod(m[2]);
  }
  return s;
}

TEST_P(AssemblerExample, TogglesPortbAtTheStatedPeriod) {
  TICKWELL_REQUIRE_SIM_TOOLS();
  const ExampleRow& row = GetParam();
  const std::string text = readFile(std::string(EXAMPLES_DIR) + "/" + row.file);
  ASSERT_FALSE(text.empty()) << row.file;

  const Stated stated = statedPeriod(text);
  ASSERT_GT(stated.toggleCycles, 0) << "the header states no period";
  EXPECT_EQ(stated.toggleCycles, 400 * stated.interruptCycles);
  // 8 MHz: four clocks make one 0.5 us instruction cycle.
  EXPECT_DOUBLE_EQ(stated.seconds, static_cast<double>(stated.toggleCycles) * 4 / 8e6);

  TempDir dir;
  ASSERT_TRUE(assemble(dir.path(), "example", text));
  // At the label `toggle`, before COMF PORTB runs: the cycle count and PORTB.
  constexpr std::size_t kToggles = 5;
  std::vector<std::string> script{"break e toggle"};
  for (std::size_t i = 0; i < kToggles; ++i) script.insert(script.end(), {"run", "cycles", "portb"});
  const auto printed = simulate(dir.path(), "example", script);
  ASSERT_EQ(printed.size(), 2 * kToggles);
  // PORTB starts at FF and flips at each toggle.
  for (std::size_t k = 0; k < kToggles; ++k) EXPECT_EQ(printed[2 * k + 1].value, k % 2 == 0 ? 0xFFU : 0x00U) << k;
  // The first toggle is timed from the start; from the second on every one
  // lies on the stated grid, up to the stated jitter.
  const long second = static_cast<long>(printed[2].value);
  for (std::size_t k = 2; k < kToggles; ++k) {
    const long late = static_cast<long>(printed[2 * k].value) - second - static_cast<long>(k - 1) * stated.toggleCycles;
    EXPECT_GE(late, -row.jitter) << "toggle " << k;
    EXPECT_LE(late, row.jitter) << "toggle " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, AssemblerExample,
                         ::testing::Values(ExampleRow{"Pic16", "assembler-pic16.asm", 0},
                                           ExampleRow{"Pic18", "assembler-pic18.asm", 2}),
                         [](const ::testing::TestParamInfo<ExampleRow>& info) { return info.param.name; });

}  // namespace
}  // namespace tickwell::sim

namespace tickwell::sim {
namespace {

// The XC8 examples compile with the host's C compiler against the registers
// and ...bits structures of their chip (from gputils' include files): every
// register and bit they name exists there. XC8's own keywords are stubbed.
TEST(XC8Example, NamesOnlyRegistersOfItsChip) {
  TICKWELL_REQUIRE_SIM_TOOLS();
  for (const auto& [file, chip] : {std::pair{"xc8-pic16.c", Chip::PIC16F877A}, std::pair{"xc8-pic18.c", Chip::PIC18F4520}}) {
    SCOPED_TRACE(file);
    TempDir dir;
    writeFile(dir.path() / "xc.h", xc8Header(chip) + "#define __interrupt(...)\n");
    writeFile(dir.path() / "example.c", readFile(std::string(EXAMPLES_DIR) + "/" + file));
    const CommandResult build = runCommand("cd " + shellQuote(dir.path().string()) +
                                           " && cc -std=gnu11 -fsyntax-only -Wall -Wextra -Werror -Wno-main"
                                           " -Wno-unknown-pragmas -I. example.c");
    EXPECT_EQ(build.status, 0) << build.output;
  }
}

}  // namespace
}  // namespace tickwell::sim
