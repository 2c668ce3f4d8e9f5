#include "search/solver.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tickwell {

namespace {

// How the register of one configuration maps to the figures a row is ranked
// by. R is the number of register ticks from the preload to the interrupt.
//
// The window's figures: R is the count without the ISR corrections (PR2, plus
// one with PR2 Adjust; the full count less the preload, plus two with TMR0
// Adjust), and the counts add the timeout and overhead as ticks.
// The chip's: R is PR2 + 1 on Timer2, the full count less the preload
// elsewhere, and the routine's cycles come on top (chipInterval).
class Register {
public:
  Register(const TimerSettings& s, Figures by) : s_(s), by_(by) {
    const TimerSpec& facts = factsOf(s);
    const bool chip = by == Figures::Chip;
    if (facts.countsToMatch()) {
      // PR2 runs from 1: 0 leaves the timer off.
      offset_ = chip ? 1 : s.pr2Adjust ? facts.matchLossCycles : 0;
      lowest_ = 1 + offset_;
      highest_ = maxPreload(s.width) + offset_;
    } else {
      // With the adjustment the window keeps the preload at or above the
      // lost cycles.
      const int kept = s.tmr0Adjust ? facts.writeLossCycles : 0;
      offset_ = chip ? 0 : kept;
      lowest_ = 1 + (chip ? 0 : kept);
      highest_ = fullCount(s.width) - (chip ? kept : 0);
    }
  }

  bool holds(double ticks) const { return ticks >= lowest_ && ticks <= highest_; }
  double lowest() const { return lowest_; }
  double highest() const { return highest_; }

  // The settings whose register runs `ticks` (within lowest..highest).
  TimerSettings at(double ticks) const {
    TimerSettings t = s_;
    t.preload = static_cast<int>(factsOf(s_).countsToMatch() ? ticks - offset_ : fullCount(s_.width) - ticks + offset_);
    return t;
  }

  // The register ticks, not rounded, that would give the wanted value.
  double ticksFor(const Wanted& wanted) const {
    if (by_ == Figures::Window) {
      const TimerResult tick = evaluate(at(lowest_));
      const double counts = wanted.quantity == Quantity::Period ? wanted.value / (tick.tickUs * 1000)
                                                                : tick.tickHz / wanted.value;
      return counts - s_.timeout - s_.overhead;
    }
    const double cycleNs = (s_.fosc4 ? 4 : 1) / s_.oscHz * 1e9;
    const double periodNs = wanted.quantity == Quantity::Period ? wanted.value : 1e9 / wanted.value;
    return (periodNs / cycleNs - routineCycles(s_)) / (s_.prescale * s_.postscale);
  }

  // The row of `ticks`: its settings, both figures, and those it is ranked by.
  Solution row(double ticks, const Wanted& wanted) const {
    Solution r;
    r.settings = at(ticks);
    r.result = evaluate(r.settings);
    r.chip = chipInterval(r.settings);
    if (by_ == Figures::Window) {
      r.counts = r.result.counts;
      r.periodNs = r.result.periodNs;
      r.frequencyHz = r.result.frequencyHz;
    } else {
      r.counts = r.chip.cycles / (s_.prescale * s_.postscale);
      r.periodNs = r.chip.seconds * 1e9;
      r.frequencyHz = 1 / r.chip.seconds;
    }
    r.errorPpm = errorPpm(r.achieved(wanted.quantity), wanted.value);
    return r;
  }

private:
  TimerSettings s_;
  Figures by_;
  int offset_ = 0;
  double lowest_ = 0;
  double highest_ = 0;
};

struct Interval {
  double low;
  double high;
};

// Smaller error first, then more counts.
bool better(const Solution& a, const Solution& b) {
  if (std::abs(a.errorPpm) != std::abs(b.errorPpm)) return std::abs(a.errorPpm) < std::abs(b.errorPpm);
  return a.counts > b.counts;
}

// The best row of one configuration, if its best count fits the register.
std::optional<Solution> bestOf(const TimerSettings& base, const Wanted& wanted, Figures by, Interval& reached) {
  const Register reg(base, by);
  const double a = reg.row(reg.lowest(), wanted).achieved(wanted.quantity);
  const double b = reg.row(reg.highest(), wanted).achieved(wanted.quantity);
  reached = {std::min(a, b), std::max(a, b)};

  // The configuration takes part when the ticks that would hit the wanted
  // value, rounded (halves up), are ticks its register holds; its best whole
  // count then lies next to them.
  const double nearest = std::floor(reg.ticksFor(wanted) + 0.5);
  if (!std::isfinite(nearest) || !reg.holds(nearest)) return std::nullopt;
  std::optional<Solution> best;
  for (double ticks = nearest - 1; ticks <= nearest + 1; ++ticks) {
    if (!reg.holds(ticks)) continue;
    Solution row = reg.row(ticks, wanted);
    if (!best || better(row, *best)) best = std::move(row);
  }
  return best;
}

bool considered(const SolveRequest& request, const TimerChoice& choice) {
  return request.timers.empty() ||
         std::find(request.timers.begin(), request.timers.end(), choice) != request.timers.end();
}

}  // namespace

std::vector<TimerChoice> timerChoices(Family family) {
  std::vector<TimerChoice> choices;
  for (int t = 0; t < kTimerCount; ++t)
    for (const Width w : {Width::Bits8, Width::Bits16})
      if (timerSpec(t).countsIn(w, family)) choices.push_back({t, w});
  return choices;
}

std::vector<TimerChoice> timerChoices(const Device& device) {
  std::vector<TimerChoice> choices;
  for (const DeviceTimer& t : device.timers) {
    if (!t.supported()) continue;
    for (const Width w : {Width::Bits8, Width::Bits16})
      if (t.facts().facts->countsIn(w, device.family())) choices.push_back({t.number, w, t.kind});
  }
  return choices;
}

std::vector<TimerChoice> timerChoices(const SolveRequest& request) {
  return request.device ? timerChoices(*request.device) : timerChoices(request.family);
}

double errorPpm(double achieved, double wanted) {
  const double rounded = std::round((achieved - wanted) / wanted * 1e12) / 1e6;
  return rounded == 0 ? 0.0 : rounded;  // no negative zero
}

bool ranksBefore(const Solution& a, const Solution& b) {
  const double ea = std::abs(a.errorPpm);
  const double eb = std::abs(b.errorPpm);
  if (ea != eb) return ea < eb;
  if (a.counts != b.counts) return a.counts > b.counts;
  if (a.settings.timer != b.settings.timer) return a.settings.timer < b.settings.timer;
  if (a.settings.prescale != b.settings.prescale) return a.settings.prescale < b.settings.prescale;
  if (a.settings.postscale != b.settings.postscale) return a.settings.postscale < b.settings.postscale;
  return a.settings.width < b.settings.width;
}

SolveOutcome solve(const SolveRequest& request) {
  SolveOutcome out;
  std::vector<Interval> reached;
  for (const TimerChoice& choice : timerChoices(request)) {
    if (!considered(request, choice)) continue;
    TimerSettings base;
    base.family = request.device ? request.device->family() : request.family;
    base.timer = choice.timer;
    base.kind = choice.kind;
    const TimerSpec& table = factsOf(base);
    base.width = choice.width;
    base.oscHz = request.oscHz;
    // A chip's timer that counts instruction cycles only does so whatever the request.
    base.fosc4 = request.fosc4 || (choice.kind && !kindFacts(*choice.kind).countsOscillator);
    base.tmr0Adjust = request.tmr0Adjust && table.writeLossCycles > 0;
    base.pr2Adjust = request.pr2Adjust && table.matchLossCycles > 0;
    base.timeout = request.timeout;
    base.overhead = request.overhead;
    for (const Prescaler& pre : table.prescalers) {
      if (request.prescale && *request.prescale != pre.ratio) continue;
      base.prescale = pre.ratio;
      for (int post = 1; post <= table.largestPostscaler(); ++post) {
        if (request.postscale && *request.postscale != post) continue;
        base.postscale = post;
        Interval r{};
        if (auto row = bestOf(base, request.wanted, request.by, r)) out.solutions.push_back(*row);
        reached.push_back(r);
      }
    }
  }
  std::sort(out.solutions.begin(), out.solutions.end(), ranksBefore);

  if (reached.empty()) return out;
  out.reach.lowest = std::numeric_limits<double>::infinity();
  out.reach.highest = -std::numeric_limits<double>::infinity();
  for (const Interval& r : reached) {
    out.reach.lowest = std::min(out.reach.lowest, r.low);
    out.reach.highest = std::max(out.reach.highest, r.high);
  }
  const double w = request.wanted.value;
  if (out.solutions.empty() && w >= out.reach.lowest && w <= out.reach.highest) {
    for (const Interval& r : reached) {
      if (r.high < w && (!out.reach.below || r.high > *out.reach.below)) out.reach.below = r.high;
      if (r.low > w && (!out.reach.above || r.low < *out.reach.above)) out.reach.above = r.low;
    }
  }
  return out;
}

}  // namespace tickwell
