// The application-wide record shared by all windows: product texts, unit
// factors, listing syntax, timer selection, the kept inputs of each timer and
// the values derived by the last recalculation. One instance, owned by the
// application and passed by reference.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>

namespace tickwell {

// One kept input of a timer: a number (list index, width, check state, preload)
// or a text (timeout and overhead texts).
using SavedValue = std::variant<std::int32_t, std::string>;

// Text of a kept value as a text box would show it (integer 0 -> "0").
std::string savedText(const SavedValue& v);
// Number of a kept value (a text reads as its leading value).
std::int32_t savedInt(const SavedValue& v);

struct AppRecord {
  // Product texts.
  std::string AppName;
  std::string HomePage;
  std::string LegalNotice;
  std::string CrLf;
  std::string AuthorMail;  // target of the About window's mail link

  // Unit factors of the period (ns = 1) and frequency (Hz = 1) displays.
  double PeriodUnit = 0;
  double FreqUnit = 0;

  // Listing syntax of the chosen language.
  std::string CmtMark;
  std::string AssignOp;
  std::string BinPrefix;
  std::string HexPrefix;
  std::string StmtEnd;

  // Timer selection.
  std::int32_t TimerNo = 0;
  std::int16_t TimerNoInt = 0;
  std::int16_t TimerMode = 0;

  // Kept inputs of each timer while another is shown (1-based in the element
  // tables; index 0 here is element 1).
  std::array<SavedValue, 6> SavedTmr0{};
  std::array<SavedValue, 4> SavedTmr1{};
  std::array<SavedValue, 6> SavedTmr2{};
  std::array<SavedValue, 6> SavedTmr3{};

  // Values derived by the last recalculation. Periods in ns, TickTime in µs,
  // frequencies in Hz.
  double OscFreq = 0;
  double PreScale = 0;
  double PostScale = 0;
  bool PostScaleSet = false;  // PostScale counts as 1 until first given a value
  double PreOff = 0;
  double TickFreq = 0;
  double TickTime = 0;
  double ClockFreq = 0;
  double MinPeriod = 0;
  double MaxPeriod = 0;
  double MaxPeriodPre1 = 0;
  double MinFreq = 0;
  double MaxFreq = 0;
  double TmrCount = 0;
};

}  // namespace tickwell
