// Each chip's listings: every supported timer's assembler listing assembles with gpasm for its chip, its XC8
// listing compiles against the chip's registers; on the chips gpsim simulates, the listing sets the registers
// as the settings say and the interrupts come every chipInterval() cycles. Work files: build/.../devices/work.
#include <algorithm>
#include <cmath>
#include <thread>
#include <tuple>

#include "sim_tools.h"
#include "listing/listing.h"
#include "timer/chip_interval.h"
#include "timer/device.h"

namespace tickwell::sim {
namespace {

std::string chipName(const Device& d) {  // "p16f1823", as gpasm, gpsim and the .inc files call it
  std::string name(d.name);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name.erase(1, 2);
}

// 16-bit where the timer counts so on the chip's family and `wide` asks (or 8-bit is not there).
TimerSettings settingsOf(const Device& d, const DeviceTimer& t, double prescale, double postscale, int preload, bool wide,
                         bool fosc4 = true, double mhz = 4) {
  TimerSettings s{.family = d.family(), .timer = t.number, .kind = t.kind, .oscHz = mhz * 1e6, .fosc4 = fosc4,
                  .prescale = prescale, .postscale = postscale, .preload = preload, .timeout = 3, .overhead = 6};
  const TimerSpec& f = *t.facts().facts;
  s.width = (wide && f.countsIn(Width::Bits16, s.family)) || !f.has8Bit ? Width::Bits16 : Width::Bits8;
  return s;
}

std::string listingOf(const TimerSettings& s, const Device& d, const DeviceTimer& t, ListingLanguage language) {
  return deviceListing({.settings = s, .result = evaluate(s), .language = language, .lineEnd = "\n", .shown = {}}, d, t);
}

TEST(devices, assemble_every_chip) {
  TICKWELL_REQUIRE_SIM_TOOLS();
  const fs::path root = workDir("assemble");
  int chips = 0, listings = 0;
  for (const Device& d : allDevices()) {  // a folder per chip: its listings at the smallest and the largest scalers
    if (d.refusal()) continue;
    const std::string chip = chipName(d);
    std::string source = "\t#include <" + chip + ".inc>\n", c = "#include \"sfr.h\"\nvolatile unsigned char tw_sfr[4096];\n";
    for (const DeviceTimer& t : d.timers) {
      if (!t.supported()) continue;
      const TimerSpec& f = *t.facts().facts;
      for (const TimerSettings& s : {settingsOf(d, t, f.prescalers.front().ratio, 1, 0, false),
                                     settingsOf(d, t, f.largestPrescaler(), f.largestPostscaler(), 0, true, !t.facts().countsOscillator)}) try {
          source += listingOf(s, d, t, ListingLanguage::Assembler);
          c += "void listing" + std::to_string(++listings) + "(void) {\n" + listingOf(s, d, t, ListingLanguage::XC8) + "}\n";
        } catch (const std::exception& e) { ADD_FAILURE() << chip << " Timer" << t.number << ": " << e.what(); }
    }
    fs::create_directories(root / chip);
    writeFile(root / chip / "listings.asm", source + "\tEND\n");
    writeFile(root / chip / "listings.c", c);
    writeFile(root / chip / "sfr.h", registerHeader(chip));
    ++chips;
  }
  // Three chips at a time; what fails, with the first lines the tool said (all of it in the chip's folder).
  const std::string failures = run(root, "find . -mindepth 1 -type d -printf '%f\\n' | xargs -P 3 -I{} sh -c 'cd {}; gpasm -p {} -I "
      GPUTILS_HEADER_DIR " listings.asm >gpasm.txt 2>&1 && ! grep -qE \"(Warning|Error)\\[\" gpasm.txt || { echo {}: gpasm;"
      " grep -v Message gpasm.txt | head -5; }; ${CC:-cc} -std=gnu11 -fsyntax-only -Wall -Wextra -Werror listings.c >cc.txt 2>&1"
      " || { echo {}: cc; head -5 cc.txt; }'");
  EXPECT_EQ(failures, "");
  std::cout << chips << " chips, " << listings << " listings in each language assembled and compiled\n";
}

// The chips gpsim 0.31 simulates (baseline parts are refused): DEVICES.md, but for p16cr83 and p16cr84, whose
// programs it does not load ("unable to add a processor").
constexpr const char* kSimulated =
    "16c61 16c62 16c62a 16c63 16c64 16c65 16c65a 16c71 16c712 16c716 16c72 16c73 16c74 16c84 16cr62 16f1503 16f1705 16f1709 16f1788 16f1823 "
    "16f1825 16f627 16f627a 16f628 16f628a 16f630 16f631 16f648a 16f676 16f677 16f684 16f685 16f687 16f689 16f690 16f716 16f73 16f74 16f818 "
    "16f819 16f83 16f84 16f87 16f871 16f873 16f873a 16f874 16f874a 16f876 16f876a 16f877 16f877a 16f88 16f882 16f883 16f884 16f886 16f887 "
    "16f913 16f914 16f916 16f917 16lf1503 16lf1705 16lf1709 16lf1788 16lf1823 16lf1825 18c242 18c252 18c442 18c452 18f1220 18f1320 18f14k22 "
    "18f2221 18f2321 18f242 18f2420 18f2455 18f248 18f252 18f2520 18f2525 18f2550 18f258 18f2620 18f26k22 18f4221 18f4321 18f442 18f4420 "
    "18f4455 18f448 18f452 18f4520 18f4550 18f458 18f4620 18f6520";

// Where gpsim 0.31 is wrong (its flags read as it runs): the registers are checked, not the interval.
const std::pair<const char*, const char*> kGpsimFaults[] = {
    {"p16l?f(1705|1709|1825) 4|p18f6520 4", "Timer4's match raises PIR1's TMR2IF, not the TMR4IF of the device file"},
    {"p16l?f1825 6", "PIR3's TMR6IF, once raised, cannot be cleared"},
    {"p16f88[2-7] 1", "Timer1 overflows without raising TMR1IF"}};

// A timer on the simulated chip; `cycles` and `periodNs`, where given, worked out by hand.
struct Case { const Device* device; const DeviceTimer* timer; TimerSettings settings; long cycles = 0; double periodNs = 0; };

// One configuration per timer, of 300 to 200,000 cycles: 16-bit Timer0 on PIC18, Timer1-types counting Fosc where they can.
TimerSettings chosen(const Device& d, const DeviceTimer& t) {
  const TimerSpec& f = *t.facts().facts;
  switch (t.facts().role) {
    case 0: return d.family() == Family::PIC18 ? settingsOf(d, t, 2, 1, 60536, true) : settingsOf(d, t, 4, 1, 56, false);
    case 1: return t.facts().countsOscillator ? settingsOf(d, t, 2, 1, 40000, true, false) : settingsOf(d, t, 8, 1, 60000 + t.number, true);
    default: return settingsOf(d, t, f.largestPrescaler(), t.number + 1, 49, false);
  }
}

// Prescale, postscale, on, clock (0 instruction cycles, 1 the oscillator, more: other sources), 16-bit: what a
// control register selects, with the datasheets' layout for its kind.
using Selection = std::tuple<int, int, bool, int, bool>;
Selection decode(TimerKind kind, int con) {
  auto bit = [con](int at) { return ((con >> at) & 1) != 0; };
  const int timer0Pre = bit(3) ? 1 : 2 << (con & 7), timer1Pre = 1 << ((con >> 4) & 3), timer2Pre[] = {1, 4, 16, 16};
  switch (kind) {
    case TimerKind::Timer0MidRange: case TimerKind::Timer0Enhanced: return {timer0Pre, 1, true, bit(5) ? 2 : 0, false};
    case TimerKind::Timer0Pic18: return {timer0Pre, 1, bit(7), bit(5) ? 2 : 0, !bit(6)};
    case TimerKind::Timer1: return {timer1Pre, 1, bit(0), bit(1) ? 2 : 0, true};
    case TimerKind::Timer1Fosc: return {timer1Pre, 1, bit(0), (con >> 6) & 3, true};
    default: return {kind == TimerKind::Timer2Enhanced && (con & 3) == 3 ? 64 : timer2Pre[con & 3], ((con >> 3) & 15) + 1, bit(2), 0, false};
  }
}

// Reset to `start`: the listing, then a loop; the routine at the vector selects the count's bank and runs NOPs for
// timeout + overhead, reloads the count (a timer with a period reloads itself), clears the flag, returns in bank 0.
std::string program(const Case& c, const std::string& listing) {
  const Core core = c.device->core;
  const DeviceTimer& t = *c.timer;
  const int at = t.count.address, preload = c.settings.preload;
  std::string isr;  // from bank 0 on PIC16, from the access bank on PIC18
  if (core == Core::MidRange) isr = std::string(at & 0x80 ? "\tBSF\tSTATUS,RP0\n" : "") + (at & 0x100 ? "\tBSF\tSTATUS,RP1\n" : "");
  if (core == Core::Enhanced ? at >= 0x80 : core == Core::PIC18 && at < 0xF60)
    isr = "\tMOVLB\tD'" + std::to_string(at >> (core == Core::PIC18 ? 8 : 7)) + "'\n";
  for (auto n = std::count(isr.begin(), isr.end(), '\n'); n < c.settings.timeout + c.settings.overhead; ++n) isr += "\tNOP\n";
  auto load = [](int value, std::string_view reg) { return "\tMOVLW\tD'" + std::to_string(value) + "'\n\tMOVWF\t" + std::string(reg) + "\n"; };
  if (t.period.name.empty()) isr += (t.countHigh.name.empty() ? "" : load(preload >> 8, t.countHigh.name)) + load(preload & 0xFF, t.count.name);
  isr += "\tBANKSEL\t" + std::string(t.flag.reg) + "\n\tBCF\t" + std::string(t.flag.reg) + "," + std::string(t.flag.bit) + "\n";
  isr += core == Core::PIC18 ? "\tRETFIE\tFAST\n" : core == Core::Enhanced ? "\tRETFIE\n" : "\tBCF\tSTATUS,RP0\n\tBCF\tSTATUS,RP1\n\tRETFIE\n";
  return "\t#include <" + chipName(*c.device) + ".inc>\n\tORG\t0\n\tGOTO\tstart\n\tORG\t" + (core == Core::PIC18 ? "8" : "4") + "\nvector:\n" +
         isr + "start:\n" + listing + "listed:\n\tNOP\n\tGOTO\t$\n\tEND\n";
}

// gpsim on the case's program: the timer's registers and the bank after the listing, then the cycles at four entries
// of the vector.
std::vector<std::uint64_t> measure(const Case& c) {
  const DeviceTimer& t = *c.timer;
  const std::string chip = chipName(*c.device);
  std::string script = chip + ".frequency = 1000000000\nbreak e listed\nrun\n";  // no watchdog reset in 4.5M cycles
  for (const Sfr& r : {t.control, t.countHigh, t.count, t.period}) script += r.name.empty() ? "" : "reg(" + std::to_string(r.address) + ")\n";
  script += c.device->core == Core::MidRange ? "reg(3)\n" : c.device->core == Core::Enhanced ? "reg(8)\n" : "reg(4064)\n";  // STATUS, BSR
  script += "break c 2000000\nbreak c 3000000\nbreak c 4000000\nbreak c 5000000\n";  // where no interrupt comes
  return simulate(workDir(chip + "-timer" + std::to_string(t.number) + (c.cycles ? "-worked" : "")),
                  program(c, listingOf(c.settings, *c.device, t, ListingLanguage::Assembler)),
                  script + "break e vector\nrun\ncycles\nrun\ncycles\nrun\ncycles\nrun\ncycles\n", "-p " + chip);
}

TEST(devices, on_the_chip) {
  TICKWELL_REQUIRE_SIM_TOOLS();
  std::vector<Case> cases;
  std::istringstream names(kSimulated);
  int chips = 0;
  for (std::string name; names >> name; ++chips) {
    const Device* d = findDevice(name);
    ASSERT_NE(d, nullptr) << name;
    for (const DeviceTimer& t : d->timers)
      if (t.supported() && !d->refusal()) cases.push_back({d, &t, chosen(*d, t)});
  }
  // Worked by hand: 32 MHz / 4 / 64 / 10 / (249 + 1) = 50 Hz; 16 MHz counted at 1:1 overflows after 65,536 / 16 MHz
  // = 4.096 ms, and the routine (to the vector, 4 cycles to reload TMR1H:L) adds 5 instruction cycles = 20 clocks.
  const Device &f1823 = *findDevice("16f1823"), &k22 = *findDevice("18f26k22");
  TimerSettings timer2 = settingsOf(f1823, *f1823.timer(2), 64, 10, 249, false, true, 32);
  TimerSettings timer1 = settingsOf(k22, *k22.timer(1), 1, 1, 0, true, false, 16);
  timer2.pr2Adjust = true;  // the window counts the match cycle too
  timer1.timeout = timer1.overhead = timer2.timeout = timer2.overhead = 0;
  cases.push_back({&f1823, f1823.timer(2), timer2, 160000, 20e6});
  cases.push_back({&k22, k22.timer(1), timer1, 65556, 4.096e6});

  std::vector<std::vector<std::uint64_t>> printed(cases.size());
  std::vector<std::string> errors(cases.size());
  std::vector<std::jthread> workers;
  for (std::size_t worker = 0; worker < 3; ++worker)
    workers.emplace_back([&, worker] {
      for (std::size_t i = worker; i < cases.size(); i += 3)
        try { printed[i] = measure(cases[i]); } catch (const std::exception& e) { errors[i] = e.what(); }
    });
  workers.clear();

  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    const TimerSettings& s = c.settings;
    SCOPED_TRACE(chipName(*c.device) + " Timer" + std::to_string(c.timer->number) + " (work/" + chipName(*c.device) + "-timer...)");
    const std::vector<std::uint64_t>& v = printed[i];
    const std::size_t regs = 2 + !c.timer->countHigh.name.empty() + !c.timer->period.name.empty();  // control, count (high), period
    if (v.size() != regs + 5) {
      ADD_FAILURE() << "gpsim printed " << v.size() << " values\n" << errors[i].substr(0, 2000);
      continue;
    }
    EXPECT_EQ(decode(*s.kind, int(v[0])), Selection(int(s.prescale), int(s.postscale), true, s.fosc4 ? 0 : 1, s.width == Width::Bits16));
    if (c.timer->period.name.empty()) {  // the count has run on for a few ticks since the listing wrote it
      const long count = (regs == 3 ? long(v[1]) << 8 : 0) + long(v[regs - 1]);
      EXPECT_TRUE(count >= s.preload && count <= s.preload + 8) << "count " << count << ", preload " << s.preload;
    } else EXPECT_EQ(long(v[regs - 1]), s.preload) << "period register";
    const std::uint64_t bank = c.device->core == Core::MidRange ? (v[regs] >> 5) & 3 : v[regs];  // RP1:RP0 or BSR
    EXPECT_TRUE(bank == 0 || s.family == Family::PIC18) << "bank " << bank << " after the listing";
    const std::string at = chipName(*c.device) + " " + std::to_string(c.timer->number);
    auto fault = std::ranges::find_if(kGpsimFaults, [&](auto& f) { return std::regex_match(at, std::regex(f.first)); });
    if (fault != std::end(kGpsimFaults)) {
      std::cout << at << ": not timed, gpsim: " << fault->second << "\n";
      continue;
    }
    const ChipInterval chip = chipInterval(s);  // where the timer counts the oscillator, in its cycles: gpsim counts instructions
    const long instructionCycles = std::lround(chip.cycles / (s.fosc4 ? 1 : 4));
    for (std::size_t k = regs + 2; k < v.size(); ++k) EXPECT_EQ(long(v[k] - v[k - 1]), instructionCycles) << "interval " << k - regs - 1;
    if (c.cycles == 0) continue;
    EXPECT_EQ(chip.cycles, c.cycles);
    EXPECT_DOUBLE_EQ(evaluate(s).periodNs, c.periodNs);
  }
  std::cout << cases.size() - 2 << " timers of " << chips << " chips simulated, and the 2 worked by hand\n";
}

}  // namespace
}  // namespace tickwell::sim
