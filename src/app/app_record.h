// The application-wide record shared by all windows: product texts, unit
// factors, listing syntax, timer selection, the kept inputs of each timer and
// the values derived by the last recalculation. One instance, owned by the
// application and passed by reference.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "timer/timer_spec.h"

namespace tickwell {

// The inputs a timer keeps while another timer is shown. Fields a timer does
// not have (the width of Timer1, the postscaler of Timer0 ...) stay unused.
struct SavedTimerInputs {
  Width width = Width::Bits8;  // Timer0, the one timer with a choice of width
  int prescalerIndex = 0;
  int postscalerIndex = 0;     // Timer2
  std::string timeoutText = "0";
  std::string overheadText = "0";
  bool adjust = false;         // TMR0 Adjust on Timer0, PR2 Adjust on Timer2
  int preload = 0;

  bool operator==(const SavedTimerInputs&) const = default;
};

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

  // Timer selection. TimerNoInt follows TimerNo last, so that while a timer
  // is being selected it still names the one selected before.
  std::int32_t TimerNo = 0;
  std::int16_t TimerNoInt = 0;
  std::int16_t TimerMode = 0;  // 0 = 8-bit, 1 = 16-bit

  // Kept inputs of Timer0..Timer3 while another is shown.
  std::array<SavedTimerInputs, kTimerCount> SavedTmr{};

  // Values derived by the last recalculation. Periods in ns, TickTime in µs,
  // frequencies in Hz.
  double OscFreq = 0;
  double PreScale = 0;
  double PostScale = 1;  // 1 until a postscaler is read
  bool PreOff = false;   // the prescaler is off (1:1)
  double TickFreq = 0;
  double TickTime = 0;
  double ClockFreq = 0;
  double MinPeriod = 0;
  double MaxPeriod = 0;
  double MaxPeriodPre1 = 0;
  double MinFreq = 0;
  double MaxFreq = 0;
  double TmrCount = 0;  // the count register's term of the last count
};

}  // namespace tickwell
