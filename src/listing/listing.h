// Register set-up listings of Timer0..Timer3 for the PIC16 and PIC18 families,
// in the syntax of mikroBasic, mikroC, microPascal, XC8 or MPASM assembler.
// Pure functions of values: a timer configuration, what it gives, the units
// its period and frequency are quoted in, the language and the line end.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "timer/device.h"
#include "timer/timer_model.h"
#include "timer/units.h"

namespace tickwell {

// The languages of the language list, in list order.
enum class ListingLanguage { MikroBasic, MikroC, MicroPascal, XC8, Assembler };
inline constexpr int kListingLanguageCount = 5;

// Entries of the language list, in list order.
inline constexpr std::array<const char*, kListingLanguageCount> kListingLanguages = {
    "mikroBasic", "mikroC", "microPascal", "XC8", "Assembler"};

// The five syntax strings of a listing language: mikroBasic, mikroC and
// microPascal listings follow from the strings alone; XC8 names bits through
// the <xc.h> ...bits structures, and the assembler listing writes
// instructions.
struct ListingSyntax {
  std::string_view CmtMark;
  std::string_view AssignOp;
  std::string_view BinPrefix;
  std::string_view HexPrefix;
  std::string_view StmtEnd;
};
const ListingSyntax& syntaxOf(ListingLanguage language);

// What the window shows in place of a value's own text: the overhead as the
// user typed it ("8.0" stays "8.0"), and a bit or preset box the user has
// typed over, which the listing quotes as it stands until the window writes
// that box again. Empty: the value's own text.
struct ShownTexts {
  std::optional<std::string> overhead;
  std::optional<std::string> prescalerBits;
  std::optional<std::string> postscalerBits;
  std::optional<std::string> presetHigh;
  std::optional<std::string> presetLow;

  bool operator==(const ShownTexts&) const = default;
};

struct ListingRequest {
  TimerSettings settings;  // the configuration of the selected timer
  TimerResult result;      // what it gives (the period and frequency quoted)
  TimeUnit periodUnit = TimeUnit::Nanoseconds;
  FrequencyUnit frequencyUnit = FrequencyUnit::Hertz;
  ListingLanguage language = ListingLanguage::MikroBasic;
  std::string_view lineEnd = "\r\n";
  ShownTexts shown;
};

inline constexpr const char* kNotAvailable = "NOT AVAILABLE";

// The listing of one timer's registers for the request's configuration (the
// window writes every timer's listing from the selected timer's values). On
// PIC16, Timer3's is "NOT AVAILABLE" without a line end.
std::string listing(const ListingRequest& request, int timer);

// The listing of one timer of a chip: the chip's own register and bit names,
// bank selection where the chip needs it, the clock-select bits it has, its
// interrupt flag cleared and its interrupt enabled; the first comment line
// names the chip. request.settings is that timer's configuration, with its
// kind.
std::string deviceListing(const ListingRequest& request, const Device& device, const DeviceTimer& timer);

}  // namespace tickwell
