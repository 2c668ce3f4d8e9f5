// The listings of the window, run on the simulator: the assembler listing is
// assembled with gpasm and run in gpsim, whose registers must select what the
// window shows; with an interrupt routine the time between interrupts is
// measured against the window's period; the XC8 listing is compiled with the
// host's C compiler against a header made from gputils' include files; the
// mikroBasic, mikroC and microPascal listings are read statement by statement.
// All of them must leave the same register values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "sim_support.h"

namespace tickwell::sim {
namespace {

constexpr int kAssembler = 4;
constexpr int kXC8 = 3;
constexpr Chip P16 = Chip::PIC16F877A;
constexpr Chip P18 = Chip::PIC18F4520;

// clang-format off
// name, chip, timer, 16-bit, cbPre index, cbPost index, preload, adjust, typed oscillator, timed
const Config kConfigs[] = {
    {"P16T0Pre1Preload0",        P16, 0, false, 0, 0,     0, false, nullptr,  true},
    {"P16T0Pre2Preload1",        P16, 0, false, 1, 0,     1, false, nullptr,  true},
    {"P16T0Pre4Preload254",      P16, 0, false, 2, 0,   254, false, nullptr,  false},
    {"P16T0Pre8Preload255",      P16, 0, false, 3, 0,   255, false, nullptr,  false},
    {"P16T0Pre16Preload128",     P16, 0, false, 4, 0,   128, false, "20",     true},
    {"P16T0Pre32Adjusted",       P16, 0, false, 5, 0,    96, true,  "8",      true},
    {"P16T0Pre64Preload200",     P16, 0, false, 6, 0,   200, false, nullptr,  false},
    {"P16T0Pre128Preload17",     P16, 0, false, 7, 0,    17, false, nullptr,  false},
    {"P16T0Pre256Preload61",     P16, 0, false, 8, 0,    61, false, nullptr,  true},
    {"P16T0Pre1Adjusted",        P16, 0, false, 0, 0,   100, true,  nullptr,  true},
    {"P16T1Pre1Preload0",        P16, 1, true,  0, 0,     0, false, nullptr,  true},
    {"P16T1Pre2Preload65535",    P16, 1, true,  1, 0, 65535, false, nullptr,  false},
    {"P16T1Pre4Preload1",        P16, 1, true,  2, 0,     1, false, nullptr,  false},
    {"P16T1Pre8Preload40000",    P16, 1, true,  3, 0, 40000, false, "7.3728", true},
    {"P16T2Pre1Post1Pr2Zero",    P16, 2, false, 0, 0,     0, false, nullptr,  false},
    {"P16T2Pre4Post2Adjusted",   P16, 2, false, 1, 1,   249, true,  nullptr,  true},
    {"P16T2Pre16Post3Pr2Max",    P16, 2, false, 2, 2,   255, false, nullptr,  true},
    {"P16T2Pre1Post4Pr2One",     P16, 2, false, 0, 3,     1, false, nullptr,  true},
    {"P16T2Pre4Post5",           P16, 2, false, 1, 4,   100, false, nullptr,  false},
    {"P16T2Pre16Post6",          P16, 2, false, 2, 5,   254, false, nullptr,  false},
    {"P16T2Pre1Post7",           P16, 2, false, 0, 6,    50, false, nullptr,  false},
    {"P16T2Pre4Post8",           P16, 2, false, 1, 7,   128, false, nullptr,  false},
    {"P18T0Bit8Pre1Preload0",    P18, 0, false, 0, 0,     0, false, nullptr,  true},
    {"P18T0Bit8Pre4Adjusted",    P18, 0, false, 2, 0,   200, true,  nullptr,  true},
    {"P18T0Bit16Pre1Max",        P18, 0, true,  0, 0, 65535, false, nullptr,  false},
    {"P18T0Bit16Pre2Preload0",   P18, 0, true,  1, 0,     0, false, nullptr,  false},
    {"P18T0Bit16Pre256Middle",   P18, 0, true,  8, 0, 32768, false, nullptr,  false},
    {"P18T0Bit16Pre8Preload1",   P18, 0, true,  3, 0,     1, false, "10",     true},
    {"P18T1Pre1Preload65535",    P18, 1, true,  0, 0, 65535, false, nullptr,  false},
    {"P18T1Pre8Preload0",        P18, 1, true,  3, 0,     0, false, nullptr,  true},
    {"P18T2Pre1Post9",           P18, 2, false, 0, 8,    10, false, nullptr,  true},
    {"P18T2Pre4Post10Adjusted",  P18, 2, false, 1, 9,   249, true,  nullptr,  true},
    {"P18T2Pre16Post11Pr2Zero",  P18, 2, false, 2, 10,    0, false, nullptr,  false},
    {"P18T2Pre1Post12Pr2Max",    P18, 2, false, 0, 11,  255, false, nullptr,  false},
    {"P18T2Pre4Post13Pr2One",    P18, 2, false, 1, 12,    1, false, nullptr,  false},
    {"P18T2Pre16Post14",         P18, 2, false, 2, 13,  254, false, nullptr,  false},
    {"P18T2Pre1Post15",          P18, 2, false, 0, 14,   77, false, nullptr,  false},
    {"P18T2Pre4Post16",          P18, 2, false, 1, 15,  200, false, nullptr,  false},
    {"P18T3Pre1Preload0",        P18, 3, true,  0, 0,     0, false, nullptr,  false},
    {"P18T3Pre2Preload1",        P18, 3, true,  1, 0,     1, false, nullptr,  true},
    {"P18T3Pre4Preload40000",    P18, 3, true,  2, 0, 40000, false, "7.3728", false},
    {"P18T3Pre8Preload65535",    P18, 3, true,  3, 0, 65535, false, nullptr,  false},
};
// clang-format on

std::string configName(const ::testing::TestParamInfo<Config>& info) { return info.param.name; }

// ---------------------------------------------------------------- programs

// A program around a listing: reset vector, interrupt vector with `isr`, the
// listing from label `start`, `enable`, then an endless loop at `done`.
std::string program(Chip chip, const std::string& isr, const std::string& listing, const std::string& enable) {
  std::ostringstream s;
  if (chip == P16) {
    s << "        LIST    P=16F877A\n        #include <p16f877a.inc>\n"
         "        __CONFIG _HS_OSC & _WDT_OFF & _LVP_OFF\n"
         "        ORG     H'0000'\n        GOTO    start\n        ORG     H'0004'\n";
  } else {
    s << "        LIST    P=18F4520\n        #include <p18f4520.inc>\n"
         "        CONFIG  OSC = HS, WDT = OFF, LVP = OFF, XINST = OFF\n"
         "        ORG     H'0000'\n        GOTO    start\n        ORG     H'0008'\n";
  }
  s << "vector:\n" << isr << "start:\n" << listing << enable << "done:\n        GOTO    done\n        END\n";
  return s.str();
}

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Every register a listing of the chip may write.
std::vector<std::string> listingRegisters(Chip chip) {
  std::vector<std::string> all;
  for (int timer = 0; timer < (chip == P16 ? 3 : 4); ++timer) {
    for (const auto& r : controlRegisters(chip, timer)) all.push_back(r);
    for (const auto& r : countRegisters(chip, timer)) all.push_back(r);
  }
  return all;
}

// The registers right after reset and right after the listing, read by gpsim.
struct ReadBack {
  Registers before, after;
  int bankBits = 0;  // PIC16: RP1:RP0 of STATUS after the listing
};

ReadBack readBack(const Config& c, const std::string& listing) {
  TempDir dir;
  const std::string isr = c.chip == P16 ? "        RETFIE\n" : "        RETFIE  FAST\n";
  EXPECT_TRUE(assemble(dir.path(), "readback", program(c.chip, isr, listing, "")));
  const auto regs = listingRegisters(c.chip);
  std::vector<std::string> script{"break e start", "run"};
  for (const auto& r : regs) script.push_back(lower(r));
  script.insert(script.end(), {"break e done", "run"});
  for (const auto& r : regs) script.push_back(lower(r));
  if (c.chip == P16) script.push_back("status");
  const auto printed = simulate(dir.path(), "readback", script);
  const std::size_t expected = 2 * regs.size() + (c.chip == P16 ? 1 : 0);
  if (printed.size() != expected) throw std::runtime_error("gpsim printed " + std::to_string(printed.size()) + " values");
  ReadBack rb;
  for (std::size_t i = 0; i < regs.size(); ++i) {
    rb.before[regs[i]] = static_cast<int>(printed[i].value);
    rb.after[regs[i]] = static_cast<int>(printed[regs.size() + i].value);
  }
  if (c.chip == P16) rb.bankBits = static_cast<int>(printed.back().value >> 5) & 3;
  return rb;
}

// ---------------------------------------------------------------- settings

struct Setting {
  int prescale = 1, postscale = 1, width = 8;
  bool internalClock = true, on = true;
  long preset = 0;
  bool operator==(const Setting&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Setting& s) {
  return os << "prescale 1:" << s.prescale << ", postscale 1:" << s.postscale << ", " << s.width << "-bit, "
            << (s.internalClock ? "internal clock" : "external clock") << ", " << (s.on ? "on" : "off") << ", preset "
            << s.preset;
}

int bit(int value, int position) { return (value >> position) & 1; }

long count(const Registers& r, Chip chip, int timer, int width) {
  const auto regs = countRegisters(chip, timer);
  if (regs.size() == 1) return r.at(regs[0]);
  return width == 8 ? r.at(regs[1]) : r.at(regs[0]) * 256L + r.at(regs[1]);
}

// What the timer registers select, decoded with the datasheet's bit layout.
Setting decode(Chip chip, int timer, const Registers& r) {
  Setting s;
  if (timer == 0) {
    const int con = r.at(chip == P16 ? "OPTION_REG" : "T0CON");
    s.width = chip == P16 || bit(con, 6) ? 8 : 16;
    s.on = chip == P16 || bit(con, 7);
    s.internalClock = !bit(con, 5);
    s.prescale = bit(con, 3) ? 1 : 2 << (con & 7);
  } else if (timer == 2) {
    const int con = r.at("T2CON");
    s.postscale = ((con >> 3) & 15) + 1;
    s.on = bit(con, 2);
    s.prescale = (con & 3) == 0 ? 1 : (con & 3) == 1 ? 4 : 16;
    s.preset = r.at("PR2");
    return s;
  } else {
    const int con = r.at(timer == 1 ? "T1CON" : "T3CON");
    s.width = 16;
    s.on = bit(con, 0);
    s.internalClock = !bit(con, 1);
    s.prescale = 1 << ((con >> 4) & 3);
  }
  s.preset = count(r, chip, timer, s.width);
  return s;
}

// What the window shows: its prescaler, postscaler, width and preset; the
// clock is always the instruction clock; Timer2 is off with a PR2 of 0.
Setting expected(const Config& c, const WindowView& v) {
  Setting s;
  s.prescale = v.preScale;
  s.postscale = c.timer == 2 ? v.postScale : 1;
  s.width = c.timer == 0 ? 8 * (v.timerMode + 1) : c.timer == 2 ? 8 : 16;
  s.on = c.timer != 2 || v.preset != 0;
  s.preset = v.preset;
  return s;
}

// Timer ticks that gpsim counts between the write of the count's low byte and
// the first instruction after it, where the read-back stops. A PIC16 TMR0
// write holds the count for two cycles, and so does a PIC18 TMR0L write in
// 8-bit mode: nothing is counted. Timer1 and Timer3 count that one cycle when
// no prescaler divides it, and so does gpsim's PIC18 Timer0 in 16-bit mode. A
// prescaler of 1:2 or more was cleared by the write and has not run out.
long ticksAfterWrite(Chip chip, int timer, int prescale, int width) {
  if (timer == 2 || (timer == 0 && (chip == P16 || width == 8))) return 0;
  return prescale == 1 ? 1 : 0;
}

// The count that the read-back shows for a preset. In 16-bit mode TMR0H of
// the PIC18 is a buffer: what gpsim shows under its name is the byte written,
// whatever the low byte carried into the counter since.
long countAfterWrite(Chip chip, int timer, const Setting& s) {
  const long ticks = ticksAfterWrite(chip, timer, s.prescale, s.width);
  if (chip == P18 && timer == 0 && s.width == 16) return (s.preset & 0xFF00) | ((s.preset + ticks) & 0xFF);
  return (s.preset + ticks) % (s.width == 8 ? 256 : 65536);
}

class ListingOnSimulator : public ::testing::TestWithParam<Config> {
 protected:
  void SetUp() override { TICKWELL_REQUIRE_SIM_TOOLS(); }
};

TEST_P(ListingOnSimulator, AssemblerSelectsWhatTheWindowShows) {
  const Config& c = GetParam();
  const WindowView v = showWindow(c);
  const ReadBack rb = readBack(c, v.listings[kAssembler]);
  Setting want = expected(c, v);
  want.preset = countAfterWrite(c.chip, c.timer, want);
  EXPECT_EQ(decode(c.chip, c.timer, rb.after), want) << v.listings[kAssembler];
  EXPECT_EQ(rb.bankBits, 0) << "the listing must leave bank 0 selected";
}

// The register values that a listing in another language leaves, from the
// same reset values as gpsim's.
Registers hostRun(const Config& c, const std::string& listing, const Registers& reset, int language);

TEST_P(ListingOnSimulator, EveryLanguageWritesTheSameRegisters) {
  const Config& c = GetParam();
  const WindowView v = showWindow(c);
  const ReadBack rb = readBack(c, v.listings[kAssembler]);
  // Every register a listing may write, as the assembler listing left it;
  // the timer's count registers as it wrote them (the window's preset), not
  // as they have counted on since.
  Registers want = rb.after;
  const auto counts = countRegisters(c.chip, c.timer);
  for (std::size_t i = 0; i < counts.size(); ++i) {
    const int shift = 8 * static_cast<int>(counts.size() - 1 - i);
    want[counts[i]] = static_cast<int>((v.preset >> shift) & 0xFF);
  }

  for (int language = 0; language < kAssembler; ++language) {
    SCOPED_TRACE(v.listings[static_cast<std::size_t>(language)]);
    const Registers got = hostRun(c, v.listings[static_cast<std::size_t>(language)], rb.before, language);
    for (const auto& [name, value] : want) EXPECT_EQ(got.at(name), value) << name << " in language " << language;
  }
}

// ---------------------------------------------------------------- host runs

Registers hostRun(const Config& c, const std::string& listing, const Registers& reset, int language) {
  if (language != kXC8) return runDialectListing(c.chip, listing, reset);
  TempDir dir;
  const Device& d = device(c.chip);
  writeFile(dir.path() / "sfr.h", xc8Header(c.chip));
  std::ostringstream src;
  src << "#include <stdio.h>\n#include \"sfr.h\"\nvolatile unsigned char tw_sfr[4096];\n"
         "int main(void) {\n";
  for (const auto& [name, value] : reset) src << "  tw_sfr[" << d.registers.at(name) << "] = " << value << ";\n";
  src << "#line 1 \"listing\"\n" << listing << "\n#line 1000 \"harness\"\n";
  for (const auto& [name, value] : reset)
    src << "  printf(\"%s=%d\\n\", \"" << name << "\", tw_sfr[" << d.registers.at(name) << "]);\n";
  src << "  return 0;\n}\n";
  writeFile(dir.path() / "listing.c", src.str());
  const std::string cc = std::getenv("CC") != nullptr ? std::getenv("CC") : "cc";
  const CommandResult build = runCommand("cd " + shellQuote(dir.path().string()) + " && " + cc +
                                         " -std=gnu11 -Wall -Wextra -Werror -o listing listing.c");
  if (build.status != 0) throw std::runtime_error("the XC8 listing does not compile:\n" + build.output);
  const CommandResult run = runCommand(shellQuote((dir.path() / "listing").string()));
  Registers regs;
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos) regs[line.substr(0, eq)] = std::stoi(line.substr(eq + 1));
  }
  return regs;
}

// ---------------------------------------------------------------- timing

std::string hexByte(long value) {
  std::ostringstream s;
  s << "H'" << std::hex << std::uppercase << (value & 0xFF) << "'";
  return s.str();
}

std::string instruction(const std::string& mnemonic, const std::string& operands = {}) {
  std::string line = "        " + mnemonic;
  if (!operands.empty()) line += std::string(mnemonic.size() < 8 ? 8 - mnemonic.size() : 1, ' ') + operands;
  return line + "\n";
}

// An interrupt routine that reloads the preset the way the listing writes it
// (after `delay` NOPs), clears the timer's flag and returns, and the lines
// that enable the timer's interrupt after the listing.
struct Routine {
  std::string isr, enable;
  int reloadAt = 0;  // instruction (1 = the one at the vector) that writes the count's low byte; 0: no reload
};

Routine routine(Chip chip, int timer, long preset, int delay) {
  Routine r;
  for (int i = 0; i < delay; ++i) r.isr += instruction("NOP");
  auto reload = [&](const std::string& high, const std::string& low) {
    r.isr += instruction("MOVLW", hexByte(preset >> 8)) + instruction("MOVWF", high);
    r.isr += instruction("MOVLW", hexByte(preset)) + instruction("MOVWF", low);
    r.reloadAt = delay + 4;
  };
  const std::string retfie = chip == P16 ? instruction("RETFIE") : instruction("RETFIE", "FAST");
  const std::string gie = instruction("BSF", "INTCON,PEIE") + instruction("BSF", "INTCON,GIE");
  if (timer == 0 && chip == P16) {
    r.isr += instruction("MOVLW", "D'" + std::to_string(preset) + "'") + instruction("MOVWF", "TMR0");
    r.reloadAt = delay + 2;
    r.isr += instruction("BCF", "INTCON,T0IF");
    r.enable = instruction("BSF", "INTCON,T0IE") + instruction("BSF", "INTCON,GIE");
  } else if (timer == 0) {
    reload("TMR0H", "TMR0L");
    r.isr += instruction("BCF", "INTCON,TMR0IF");
    r.enable = instruction("BSF", "INTCON,TMR0IE") + instruction("BSF", "INTCON,GIE");
  } else {
    const std::string n = std::to_string(timer);
    if (timer != 2) reload("TMR" + n + "H", "TMR" + n + "L");
    const std::string pir = timer == 3 ? "PIR2" : "PIR1", pie = timer == 3 ? "PIE2" : "PIE1";
    r.isr += instruction("BCF", pir + ",TMR" + n + "IF");
    if (chip == P16) r.enable += instruction("BANKSEL", pie);
    r.enable += instruction("BSF", pie + ",TMR" + n + "IE");
    if (chip == P16) r.enable += instruction("BANKSEL", "INTCON");
    r.enable += gie;
  }
  r.isr += retfie;
  return r;
}

// Cycles between consecutive entries of the interrupt vector.
std::vector<long> interruptIntervals(const Config& c, const std::string& listing, const Routine& r, int entries) {
  TempDir dir;
  EXPECT_TRUE(assemble(dir.path(), "timed", program(c.chip, r.isr, listing, r.enable)));
  std::vector<std::string> script{"break e vector"};
  for (int i = 0; i < entries; ++i) script.insert(script.end(), {"run", "cycles"});
  const auto printed = simulate(dir.path(), "timed", script);
  if (printed.size() != static_cast<std::size_t>(entries)) throw std::runtime_error("gpsim stopped early");
  std::vector<long> intervals;
  for (std::size_t i = 1; i < printed.size(); ++i)
    intervals.push_back(static_cast<long>(printed[i].value - printed[i - 1].value));
  return intervals;
}

class TimedListing : public ::testing::TestWithParam<Config> {
 protected:
  void SetUp() override { TICKWELL_REQUIRE_SIM_TOOLS(); }
};

// Cycles that a write of the count loses: a TMR0 write holds the count for
// two cycles (PIC16, and PIC18 in 8-bit mode); Timer1 and Timer3 lose none,
// and neither does gpsim's PIC18 Timer0 in 16-bit mode.
long writeInhibit(Chip chip, int timer, int timerMode) {
  return timer == 0 && (chip == P16 || timerMode == 0) ? 2 : 0;
}

// gpsim enters the interrupt vector one cycle after the cycle that ends with
// the overflow (or the Timer2 match that completes the postscaler).
constexpr long kOverflowToVector = 1;

// What the simulator shows, as a relation of the window's figures:
//
// Timer0, Timer1, Timer3, reloaded by the interrupt routine:
//   interval = (full - preset) x prescale + reloadAt + inhibit + 1
// where reloadAt is the position of the instruction that writes the count's
// low byte, counted from the vector's own (1); every instruction before it
// takes one cycle. The sum does not depend on the prescaler: the write clears
// the prescaler, so the cycles from the overflow to the write are lost at any
// ratio (were it kept, they would vanish in its count at 1:8 and above).
// The window counts (full - preset) x prescale, and "TMR0 Adjust" adds two
// timer ticks back, 2 x prescale cycles, where the write loses two cycles.
//
// Timer2 (nothing reloaded):
//   interval = (PR2 + 1) x prescale x postscale
// The window counts PR2 (1 for 0) ticks, and "PR2 Adjust" adds the tick of
// the reset: exact with the adjustment, one tick short without it.
long predictedInterval(const Config& c, const WindowView& v, const Routine& r) {
  if (c.timer == 2) return (v.preset + 1) * v.preScale * v.postScale;
  const long full = c.timer == 0 && v.timerMode == 0 ? 256 : 65536;
  return (full - v.preset) * v.preScale + r.reloadAt + writeInhibit(c.chip, c.timer, v.timerMode) + kOverflowToVector;
}

long windowCycles(const WindowView& v) { return std::lround(v.periodCycles()); }

TEST_P(TimedListing, IntervalFollowsTheWindowsPeriod) {
  const Config& c = GetParam();
  const WindowView v = showWindow(c);
  const Routine r = routine(c.chip, c.timer, v.preset, 0);
  const auto intervals = interruptIntervals(c, v.listings[kAssembler], r, 6);
  const long predicted = predictedInterval(c, v, r);
  // Steady from the first full period on: every reload starts the same count.
  for (long interval : intervals) EXPECT_EQ(interval, predicted);

  const long window = windowCycles(v), scale = v.preScale * v.postScale;
  if (c.timer == 2) {
    // PR2 + 1 ticks against the window's PR2 (+1 when adjusted).
    EXPECT_EQ(predicted - window, c.adjust ? 0 : scale);
  } else {
    // The window leaves out the cycles up to the reload and the one to the
    // vector; with "TMR0 Adjust" it adds 2 ticks for the two cycles lost.
    const long inhibit = writeInhibit(c.chip, c.timer, v.timerMode);
    EXPECT_EQ(predicted - window, r.reloadAt + inhibit + kOverflowToVector - (c.adjust ? 2 * scale : 0));
  }
}

// The reload instruction's position: every cycle spent before it lengthens
// the period by one cycle, at any prescaler.
TEST(TimedListingReload, EachCycleBeforeTheReloadLengthensThePeriod) {
  TICKWELL_REQUIRE_SIM_TOOLS();
  for (const char* name : {"P16T0Pre256Preload61", "P18T0Bit8Pre4Adjusted", "P18T1Pre8Preload0"}) {
    SCOPED_TRACE(name);
    const Config& c = *std::find_if(std::begin(kConfigs), std::end(kConfigs),
                                    [&](const Config& k) { return std::string(k.name) == name; });
    const WindowView v = showWindow(c);
    const long at0 = interruptIntervals(c, v.listings[kAssembler], routine(c.chip, c.timer, v.preset, 0), 3).back();
    const long at3 = interruptIntervals(c, v.listings[kAssembler], routine(c.chip, c.timer, v.preset, 3), 3).back();
    EXPECT_EQ(at3 - at0, 3);
  }
}

std::vector<Config> timedConfigs() {
  std::vector<Config> timed;
  for (const Config& c : kConfigs)
    if (c.timed) timed.push_back(c);
  return timed;
}

INSTANTIATE_TEST_SUITE_P(Configurations, TimedListing, ::testing::ValuesIn(timedConfigs()), configName);

INSTANTIATE_TEST_SUITE_P(Configurations, ListingOnSimulator, ::testing::ValuesIn(kConfigs), configName);

}  // namespace
}  // namespace tickwell::sim
