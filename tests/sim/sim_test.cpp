// The listings and examples on the simulated chip. Per configuration set on the window, the assembler listing
// sets the timer's registers in gpsim as the window says, the other listings write the same, the interrupts
// come as the row says. They skip where gpasm or gpsim are missing, except in CI, which installs them.
#include <array>
#include <cmath>
#include <random>
#include <tuple>

#include "sim_tools.h"
#include "calculator/apply.h"
#include "calculator/render.h"
#include "forms/gestures.h"
#include "timer/chip_interval.h"

namespace tickwell::sim {
namespace {

constexpr Family P16 = Family::PIC16, P18 = Family::PIC18;

constexpr std::size_t kXC8 = 3, kAssembler = 4;  // in the window's list of languages
// A configuration set on the window; its routine runs timeout + overhead NOPs, then reloads Timer0, 1 or 3. The
// cycles between two entries of the vector must be chipInterval(); not timed: PR2 = 0, or shorter than the routine.
struct Row {
  std::string name;
  Family chip;
  int timer;
  bool bits16;                // opMode(1): the PIC18's Timer0 in 16-bit mode
  int pre, post, preload;     // cbPre and cbPost indices; the slider
  bool adjust;                // "TMR0 Adjust" or "PR2 Adjust" clicked after the slider
  const char* mhz;            // typed into txtFreq; nullptr keeps the 4 MHz preset
  int timeout, overhead;      // typed into txtTimeout and txtOverhead
  bool timed = true;
};
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// The ends of the counts and the rows not timed; the random rows below cover the rest.
const Row kRows[] = {
    // name                    chip timer 16-bit pre post preload adjust MHz   timeout overhead
    {"P16T0Pre8Preload255",     P16, 0, false, 3, 0,   255, false, nullptr,  0, 0},
    {"P16T0Pre32Adjusted",      P16, 0, false, 5, 0,    96, true,  "8",      0, 0},
    {"P16T1Pre2Preload65535",   P16, 1, false, 1, 0, 65535, false, nullptr,  0, 0},
    {"P16T2Pre1Post1Pr2Zero",   P16, 2, false, 0, 0,     0, false, nullptr,  0, 0, false},
    {"P16T2Pre16Post3Pr2Max",   P16, 2, false, 2, 2,   255, false, nullptr,  0, 0},
    {"P18T0Bit16Pre1Max",       P18, 0, true,  0, 0, 65535, false, nullptr,  0, 0, false},
    {"P18T2Pre4Post10Adjusted", P18, 2, false, 1, 9,   249, true,  nullptr,  0, 0},
    {"P18T3Pre4Preload40000",   P18, 3, false, 2, 0, 40000, false, "7.3728", 0, 0},
};

// Configurations drawn at random, each timed: at least 40 cycles more than the routine, at most 2 million.
std::vector<Row> randomRows() {
  std::mt19937 random(20261207);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const char* oscillators[] = {nullptr, "1", "8", "20", "7.3728", "32"};
  std::vector<Row> rows;
  while (rows.size() < 200) {
    Row r{"Random" + std::to_string(rows.size()), pick(2) == 0 ? P16 : P18, 0, false, 0, 0, 0, pick(3) == 0,
          oscillators[pick(6)], pick(3) == 0 ? pick(8) : 0, pick(2) == 0 ? pick(60) : 0};
    r.timer = pick(r.chip == P16 ? 3 : 4);
    r.bits16 = r.chip == P18 && r.timer == 0 && pick(2) == 0;
    const int pres = r.timer == 0 ? 9 : r.timer == 2 ? 3 : 4, full = r.timer == 2 ? 256 : r.timer == 0 && !r.bits16 ? 256 : 65536;
    r.pre = pick(pres);
    r.post = r.timer == 2 ? pick(16) : 0;
    r.preload = r.timer == 2 ? 1 + pick(255) : pick(full);
    const long ratio = r.timer == 2 ? (1L << (2 * r.pre)) * (r.post + 1) : 1L << r.pre;
    const long cycles = (r.timer == 2 ? r.preload + 1 : full - r.preload) * ratio;
    if (cycles >= r.timeout + r.overhead + 40 && cycles <= 2000000) rows.push_back(r);
  }
  return rows;
}

using Registers = std::map<std::string, int>;

// What a row shows on the window and does on the chip.
struct Measured {
  TimerSettings settings;                 // as the window holds them
  std::array<std::string, 5> listings{};  // mikroBasic, mikroC, microPascal, XC8, assembler
  Registers set{};                        // gpsim: the timer registers after the assembler listing
  int bank = 0;                           // gpsim: RP1:RP0 of STATUS after it (PIC16)
  std::array<Registers, 4> written{};     // the host: what the other listings write from gpsim's reset values
  std::vector<long> intervals{};          // gpsim: cycles between consecutive interrupts
};

// The assembler listing from `start` to `listed`, then the interrupt enabled; the
// routine at `vector` reloads the preset after the row's NOPs and clears the flag.
std::string program(const Row& r, int preset, const std::string& listing) {
  const bool p16 = r.chip == P16;
  const std::string n = std::to_string(r.timer), pie = r.timer == 3 ? "PIE2" : "PIE1", pir = r.timer == 3 ? "PIR2" : "PIR1";
  auto load = [](int value, const std::string& reg) { return "\tMOVLW\tD'" + std::to_string(value) + "'\n\tMOVWF\t" + reg + "\n"; };
  std::string isr;
  for (int i = 0; i < r.timeout + r.overhead; ++i) isr += "\tNOP\n";
  if (r.timer == 0 && p16) isr += load(preset, "TMR0");
  else if (r.timer != 2) isr += load(preset >> 8, "TMR" + n + "H") + load(preset & 0xFF, "TMR" + n + "L");
  isr += r.timer == 0 ? "\tBCF\tINTCON,TMR0IF\n" : "\tBCF\t" + pir + ",TMR" + n + "IF\n";
  const std::string enable =
      r.timer == 0 ? "\tBSF\tINTCON,TMR0IE\n" : "\tBANKSEL\t" + pie + "\n\tBSF\t" + pie + ",TMR" + n + "IE\n\tBANKSEL\tINTCON\n";
  return std::string(p16 ? "\tLIST\tP=16F877A\n\t#include <p16f877a.inc>\n\t__CONFIG _HS_OSC & _WDT_OFF & _LVP_OFF\n"
                         : "\tLIST\tP=18F4520\n\t#include <p18f4520.inc>\n\tCONFIG\tOSC = HS, WDT = OFF, LVP = OFF, XINST = OFF\n") +
         "\tORG\t0\n\tGOTO\tstart\n\tORG\t" + (p16 ? "4" : "8") + "\nvector:\n" + isr + (p16 ? "\tRETFIE\n" : "\tRETFIE\tFAST\n") +
         "start:\n" + listing + "\nlisted:\n" + enable + "\tBSF\tINTCON,PEIE\n\tBSF\tINTCON,GIE\ndone:\n\tGOTO\tdone\n\tEND\n";
}

// Runs the other listings on the host from the `reset` values: XC8's as it is, the
// mikroBasic, mikroC and microPascal ones as C (REG.BIT as REGbits.BIT, %/$ as 0b/0x).
std::array<Registers, 4> hostRun(const fs::path& dir, Family chip, const std::array<std::string, 5>& listings, const Registers& reset) {
  writeFile(dir / "sfr.h", registerHeader(chip == P16 ? "p16f877a" : "p18f4520"));
  std::string c = "#include <stdio.h>\n#include \"sfr.h\"\nvolatile unsigned char tw_sfr[4096];\nint main(void) {\n";
  for (std::size_t language = 0; language < kAssembler; ++language) {
    for (const auto& [reg, value] : reset) c += reg + " = " + std::to_string(value) + ";\n";
    std::istringstream lines(listings[language]);
    for (std::string line; std::getline(lines, line); c += line + "\n") {
      if (language == kXC8) continue;
      line = line.substr(0, std::min({line.find('\''), line.find("//"), line.find(';'), line.find('\r')}));
      for (const auto& [from, to] : {std::pair{":=", "="}, {"%", "0b"}, {"$", "0x"}})
        if (const std::size_t at = line.find(from); at != std::string::npos) line.replace(at, std::string(from).size(), to);
      if (line.find_first_not_of(" \t") != std::string::npos) line = std::regex_replace(line, std::regex(R"((\w+)\.(\w+))"), "$1bits.$2") + ";";
    }
    for (const auto& [reg, value] : reset) c += "printf(\"%d\\n\", " + reg + ");\n";
  }
  writeFile(dir / "listings.c", c + "return 0;\n}\n");
  std::istringstream out(run(dir, "${CC:-cc} -std=gnu11 -Wall -Wextra -Werror -o listings listings.c && ./listings"));
  std::array<Registers, 4> written;
  for (Registers& regs : written)
    for (const auto& [reg, value] : reset) out >> regs[reg];
  return written;
}

Measured measure(const Row& r) {
  const fs::path dir = workDir(r.name);
  const std::string timeout = std::to_string(r.timeout), overhead = std::to_string(r.overhead);
  WindowState w;  // the row's gestures on the window
  for (const std::optional<Action>& gesture :
       {r.mhz ? typeAction("txtFreq", r.mhz) : std::nullopt, clickAction("opTmr(" + std::to_string(r.timer) + ")"),
        r.chip == P18 ? clickAction("opPIC18") : std::nullopt, r.bits16 ? clickAction("opMode(1)") : std::nullopt,
        pickAction("cbPre", r.pre), pickAction("cbPost", r.post), slideAction("sl1", r.preload),
        r.adjust ? clickAction(r.timer == 2 ? "chkPR2" : "chkTMR0") : std::nullopt,
        typeAction("txtTimeout", timeout), typeAction("txtOverhead", overhead)})
    if (gesture) w = tickwell::apply(w, *gesture).state;
  Measured m{.settings = settingsOf(w)};
  for (int language = 0; language < 5; ++language)  // the listing shown, CR LF and all
    m.listings[std::size_t(language)] =
        render(tickwell::apply(w, *pickAction("cbComment", language)).state).txtTimer[std::size_t(r.timer)].text;

  std::istringstream names(r.chip == P16 ? "OPTION_REG TMR0 T1CON TMR1H TMR1L T2CON PR2"
                                         : "T0CON TMR0H TMR0L T1CON TMR1H TMR1L T2CON PR2 T3CON TMR3H TMR3L");
  const std::vector<std::string> regs{std::istream_iterator<std::string>(names), {}};
  std::string read;  // gpsim's commands that print them: their names in lower case
  for (const std::string& reg : regs) for (const char ch : reg + "\n") read += static_cast<char>(std::tolower(ch));
  const std::size_t n = regs.size(), entries = r.timed ? 4 : 0;
  std::string script = "break e start\nrun\n" + read + "break e listed\nrun\n" + read + "status\nbreak e vector\n";
  for (std::size_t i = 0; i < entries; ++i) script += "run\ncycles\n";
  const std::vector<std::uint64_t> printed = simulate(dir, program(r, m.settings.preload, m.listings[kAssembler]), script);
  if (printed.size() != 2 * n + 1 + entries) throw std::runtime_error("gpsim printed " + std::to_string(printed.size()) + " values");
  Registers reset;
  for (std::size_t i = 0; i < n; ++i) std::tie(reset[regs[i]], m.set[regs[i]]) = std::pair(int(printed[i]), int(printed[n + i]));
  m.bank = static_cast<int>(printed[2 * n] >> 5) & 3;
  for (std::size_t i = 2 * n + 2; i < printed.size(); ++i) m.intervals.push_back(static_cast<long>(printed[i] - printed[i - 1]));
  m.written = hostRun(dir, r.chip, m.listings, reset);
  return m;
}

// Width, prescale, postscale, count (PR2 on Timer2), counting instruction
// cycles, on: what a timer's registers select, with the datasheets' layout.
using Selection = std::tuple<int, int, int, long, bool, bool>;

Selection decode(Family chip, int timer, const Registers& reg) {
  auto bit = [](int value, int at) { return ((value >> at) & 1) != 0; };
  const int con = reg.at(timer != 0 ? "T" + std::to_string(timer) + "CON" : chip == P16 ? "OPTION_REG" : "T0CON");
  const std::string n = "TMR" + std::to_string(timer);
  const bool bits16 = timer % 2 == 1 || (timer == 0 && chip == P18 && !bit(con, 6));
  const long count = timer == 2 ? reg.at("PR2") : bits16 ? reg.at(n + "H") * 256L + reg.at(n + "L") : reg.at(chip == P16 ? n : n + "L");
  if (timer == 2) return {8, bit(con, 1) ? 16 : bit(con, 0) ? 4 : 1, ((con >> 3) & 15) + 1, count, true, bit(con, 2)};
  if (timer != 0) return {16, 1 << ((con >> 4) & 3), 1, count, !bit(con, 1), bit(con, 0)};
  return {bits16 ? 16 : 8, bit(con, 3) ? 1 : 2 << (con & 7), 1, count, !bit(con, 5), chip == P16 || bit(con, 7)};
}

class Listing : public ::testing::TestWithParam<Row> {};

TEST_P(Listing, OnTheChip) {
  TICKWELL_REQUIRE_SIM_TOOLS();
  const Row& row = GetParam();
  const Measured m = measure(row);
  // The registers select what the window shows (the listing: work/NAME/program.asm); Timer2 is
  // off with PR2 = 0. The count read back is the preload and the tick a 16-bit count at 1:1 takes
  // after its write (an 8-bit TMR0 write holds it), but the PIC18's TMR0H, a buffer, shows the byte written.
  const TimerSettings& s = m.settings;
  const int width = s.width == Width::Bits16 ? 16 : 8;
  const long p = s.preload, counted = p + (width == 16 && s.prescale == 1 ? 1 : 0);
  const long count = s.family == P18 && s.timer == 0 && width == 16 ? (p & 0xFF00) | (counted & 0xFF) : counted % (1L << width);
  EXPECT_EQ(decode(row.chip, row.timer, m.set), Selection(width, s.prescale, s.postscale, count, true, s.timer != 2 || p != 0));
  EXPECT_EQ(m.bank, 0) << "the listing must leave bank 0 selected";
  // The other languages write what the assembler listing wrote, the count as written (not counted on since).
  Registers want = m.set;
  for (auto& [reg, value] : want)
    if (reg.starts_with("TMR" + std::to_string(row.timer))) value = reg.ends_with('H') ? p >> 8 : p & 0xFF;
  for (std::size_t language = 0; language < kAssembler; ++language) EXPECT_EQ(m.written[language], want) << m.listings[language];
  if (!row.timed) return;
  EXPECT_EQ(m.intervals, std::vector<long>(3, std::lround(chipInterval(s).cycles))) << "in instruction cycles";
}

INSTANTIATE_TEST_SUITE_P(Configurations, Listing, ::testing::ValuesIn(kRows), ::testing::PrintToStringParamName());
INSTANTIATE_TEST_SUITE_P(Random, Listing, ::testing::ValuesIn(randomRows()), ::testing::PrintToStringParamName());

// The assembler examples toggle PORTB every 400 Timer0 interrupts, at the period their header
// states; the XC8 ones (their keywords stubbed) compile against the chip's registers.
TEST(Examples, RunAtTheStatedPeriod) {
  TICKWELL_REQUIRE_SIM_TOOLS();
  struct Row { const char *assembler, *xc8; Family chip; long period, jitter; };  // jitter: cycles a toggle may come late
  for (const Row& row : {Row{"assembler-pic16.asm", "xc8-pic16.c", P16, 2051600, 0},
                         Row{"assembler-pic18.asm", "xc8-pic18.c", P18, 2050000, 2}}) {
    SCOPED_TRACE(row.assembler);
    const fs::path dir = workDir(row.assembler), examples = EXAMPLES_DIR;
    writeFile(dir / "xc.h", registerHeader(row.chip == P16 ? "p16f877a" : "p18f4520") + "#define __interrupt(...)\n");
    const std::string cc = "${CC:-cc} -std=gnu11 -fsyntax-only -Wall -Wextra -Werror -Wno-main -Wno-unknown-pragmas -I. '";
    EXPECT_NO_THROW(run(dir, cc + (examples / row.xc8).string() + "'"));
    const std::string text = readFile(examples / row.assembler);
    EXPECT_NE(text.find("every " + std::to_string(row.period) + " cycles"), std::string::npos) << "the header's period";
    std::string script = "break e toggle\n";  // before COMF PORTB runs: the cycle count and PORTB
    for (int k = 0; k < 5; ++k) script += "run\ncycles\nportb\n";
    const std::vector<std::uint64_t> printed = simulate(dir, text, script);
    ASSERT_EQ(printed.size(), 10U);
    // PORTB starts at FF and flips at each toggle; from the 2nd on (the 1st is timed from the reset) on the grid.
    for (long k = 0; k < 5; ++k) {
      EXPECT_EQ(printed[2 * k + 1], k % 2 == 0 ? 0xFFU : 0x00U) << "toggle " << k;
      EXPECT_LE(k < 2 ? 0 : std::abs(static_cast<long>(printed[2 * k] - printed[2]) - (k - 1) * row.period), row.jitter) << "toggle " << k;
    }
  }
}

}  // namespace
}  // namespace tickwell::sim
