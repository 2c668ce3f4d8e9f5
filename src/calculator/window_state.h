// Everything the user has chosen in the calculator window, as one value. The
// window shows render(state) and turns every user action into
// apply(state, action); nothing else holds state, and no derived value is
// kept here.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "forms/actions.h"
#include "listing/listing.h"
#include "search/solver.h"
#include "timer/device.h"
#include "timer/timer_model.h"
#include "timer/units.h"

namespace tickwell {

// A number the user types, as typed, with the number it means.
struct TypedNumber {
  std::string text;
  double value = 0;

  bool operator==(const TypedNumber&) const = default;
};

// The inputs a timer keeps while another timer is shown.
struct SavedTimerInputs {
  Width width = Width::Bits8;  // Timer0, the one timer with a choice of width
  int prescalerIndex = 0;
  int postscalerIndex = 0;     // Timer2
  int timeout = 0;
  TypedNumber overhead{"0", 0};
  bool adjust = false;         // TMR0 Adjust on Timer0, PR2 Adjust on Timer2
  int preload = 0;

  bool operator==(const SavedTimerInputs&) const = default;
};

// What the last search achieved, for the label beside the search entries: the
// value the settings give and the value wanted, in the unit of the search.
struct SearchReport {
  Quantity quantity = Quantity::Period;
  double achieved = 0;  // ns or Hz
  double wanted = 0;
  TimeUnit periodUnit = TimeUnit::Nanoseconds;
  FrequencyUnit frequencyUnit = FrequencyUnit::Hertz;

  bool operator==(const SearchReport&) const = default;
};

// The oscillator presets: "100 kHz" ... "48 MHz", then "Other" (the entry).
inline constexpr int kOscPresetCount = 16;
inline constexpr int kOtherOscPreset = 15;
inline constexpr int kDefaultOscPreset = 5;  // 4 MHz
// What a preset puts into the entry (read as MHz up to 48, else as kHz).
inline constexpr std::array<const char*, kOtherOscPreset> kOscPresetTexts = {
    "100", "250", "500", "1", "2", "4", "8", "10", "12", "16", "20", "24", "32", "40", "48"};

// Timer numbers run from 0 to 12 on the chips that have the most timers.
inline constexpr int kTimerNumbers = 13;

struct WindowState {
  // The configuration. On a chip (`device`, into the constant device table)
  // the timer is the chip's timer number and the family is the chip's; with
  // none, the family's generic Timer0..Timer3.
  const Device* device = nullptr;
  Family family = Family::PIC16;
  int timer = 0;
  Width width = Width::Bits8;
  int oscPreset = kDefaultOscPreset;
  TypedNumber osc{"4", 4000000};  // the entry's text and the oscillator frequency in Hz
  bool fosc4 = true;
  int prescalerIndex = 0;
  int postscalerIndex = 0;
  int preload = 0;
  bool tmr0Adjust = false;
  bool pr2Adjust = false;
  int timeout = 0;
  TypedNumber overhead{"0", 0};

  // Display units: the tick, the timer clock, the clock, the oscillator entry,
  // the interrupt period and frequency (which the search entries share).
  TimeUnit cycleUnit = TimeUnit::Nanoseconds;
  FrequencyUnit tickFrequencyUnit = FrequencyUnit::Hertz;
  FrequencyUnit clockUnit = FrequencyUnit::Megahertz;
  FrequencyUnit inputUnit = FrequencyUnit::Megahertz;
  TimeUnit periodUnit = TimeUnit::Nanoseconds;
  FrequencyUnit frequencyUnit = FrequencyUnit::Hertz;

  ListingLanguage language = ListingLanguage::MikroBasic;

  // The search frame: the two entries while they are edited, the scaler
  // choice, and what the last search achieved (until the wanted value is
  // edited).
  std::string searchPeriodText = "0";
  std::string searchFrequencyText = "0";
  bool useActualScalers = false;
  std::optional<SearchReport> searchReport;

  std::array<SavedTimerInputs, kTimerNumbers> saved{};  // by timer number

  // What the window shows because of what happened before, not of the
  // configuration alone:
  // - a click on the tick's unit writes the tick in ns without a leading
  //   zero ("" for a tick below 0.5 ns) until the next recalculation;
  bool tickShownByUnitClick = false;
  // - a text the user typed over a box the window writes (a bit or preload
  //   view, a listing) stays until the window writes that box again;
  std::array<std::optional<std::string>, kBoxCount> typedOver{};
  // - the listings quote the bit and preset boxes as they stood when the
  //   listings were last written, which is not yet what was typed over them
  //   since;
  ShownTexts listed;
  // - a box that received the focus selected its whole text (from 0, this
  //   many characters), and keeps that selection.
  std::array<int, kBoxCount> selectionLength{};

  bool operator==(const WindowState&) const = default;

  std::optional<std::string>& typedOverBox(Box b) { return typedOver[static_cast<std::size_t>(b)]; }
  const std::optional<std::string>& typedOverBox(Box b) const { return typedOver[static_cast<std::size_t>(b)]; }
};

// The configuration the state holds, for the timer model.
TimerSettings settingsOf(const WindowState& state);

// What the selected timer offers: its kind's facts on a chip, the generic
// timer's otherwise.
const TimerSpec& factsOf(const WindowState& state);

// Whether the selected timer counts in a width: on a chip, as it does on the
// chip's family; otherwise as the generic timer does on either family.
bool offersWidth(const WindowState& state, Width width);

// Whether the Fosc/4 box can be unchecked: on the generic timers always, on a
// chip where the timer's kind counts the oscillator itself.
bool offersOscillatorCount(const WindowState& state);

}  // namespace tickwell
