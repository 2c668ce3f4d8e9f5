// The chips gputils' device files describe: each with its core and every
// timer it has, by kind, with the register and bit names its device file
// gives them and their addresses. The table is generated from the device
// files (tools/gen_device_table.py) and built in as constant data.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "timer/timer_spec.h"

namespace tickwell {

// Baseline parts have no interrupts; mid-range PIC16 switch banks with
// STATUS, enhanced mid-range PIC16 (PIC16F1xxx) with BSR; PIC18 reach most
// special registers through the access bank.
enum class Core : std::uint8_t { Baseline, MidRange, Enhanced, PIC18 };

// A name in the device table: a number standing for its text, which the
// table keeps in one string. Numbers, not pointers, keep the constant table
// free of relocations, so it costs nothing until it is read. Reads as a
// string_view.
class Name {
 public:
  constexpr Name() = default;
  constexpr Name(std::uint16_t number) : number_(number) {}  // the generated table writes numbers
  std::string_view view() const;
  operator std::string_view() const { return view(); }
  bool empty() const { return number_ == 0; }
  friend bool operator==(Name a, Name b) { return a.number_ == b.number_; }
  friend bool operator==(Name a, std::string_view b) { return a.view() == b; }

 private:
  std::uint16_t number_ = 0;  // 0: no name
};

// A special function register; an empty name where the timer has none.
struct Sfr {
  Name name;
  int address = -1;
};

// A bit of a register, such as PIR1's TMR1IF.
struct SfrBit {
  Name reg;
  int address = -1;
  Name bit;
};

// One timer of a chip. Bit names are those of its control register, "" where
// it has no such bit; bit lists run from the most significant bit.
struct DeviceTimer {
  int number;
  TimerKind kind;
  Sfr control;
  Sfr countHigh;  // TMRxH, TMR0H
  Sfr count;      // TMR0, TMR0L, TMRxL, TMRx
  Sfr period;     // PRx
  Name on;            // TMRxON
  Name width8;        // T08BIT: 1 = 8-bit
  Name clockSource;   // T0CS, TMR0CS, TMRxCS; TMRxCS1 where two bits select
  Name clockSource0;  // TMRxCS0
  Name assignment;    // PSA: 1 = Timer0's prescaler is off
  Name rd16;          // RD16: 1 = the high byte goes with the low byte
  std::array<Name, 3> prescalerBits;
  std::array<Name, 4> postscalerBits;
  SfrBit flag;    // the interrupt flag
  SfrBit enable;  // the interrupt enable

  const KindFacts& facts() const { return kindFacts(kind); }
  bool supported() const { return facts().supported(); }
};

struct Device {
  Name name;  // "PIC16F1823"
  Core core;
  SfrBit globalEnable;      // INTCON's GIE
  SfrBit peripheralEnable;  // INTCON's PEIE; empty on chips without it
  std::span<const DeviceTimer> timers;

  Family family() const { return core == Core::PIC18 ? Family::PIC18 : Family::PIC16; }
  // Why the program does not work with this chip, or nothing when it does.
  std::optional<std::string_view> refusal() const;
  const DeviceTimer* timer(int number) const;
  // The first timer the program supports, or null where it supports none.
  const DeviceTimer* firstSupported() const;
};

// Every device, in name order.
std::span<const Device> allDevices();

// The device of a name, in any case, with or without "PIC": "16f1823".
const Device* findDevice(std::string_view name);

// Devices whose name holds `filter` (any case, "PIC" optional), in name order.
std::vector<const Device*> devicesMatching(std::string_view filter);

// Up to `count` device names nearest to `name` (fewest edits), nearest first.
std::vector<std::string_view> nearestDevices(std::string_view name, std::size_t count = 3);

}  // namespace tickwell
