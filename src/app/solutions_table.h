// The solutions dialog without a toolkit: the solver's rows for one wanted
// value, the timers the user lets it consider, the "exact only" filter, the
// order the user sorts by and the text of every cell. The Qt dialog only
// shows what this holds and hands the chosen row back to the window.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/solver.h"
#include "timer/units.h"

namespace tickwell {

class SolutionsTable {
public:
  enum class Column { Timer, Width, Prescaler, Postscaler, Preload, Counts, Period, Frequency, ErrorPpm, ErrorPercent };
  static constexpr int kColumnCount = 10;
  static std::string_view header(Column column);

  // Solves `request` over every timer of its chip or family (its own timer
  // list is replaced by the user's choice, all at first). Periods and frequencies are
  // written in the given units, as the window's result labels write them.
  SolutionsTable(const SolveRequest& request, TimeUnit periodUnit, FrequencyUnit frequencyUnit);

  const SolveRequest& request() const { return request_; }

  // The timers the user can choose from ("Timer0 8-bit" ... on PIC18,
  // "Timer0" ... on PIC16), and which of them are considered.
  const std::vector<TimerChoice>& choices() const { return choices_; }
  std::string choiceCaption(std::size_t choice) const;
  bool considers(std::size_t choice) const { return considered_.at(choice); }
  void consider(std::size_t choice, bool on);

  bool exactOnly() const { return exactOnly_; }
  void setExactOnly(bool on);
  // TMR0 Adjust for the Timer0 rows, PR2 Adjust for the Timer2 rows.
  void setAdjust(bool tmr0, bool pr2);
  // The figures the rows show and are ranked by: the chip's or the window's.
  void setFigures(Figures by);

  // Sorts the rows by a column; rows that tie keep the solver's ranking. The
  // error columns sort by the size of the error. Without a column (at first)
  // the rows stand in the ranking.
  void sortBy(Column column, bool ascending);
  std::optional<Column> sortColumn() const { return sortColumn_; }
  bool ascending() const { return ascending_; }

  // Every row of the timers considered, in the ranking, with what they reach.
  const SolveOutcome& outcome() const { return outcome_; }
  std::size_t rowCount() const { return rows_.size(); }
  const Solution& solution(std::size_t row) const { return outcome_.solutions.at(rows_.at(row)); }
  std::string cell(std::size_t row, Column column) const;

  // "Wanted period: 1 ms" and the configuration around it.
  std::string heading() const;
  // How many rows there are and how many are exact, or why there are none.
  std::string summary() const;

private:
  void solveAgain();
  void arrange();

  SolveRequest request_;
  TimeUnit periodUnit_;
  FrequencyUnit frequencyUnit_;
  std::vector<TimerChoice> choices_;
  std::vector<bool> considered_;
  bool exactOnly_ = false;
  std::optional<Column> sortColumn_;
  bool ascending_ = true;
  SolveOutcome outcome_;
  std::vector<std::size_t> rows_;  // indices into outcome_.solutions, as shown
};

// Why nothing reaches a wanted value: "nothing reaches a period of 10 s: the
// timers considered reach 1 µs to 524.288 ms", or, in a gap between what they
// reach, "...: the nearest are 1.256 ms and 2.002 ms".
std::string unreachableText(const Wanted& wanted, const Reach& reach);

// The wanted value in words: "period 1 ms", "frequency 1 kHz".
std::string wantedText(const Wanted& wanted);

}  // namespace tickwell
