// Tools of the simulator tests: the window (the scenario driver), gpasm and
// gpsim, and the register maps of the device include files of gputils.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tickwell::sim {

enum class Chip { PIC16F877A, PIC18F4520 };

// ---------------------------------------------------------------- processes

struct CommandResult {
  int status = -1;
  std::string output;  // standard output and standard error
};
CommandResult runCommand(const std::string& command);
std::string shellQuote(const std::string& text);

// Empty when gpasm and gpsim are both on the PATH, else what is missing.
std::string missingTools();

// A fresh directory under the system's temporary folder, removed at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void writeFile(const std::filesystem::path& file, const std::string& text);
std::string readFile(const std::filesystem::path& file);

// ---------------------------------------------------------------- the window

// One configuration as a user sets it on the window.
struct Config {
  const char* name;
  Chip chip;
  int timer;             // 0..3
  bool sixteenBit;       // Timer0 of the PIC18 only
  int pre;               // cbPre list index
  int post;              // cbPost list index (Timer2)
  int preload;           // the slider, before any adjustment
  bool adjust;           // "TMR0 Adjust" or "PR2 Adjust" clicked afterwards
  const char* frequency; // typed into txtFreq; nullptr keeps the 4 MHz preset
  bool timed;            // also measured with an interrupt routine
};

// What the window shows for a configuration.
struct WindowView {
  std::array<std::string, 5> listings;  // the timer's listing in each language of the list
  long preset = 0;                      // sl1 value: the preload the listings write
  int preScale = 1;
  int postScale = 1;
  int timerMode = 0;                    // 0 = 8-bit, 1 = 16-bit
  double oscillator = 0;                // Hz
  double periodNs = 0;                  // the interrupt period the window shows
  // The period in instruction cycles (oscillator / 4).
  double periodCycles() const { return periodNs * oscillator / 4e9; }
};

inline void PrintTo(const Config& config, std::ostream* os) { *os << config.name; }

WindowView showWindow(const Config& config);

// ---------------------------------------------------------------- devices

// Register addresses and bit positions as the device include file of gputils
// declares them.
struct Device {
  std::map<std::string, int> registers;                   // name -> address
  std::map<std::string, std::map<std::string, int>> bits;  // register -> bit name -> position
};
const Device& device(Chip chip);
const char* processorName(Chip chip);  // "16F877A"
const char* includeFile(Chip chip);    // "p16f877a.inc"

// The registers a timer's listing writes, and the timer's count registers.
std::vector<std::string> controlRegisters(Chip chip, int timer);
std::vector<std::string> countRegisters(Chip chip, int timer);  // high byte first

// ---------------------------------------------------------------- gpasm, gpsim

// Assembles `source` into `dir`/NAME.cod; any warning or error fails.
::testing::AssertionResult assemble(const std::filesystem::path& dir, const std::string& name,
                                    const std::string& source);

// One value printed by gpsim: a register by its name, or a cycle count.
struct Printed {
  std::string name;
  std::uint64_t value;
};
// Runs the script lines on the program NAME.cod in `dir`; the values in the
// order printed.
std::vector<Printed> simulate(const std::filesystem::path& dir, const std::string& name,
                              const std::vector<std::string>& script);

// ---------------------------------------------------------------- register images

using Registers = std::map<std::string, int>;  // register name -> byte

// The registers written by a listing in mikroBasic, mikroC or microPascal
// syntax, applied to `start`. Throws std::runtime_error on a statement it
// cannot read.
Registers runDialectListing(Chip chip, const std::string& listing, Registers start);

// The C header of the registers and ...bits structures of a chip, made from
// the gputils include file; the registers live in the byte array tw_sfr.
std::string xc8Header(Chip chip);

}  // namespace tickwell::sim

// Skips where gpasm or gpsim are missing, except in CI, which installs them.
#define TICKWELL_REQUIRE_SIM_TOOLS()                                                              \
  do {                                                                                            \
    const std::string missing = ::tickwell::sim::missingTools();                                  \
    if (!missing.empty()) {                                                                       \
      if (std::getenv("CI") != nullptr) FAIL() << "CI must have " << missing << " (scripts/install-deps)"; \
      GTEST_SKIP() << missing << " not installed: install gputils and gpsim (scripts/install-deps)";  \
    }                                                                                             \
  } while (false)
