// What each hardware timer offers: its prescaler ratios with the select bits
// written for them, whether it has a postscaler, the widths it counts in and
// which family a width belongs to, its registers, and the cycles it loses when
// its count register is written or its period register matches. One table for
// Timer0..Timer3; everything else asks it instead of guessing from lists.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tickwell {

enum class Family { PIC16, PIC18 };

// Counter width: 8-bit counts 256 ticks to its overflow, 16-bit 65,536.
enum class Width { Bits8 = 0, Bits16 = 1 };

// How a timer reaches its interrupt: by overflowing from its preload, or by its
// count matching a period register (Timer2 and PR2).
enum class CountMode { Overflow, PeriodMatch };

inline constexpr int kTimerCount = 4;

// Which prescaler the lowest interrupt frequency of the search limits assumes:
// none (Timer2 counts to PR2 at any prescaler), the selected one, or the
// largest the timer has.
enum class LowestFrequencyPrescaler { None, Selected, Largest };

struct Prescaler {
  int ratio;              // 1:ratio
  std::string_view bits;  // select bits written for it, most significant first
};

// A timer's registers and bits on one family, as the device headers name
// them. Bit lists run from the most significant bit; unused places are "".
struct TimerRegisters {
  std::string_view control = {};           // OPTION_REG, T0CON, T1CON ...
  std::string_view countHigh = {};         // TMR1H, TMR0H; "" where one register takes the preload
  std::string_view count = {};             // TMR0, TMR0L, TMR1L, PR2
  std::array<std::string_view, 3> prescalerBits = {};   // PS2:PS0, T1CKPS1:0 ...
  std::array<std::string_view, 4> postscalerBits = {};  // TOUTPS3:0
  std::string_view on = {};                // TMR1ON ...
  std::string_view width8 = {};            // T08BIT: 1 = 8-bit
  std::string_view clockSource = {};       // T0CS, TMR1CS: 0 = instruction cycles
  std::string_view sourceEdge = {};        // T0SE
  std::string_view assignment = {};        // PSA: 1 = prescaler not assigned to Timer0
  std::string_view oscillatorEnable = {};  // T1OSCEN
  std::string_view sync = {};              // T1SYNC: 1 = do not synchronise an external clock
};

struct TimerSpec {
  int number;
  std::span<const Prescaler> prescalers;
  bool hasPostscaler;
  CountMode countMode;
  bool has8Bit;
  bool has16Bit;
  // The family that a width of this timer belongs to, where it decides one.
  std::optional<Family> familyOf8Bit;
  std::optional<Family> familyOf16Bit;
  // A timer that exists on one family only; selecting it selects that family.
  std::optional<Family> onlyOn;
  // Registers and bits on PIC16 and on PIC18 (empty where the timer does
  // not exist).
  std::array<TimerRegisters, 2> registers;
  // Cycles lost when the count register is written (the TMR0 write inhibits
  // counting for two cycles), and at a period match (Timer2 resets on PR2).
  int writeLossCycles;
  int matchLossCycles;
  LowestFrequencyPrescaler lowestFrequencyPrescaler;

  bool countsToMatch() const { return countMode == CountMode::PeriodMatch; }
  bool hasWidth(Width w) const { return w == Width::Bits8 ? has8Bit : has16Bit; }
  bool availableOn(Family f) const { return !onlyOn || *onlyOn == f; }
  // Whether this timer counts in width `w` on family `f`.
  bool countsIn(Width w, Family f) const;
  // Index of the prescaler of a ratio, if the timer has it.
  std::optional<int> prescalerIndex(double ratio) const;
  int largestPrescaler() const { return prescalers.back().ratio; }
  int largestPostscaler() const;
  const TimerRegisters& registersOn(Family f) const { return registers[f == Family::PIC16 ? 0 : 1]; }
};

// Timer0..Timer3.
const TimerSpec& timerSpec(int timer);

// The kinds of timer a chip's device file describes, recognised from its
// register and bit names. The first seven are supported; the others are
// listed with the reason they are not yet.
enum class TimerKind : std::uint8_t {
  Timer0MidRange,   // OPTION_REG: T0CS, PSA, PS2:0
  Timer0Enhanced,   // OPTION_REG: TMR0CS, PSA, PS2:0 (enhanced mid-range)
  Timer0Pic18,      // T0CON: TMR0ON, T08BIT, T0CS, PSA, T0PS2:0
  Timer1,           // TxCON: TMRxCS, TxCKPS1:0 (Timer1, Timer3)
  Timer1Fosc,       // TxCON: TMRxCS1:0 (00 Fosc/4, 01 Fosc), TxCKPS1:0
  Timer2,           // TxCON: TxOUTPS3:0, TMRxON, TxCKPS1:0; PRx
  Timer2Enhanced,   // the same bits, with 11 = 1:64 (enhanced mid-range)
  Timer0Pic18TwoBitSource,
  Timer0Con01,
  Timer2Hlt,
  Timer5MotorControl,
  Unrecognised,
};

struct KindFacts {
  std::string_view description;  // for `tickwell devices`: "Timer2-type, 1:64"
  // The generic timer whose listing and window this kind shares (0, 1 or 2)
  // and its facts; null where the kind is not supported yet.
  int role;
  const TimerSpec* facts;
  bool countsOscillator;     // it can count Fosc itself, not only Fosc/4
  std::string_view reason;   // why it is not supported yet; "" where it is

  bool supported() const { return facts != nullptr; }
};
const KindFacts& kindFacts(TimerKind kind);

// Postscaler entries: index k is ratio 1:(k+1), bits k in four digits.
inline constexpr int kPostscalerCount = 16;
std::string_view postscalerBits(int index);

// Ticks from the preload 0 to the overflow: 256 or 65,536.
int fullCount(Width w);
// Largest preload (or PR2) of a width: 255 or 65,535.
int maxPreload(Width w);

}  // namespace tickwell
