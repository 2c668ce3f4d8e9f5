// The listing of one timer of a chip, from the chip's device file: its own
// register and bit names, the banks its registers sit in, its clock-select
// bits, its interrupt flag and enable.
//
// Every kind is written in the same order: the timer stopped (where it has an
// on bit), its clock, scalers and width, its preload or period, the interrupt
// flag cleared, the interrupt enabled (with PEIE where the enable is a
// peripheral one, and GIE), then the timer started. Timer2-types start with
// their whole control register; Timer0 on a PIC16 has no on bit and counts
// from the moment its clock is selected.
//
// Assembler selects a register's bank only where the chip needs it: PIC16
// registers outside bank 0 and INTCON's place in every bank, PIC18 registers
// below the access bank's 0xF80. A PIC16 listing starts and ends in bank 0.
#include <string>
#include <string_view>

#include "app/result_texts.h"
#include "listing/listing.h"
#include "listing/listing_writer.h"

namespace tickwell {

namespace {

using namespace listing_detail;

// Width of the REG.BIT literals, which aligns their operators.
constexpr std::size_t kBitWidth = 18;

class Banks {
 public:
  Banks(Writer& w, Core core) : w_(w), core_(core), current_(core == Core::PIC18 ? kUnknown : 0) {}

  void select(std::string_view name, int address) {
    const int bank = bankOf(address);
    if (bank == kAnyBank || bank == current_) return;
    w_.bank(name);
    current_ = bank;
  }
  void select(const Sfr& r) { select(r.name, r.address); }

  void backToBank0() {
    if (core_ == Core::PIC18 || current_ == 0) return;
    w_.bank("0", " back to bank 0");
    current_ = 0;
  }

 private:
  static constexpr int kAnyBank = -1;
  static constexpr int kUnknown = -2;

  int bankOf(int address) const {
    switch (core_) {
      case Core::PIC18: return address >= 0xF80 ? kAnyBank : address >> 8;
      // INDF0 .. INTCON sit in every bank.
      case Core::Enhanced: return (address & 0x7F) < 0x0C ? kAnyBank : address >> 7;
      // INTCON sits in every bank.
      default: return (address & 0x7F) == 0x0B ? kAnyBank : (address >> 7) & 3;
    }
  }

  Writer& w_;
  Core core_;
  int current_;
};

class ChipListing {
 public:
  ChipListing(const ListingRequest& r, const Device& device, const DeviceTimer& timer)
      : s_(r.settings), t_(textsOf(r)), device_(device), timer_(timer), w_(r.language, r.lineEnd),
        banks_(w_, device.core), periodUnit_(r.periodUnit), name_("Timer" + std::to_string(timer.number)) {}

  std::string write() {
    w_.setCommentGap(" ");
    heading();
    switch (timer_.facts().role) {
      case 0: timer0(); break;
      case 1: timer1(); break;
      default: timer2(); break;
    }
    banks_.backToBank0();
    return w_.text();
  }

 private:
  void heading() {
    w_.comment(" " + std::string(device_.name) + " " + name_ + " registers");
    std::string line = " Prescaler=" + t_.prescaler;
    if (factsOf(s_).hasPostscaler) line += "; Postscaler=" + t_.postscaler;
    line += "; " + std::string(factsOf(s_).countsToMatch() ? timer_.period.name.view() : std::string_view("Preload")) + "=" + t_.preloadText;
    line += "; Freq=" + t_.frequency + "; Period=" + t_.period;
    w_.comment(line);
    w_.comment(" On the chip: " + chipIntervalText(chipInterval(s_), s_.fosc4, periodUnit_));
    if (sortsAfterZero(t_.timeout)) w_.comment(" ISR Timeout cycles:" + t_.timeout);
    if (sortsAfterZero(t_.overhead)) w_.comment(" ISR Overhead cycles:" + t_.overhead);
  }

  void bit(std::string_view name, std::string_view value, std::optional<std::string_view> comment = std::nullopt) {
    w_.bit(timer_.control.name, name, kBitWidth, value, comment);
  }

  void bit(const SfrBit& b, std::string_view value, std::string_view comment) {
    banks_.select(b.reg, b.address);
    w_.bit(b.reg, b.bit, kBitWidth, value, comment);
  }

  void onBit(std::string_view value, std::string_view comment) {
    banks_.select(timer_.control);
    bit(timer_.on, value, comment);
  }

  void prescaler() {
    const std::string comment = " prescaler " + t_.prescaler;
    const std::size_t used = timer_.prescalerBits[2].empty() ? 2 : 3;
    for (std::size_t i = 0; i < used; ++i) {
      if (i == 0)
        bit(timer_.prescalerBits[i], characterAt(t_.preBits, 1), comment);
      else
        bit(timer_.prescalerBits[i], characterAt(t_.preBits, static_cast<int>(i) + 1));
    }
  }

  void interrupts() {
    bit(timer_.flag, "0", " clear the " + name_ + " interrupt flag");
    bit(timer_.enable, "1", " enable the " + name_ + " interrupt");
    if (timer_.enable.reg != device_.globalEnable.reg && !device_.peripheralEnable.bit.empty())
      bit(device_.peripheralEnable, "1", " enable peripheral interrupts");
    bit(device_.globalEnable, "1", " enable interrupts");
  }

  // The preload in hexadecimal, the high byte first: the low byte's write
  // takes both into the timer where the chip buffers the high byte.
  void preloadBytes() {
    if (s_.width == Width::Bits16) {
      banks_.select(timer_.countHigh);
      w_.hexPreset(timer_.countHigh.name, hexByte(s_.preload >> 8), 1, " preload, high byte");
    }
    banks_.select(timer_.count);
    w_.hexPreset(timer_.count.name, hexByte(s_.preload & 0xFF), 1,
                 s_.width == Width::Bits16 ? " preload, low byte" : " preload");
  }

  static std::string hexByte(int value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
  }

  // Timer0: OPTION_REG on a PIC16 (no on bit), T0CON on a PIC18.
  void timer0() {
    const bool pic18 = !timer_.on.empty();
    if (pic18) onBit("0", " stop " + name_ + " while it is set up");
    banks_.select(timer_.control);
    if (pic18) bit(timer_.width8, s_.width == Width::Bits8 ? "1" : "0", s_.width == Width::Bits8 ? " 8-bit" : " 16-bit");
    bit(timer_.clockSource, "0", " clock: Fosc/4");
    bit(timer_.assignment, t_.preOff ? "1" : "0", t_.preOff ? " prescaler off" : " prescaler on");
    prescaler();
    if (pic18) {
      preloadBytes();
    } else {
      banks_.select(timer_.count);
      w_.decimalPreset(timer_.count.name, t_.preloadText, 1, " preload");
    }
    interrupts();
    if (pic18) onBit("1", " start " + name_);
  }

  // Timer1-types: the clock from TMRxCS (0 = Fosc/4), or from TMRxCS1:0
  // (00 = Fosc/4, 01 = Fosc); 16-bit writes where the chip has RD16.
  void timer1() {
    onBit("0", " stop " + name_ + " while it is set up");
    if (timer_.clockSource0.empty()) {
      bit(timer_.clockSource, "0", " clock: Fosc/4");
    } else {
      bit(timer_.clockSource, "0", s_.fosc4 ? " clock: Fosc/4 (00)" : " clock: Fosc (01)");
      bit(timer_.clockSource0, s_.fosc4 ? "0" : "1");
    }
    prescaler();
    if (!timer_.rd16.empty()) bit(timer_.rd16, "1", " 16-bit writes: the high byte goes with the low byte");
    preloadBytes();
    interrupts();
    onBit("1", " start " + name_);
  }

  // Timer2-types count from 0 to PRx; the whole control register sets the
  // postscaler, the on bit and the prescaler, and starts the timer.
  void timer2() {
    banks_.select(timer_.period);
    w_.decimalPreset(timer_.period.name, t_.preloadText, 1, " period: counts 0 to " + t_.preloadText);
    interrupts();
    banks_.select(timer_.control);
    w_.wholeRegister(timer_.control.name, "0" + t_.postBits + "1" + t_.preBits,
                     " postscaler " + t_.postscaler + ", on, prescaler " + t_.prescaler);
  }

  const TimerSettings& s_;
  const Texts t_;
  const Device& device_;
  const DeviceTimer& timer_;
  Writer w_;
  Banks banks_;
  const TimeUnit periodUnit_;
  const std::string name_;
};

}  // namespace

std::string deviceListing(const ListingRequest& request, const Device& device, const DeviceTimer& timer) {
  return ChipListing(request, device, timer).write();
}

}  // namespace tickwell
