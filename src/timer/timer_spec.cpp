#include "timer/timer_spec.h"

namespace tickwell {

namespace {

// Timer0's prescaler is off at 1:1 (its assignment bit hands it to the
// watchdog), so 1:1 and 1:2 write the same select bits.
constexpr std::array<Prescaler, 9> kTimer0Prescalers{{
    {1, "000"}, {2, "000"}, {4, "001"}, {8, "010"}, {16, "011"}, {32, "100"}, {64, "101"}, {128, "110"}, {256, "111"},
}};
constexpr std::array<Prescaler, 4> kTimer13Prescalers{{{1, "00"}, {2, "01"}, {4, "10"}, {8, "11"}}};
constexpr std::array<Prescaler, 3> kTimer2Prescalers{{{1, "00"}, {4, "01"}, {16, "10"}}};
// The enhanced mid-range Timer2-type reads the fourth code as 1:64 (11 is
// 1:16 again on the others).
constexpr std::array<Prescaler, 4> kTimer2EnhancedPrescalers{{{1, "00"}, {4, "01"}, {16, "10"}, {64, "11"}}};

// Timer1 and Timer2 have the same registers on both families.
constexpr TimerRegisters timer1Registers{.control = "T1CON",
                                         .countHigh = "TMR1H",
                                         .count = "TMR1L",
                                         .prescalerBits = {"T1CKPS1", "T1CKPS0"},
                                         .on = "TMR1ON",
                                         .clockSource = "TMR1CS",
                                         .oscillatorEnable = "T1OSCEN",
                                         .sync = "T1SYNC"};
constexpr TimerRegisters timer2Registers{.control = "T2CON",
                                         .count = "PR2",
                                         .prescalerBits = {"T2CKPS1", "T2CKPS0"},
                                         .postscalerBits = {"TOUTPS3", "TOUTPS2", "TOUTPS1", "TOUTPS0"},
                                         .on = "TMR2ON"};

// PIC16 first, then PIC18.
constexpr std::array<TimerSpec, kTimerCount> kTimers{{
    {.number = 0,
     .prescalers = kTimer0Prescalers,
     .hasPostscaler = false,
     .countMode = CountMode::Overflow,
     .has8Bit = true,
     .has16Bit = true,
     .familyOf8Bit = Family::PIC16,
     .familyOf16Bit = Family::PIC18,  // a 16-bit Timer0 exists on PIC18 only
     .onlyOn = std::nullopt,
     .registers = {{{.control = "OPTION_REG",
                     .count = "TMR0",
                     .prescalerBits = {"PS2", "PS1", "PS0"},
                     .clockSource = "T0CS",
                     .sourceEdge = "T0SE",
                     .assignment = "PSA"},
                    {.control = "T0CON",
                     .countHigh = "TMR0H",
                     .count = "TMR0L",
                     .prescalerBits = {"T0PS2", "T0PS1", "T0PS0"},
                     .on = "TMR0ON",
                     .width8 = "T08BIT",
                     .clockSource = "T0CS",
                     .sourceEdge = "T0SE",
                     .assignment = "PSA"}}},
     .writeLossCycles = 2,
     .matchLossCycles = 0,
     .lowestFrequencyPrescaler = LowestFrequencyPrescaler::Largest},
    {.number = 1,
     .prescalers = kTimer13Prescalers,
     .hasPostscaler = false,
     .countMode = CountMode::Overflow,
     .has8Bit = false,
     .has16Bit = true,
     .familyOf8Bit = Family::PIC16,
     .familyOf16Bit = std::nullopt,
     .onlyOn = std::nullopt,
     .registers = {{timer1Registers, timer1Registers}},
     .writeLossCycles = 0,
     .matchLossCycles = 0,
     .lowestFrequencyPrescaler = LowestFrequencyPrescaler::Selected},
    {.number = 2,
     .prescalers = kTimer2Prescalers,
     .hasPostscaler = true,
     .countMode = CountMode::PeriodMatch,
     .has8Bit = true,
     .has16Bit = false,
     .familyOf8Bit = Family::PIC16,
     .familyOf16Bit = std::nullopt,
     .onlyOn = std::nullopt,
     .registers = {{timer2Registers, timer2Registers}},
     .writeLossCycles = 0,
     .matchLossCycles = 1,
     .lowestFrequencyPrescaler = LowestFrequencyPrescaler::None},
    {.number = 3,
     .prescalers = kTimer13Prescalers,
     .hasPostscaler = false,
     .countMode = CountMode::Overflow,
     .has8Bit = false,
     .has16Bit = true,
     .familyOf8Bit = Family::PIC16,
     .familyOf16Bit = std::nullopt,
     .onlyOn = Family::PIC18,
     .registers = {{{},
                    {.control = "T3CON",
                     .countHigh = "TMR3H",
                     .count = "TMR3L",
                     .prescalerBits = {"T3CKPS1", "T3CKPS0"},
                     .on = "TMR3ON",
                     .clockSource = "TMR3CS",
                     .sync = "T3SYNC"}}},
     .writeLossCycles = 0,
     .matchLossCycles = 0,
     .lowestFrequencyPrescaler = LowestFrequencyPrescaler::Selected},
}};

// A chip's Timer2-type with 1:64: Timer2's facts with the longer prescaler list.
constexpr TimerSpec kTimer2Enhanced = [] {
  TimerSpec t = kTimers[2];
  t.prescalers = kTimer2EnhancedPrescalers;
  return t;
}();

constexpr std::string_view kClockUnknown =
    "the device file does not say which clock each code of its clock select picks";
constexpr std::array<KindFacts, 12> kKinds{{
    {"Timer0, mid-range (OPTION_REG)", 0, &kTimers[0], false, ""},
    {"Timer0, enhanced mid-range (OPTION_REG, TMR0CS)", 0, &kTimers[0], false, ""},
    {"Timer0, PIC18 (T0CON, 8/16-bit)", 0, &kTimers[0], false, ""},
    {"Timer1-type, clock select TMRxCS", 1, &kTimers[1], false, ""},
    {"Timer1-type, clock select TMRxCS1:0 (Fosc/4 or Fosc)", 1, &kTimers[1], true, ""},
    {"Timer2-type, prescaler 1:1/4/16", 2, &kTimers[2], false, ""},
    {"Timer2-type, prescaler 1:1/4/16/64", 2, &kTimer2Enhanced, false, ""},
    {"Timer0, PIC18 with T0CS1:0", 0, nullptr, false, kClockUnknown},
    {"Timer0, T0CON0/T0CON1", 0, nullptr, false, "a prescaler to 1:32768, a postscaler and TMR0H as its period"},
    {"Timer2-type with HLT", 2, nullptr, false, "a hardware limit timer with its own clock and reset sources"},
    {"Timer5, motor control", 1, nullptr, false, "a motor-control timer with its own period register and modes"},
    {"unrecognised", 0, nullptr, false, "the device file names bits this program does not know for this timer"},
}};

constexpr std::array<std::string_view, kPostscalerCount> kPostscalerBits{
    "0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
    "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};

}  // namespace

bool TimerSpec::countsIn(Width w, Family f) const {
  if (!hasWidth(w) || !availableOn(f)) return false;
  // A width tied to the other family does not exist on this one (16-bit Timer0
  // on PIC16); the 8-bit width is offered on both.
  return w == Width::Bits8 || !familyOf16Bit || *familyOf16Bit == f;
}

std::optional<int> TimerSpec::prescalerIndex(double ratio) const {
  for (std::size_t i = 0; i < prescalers.size(); ++i)
    if (prescalers[i].ratio == ratio) return static_cast<int>(i);
  return std::nullopt;
}

const KindFacts& kindFacts(TimerKind kind) { return kKinds.at(static_cast<std::size_t>(kind)); }

const TimerSpec& timerSpec(int timer) { return kTimers.at(static_cast<std::size_t>(timer)); }

std::string_view postscalerBits(int index) { return kPostscalerBits.at(static_cast<std::size_t>(index)); }

int TimerSpec::largestPostscaler() const { return hasPostscaler ? kPostscalerCount : 1; }

int fullCount(Width w) { return w == Width::Bits8 ? 256 : 65536; }

int maxPreload(Width w) { return fullCount(w) - 1; }

}  // namespace tickwell
