// The chips gputils' device files describe: each with its core and every
// timer it has, by kind, with the register and bit names its device file
// gives them and their addresses. The table is generated from the device
// files (tools/gen_device_table.py) and built in as constant data.
#pragma once

#include <array>
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

// A special function register; an empty name where the timer has none.
struct Sfr {
  std::string_view name;
  int address = -1;
};

// A bit of a register, such as PIR1's TMR1IF.
struct SfrBit {
  std::string_view reg;
  int address = -1;
  std::string_view bit;
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
  std::string_view on;            // TMRxON
  std::string_view width8;        // T08BIT: 1 = 8-bit
  std::string_view clockSource;   // T0CS, TMR0CS, TMRxCS; TMRxCS1 where two bits select
  std::string_view clockSource0;  // TMRxCS0
  std::string_view assignment;    // PSA: 1 = Timer0's prescaler is off
  std::string_view rd16;          // RD16: 1 = the high byte goes with the low byte
  std::array<std::string_view, 3> prescalerBits;
  std::array<std::string_view, 4> postscalerBits;
  SfrBit flag;    // the interrupt flag
  SfrBit enable;  // the interrupt enable

  const KindFacts& facts() const { return kindFacts(kind); }
  bool supported() const { return facts().supported(); }
};

struct Device {
  std::string_view name;  // "PIC16F1823"
  Core core;
  SfrBit globalEnable;      // INTCON's GIE
  SfrBit peripheralEnable;  // INTCON's PEIE; empty on chips without it
  std::span<const DeviceTimer> timers;

  Family family() const { return core == Core::PIC18 ? Family::PIC18 : Family::PIC16; }
  // Why the program does not work with this chip, or nothing when it does.
  std::optional<std::string_view> refusal() const;
  const DeviceTimer* timer(int number) const;
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
