#include "app/solutions_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "app/number_text.h"
#include "app/result_texts.h"
#include "timer/device.h"

namespace tickwell {

namespace {

constexpr std::array<std::string_view, SolutionsTable::kColumnCount> kHeaders = {
    "Timer", "Width", "Prescaler", "Postscaler", "Preload / PR2", "Ticks per interrupt", "Period", "Frequency",
    "Error ppm", "Error %"};

std::string ratioText(double ratio) { return "1:" + plainNumber(ratio); }

std::string widthText(Width w) { return w == Width::Bits8 ? "8-bit" : "16-bit"; }

std::string timerText(int timer) {
  // Appended, not "Timer" + ...: GCC 12 warns falsely on that in Release (-Wrestrict).
  std::string text = "Timer";
  text += std::to_string(timer);
  return text;
}

// The value a column sorts by; the error columns by its size, then its sign.
double sortKey(const Solution& s, SolutionsTable::Column c) {
  using Column = SolutionsTable::Column;
  switch (c) {
    case Column::Timer: return s.settings.timer;
    case Column::Width: return s.settings.width == Width::Bits8 ? 8 : 16;
    case Column::Prescaler: return s.settings.prescale;
    case Column::Postscaler: return s.settings.postscale;
    case Column::Preload: return s.settings.preload;
    case Column::Counts: return s.counts;
    case Column::Period: return s.periodNs;
    case Column::Frequency: return s.frequencyHz;
    case Column::ErrorPpm:
    case Column::ErrorPercent: return std::abs(s.errorPpm);
  }
  return 0;
}

}  // namespace

std::string_view SolutionsTable::header(Column column) { return kHeaders.at(static_cast<std::size_t>(column)); }

SolutionsTable::SolutionsTable(const SolveRequest& request, TimeUnit periodUnit, FrequencyUnit frequencyUnit)
    : request_(request), periodUnit_(periodUnit), frequencyUnit_(frequencyUnit),
      choices_(request.device ? timerChoices(*request.device) : timerChoices(request.family)),
      considered_(choices_.size(), true) {
  solveAgain();
}

std::string SolutionsTable::choiceCaption(std::size_t choice) const {
  const TimerChoice& c = choices_.at(choice);
  const auto sameTimer = std::count_if(choices_.begin(), choices_.end(),
                                       [&](const TimerChoice& other) { return other.timer == c.timer; });
  std::string text = timerText(c.timer);
  if (sameTimer > 1) {
    text += ' ';
    text += widthText(c.width);
  }
  return text;
}

void SolutionsTable::consider(std::size_t choice, bool on) {
  if (considered_.at(choice) == on) return;
  considered_[choice] = on;
  solveAgain();
}

void SolutionsTable::setExactOnly(bool on) {
  exactOnly_ = on;
  arrange();
}

void SolutionsTable::setAdjust(bool tmr0, bool pr2) {
  request_.tmr0Adjust = tmr0;
  request_.pr2Adjust = pr2;
  solveAgain();
}

void SolutionsTable::setFigures(Figures by) {
  request_.by = by;
  solveAgain();
}

void SolutionsTable::sortBy(Column column, bool ascending) {
  sortColumn_ = column;
  ascending_ = ascending;
  arrange();
}

void SolutionsTable::solveAgain() {
  request_.timers.clear();
  for (std::size_t i = 0; i < choices_.size(); ++i)
    if (considered_[i]) request_.timers.push_back(choices_[i]);
  if (request_.timers.empty()) {
    // An empty list would mean every timer; none is chosen.
    outcome_ = {};
  } else {
    outcome_ = solve(request_);
  }
  arrange();
}

void SolutionsTable::arrange() {
  rows_.clear();
  for (std::size_t i = 0; i < outcome_.solutions.size(); ++i)
    if (!exactOnly_ || outcome_.solutions[i].exact()) rows_.push_back(i);
  if (!sortColumn_) return;
  const Column column = *sortColumn_;
  std::stable_sort(rows_.begin(), rows_.end(), [&](std::size_t a, std::size_t b) {
    const Solution& x = outcome_.solutions[a];
    const Solution& y = outcome_.solutions[b];
    double kx = sortKey(x, column);
    double ky = sortKey(y, column);
    if (kx == ky && (column == Column::ErrorPpm || column == Column::ErrorPercent)) {
      kx = x.errorPpm;
      ky = y.errorPpm;
    }
    return ascending_ ? kx < ky : kx > ky;
  });
}

std::string SolutionsTable::cell(std::size_t row, Column column) const {
  const Solution& s = solution(row);
  switch (column) {
    case Column::Timer: return timerText(s.settings.timer);
    case Column::Width: return widthText(s.settings.width);
    case Column::Prescaler: return ratioText(s.settings.prescale);
    case Column::Postscaler: return factsOf(s.settings).hasPostscaler ? ratioText(s.settings.postscale) : "-";
    case Column::Preload: return integerText(s.settings.preload);
    case Column::Counts: return formatMask(s.counts, "#,###,###,##0.###");
    case Column::Period: return shownPeriod(s.periodNs, periodUnit_) + " " + std::string(caption(periodUnit_));
    case Column::Frequency:
      return shownFrequency(s.frequencyHz, frequencyUnit_) + " " + std::string(caption(frequencyUnit_));
    case Column::ErrorPpm: return ppmText(s.errorPpm);
    case Column::ErrorPercent: return percentText(s.errorPpm);
  }
  return {};
}

std::string SolutionsTable::heading() const {
  const SolveRequest& r = request_;
  std::string text = "Wanted: " + wantedText(r.wanted) + (r.by == Figures::Chip ? ", on the chip" : "") + "\n";
  text += r.device ? std::string(r.device->name) : r.family == Family::PIC16 ? "PIC16" : "PIC18";
  text += ", oscillator " + frequencyText(r.oscHz) + (r.fosc4 ? " / 4" : "");
  text += ", ISR timeout " + plainNumber(r.timeout) + " and overhead " + plainNumber(r.overhead) + " cycles";
  return text;
}

std::string SolutionsTable::summary() const {
  if (request_.timers.empty()) return "No timer chosen.";
  if (outcome_.solutions.empty()) {
    std::string text = unreachableText(request_.wanted, outcome_.reach);
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text + ".";
  }
  const auto exact = std::count_if(outcome_.solutions.begin(), outcome_.solutions.end(),
                                   [](const Solution& s) { return s.exact(); });
  const std::size_t all = outcome_.solutions.size();
  std::string text = std::to_string(all) + (all == 1 ? " solution, " : " solutions, ") + std::to_string(exact) +
                     " exact";
  if (exactOnly_) text += "; showing the exact ones";
  return text + ".";
}

std::string wantedText(const Wanted& wanted) {
  return wanted.quantity == Quantity::Period ? "period " + periodText(wanted.value)
                                             : "frequency " + frequencyText(wanted.value);
}

std::string unreachableText(const Wanted& wanted, const Reach& reach) {
  const auto text = [&](double v) {
    return wanted.quantity == Quantity::Period ? periodText(v) : frequencyText(v);
  };
  std::string out = std::string("nothing reaches a ") +
                    (wanted.quantity == Quantity::Period ? "period of " : "frequency of ") + text(wanted.value);
  if (reach.below && reach.above)
    return out + ": the nearest are " + text(*reach.below) + " and " + text(*reach.above);
  return out + ": the timers considered reach " + text(reach.lowest) + " to " + text(reach.highest);
}

}  // namespace tickwell
