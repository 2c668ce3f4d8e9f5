#include "search/solver.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tickwell {

namespace {

// How the register of one configuration maps to counts. R is the number of
// register ticks from the preload to the interrupt (the count without the
// ISR corrections).
class Register {
public:
  explicit Register(const TimerSettings& s) : spec_(timerSpec(s.timer)), width_(s.width) {
    if (spec_.countsToMatch()) {
      adjust_ = s.pr2Adjust ? spec_.matchLossCycles : 0;
      // PR2 runs from 1: 0 counts like 1 but switches the timer off.
      lowest_ = 1 + adjust_;
      highest_ = maxPreload(width_) + adjust_;
    } else {
      // With the adjustment the window keeps the preload at or above the
      // lost cycles, so the count is at least one more than they are.
      adjust_ = s.tmr0Adjust ? spec_.writeLossCycles : 0;
      lowest_ = 1 + adjust_;
      highest_ = fullCount(width_);
    }
  }

  double lowest() const { return lowest_; }
  double highest() const { return highest_; }
  bool holds(double ticks) const { return ticks >= lowest_ && ticks <= highest_; }

  // The value written to the register for `ticks` (within lowest..highest).
  int preloadFor(double ticks) const {
    const double p = spec_.countsToMatch() ? ticks - adjust_ : fullCount(width_) - ticks + adjust_;
    return static_cast<int>(p);
  }

private:
  const TimerSpec& spec_;
  Width width_;
  int adjust_ = 0;
  double lowest_ = 0;
  double highest_ = 0;
};

// The period (ns) or frequency (Hz) of `counts` ticks, in the arithmetic of
// evaluate(): period = counts x tick µs x 1000, frequency = tick Hz / counts.
double valueAt(const TimerResult& tick, double counts, Quantity q) {
  return q == Quantity::Period ? counts * tick.tickUs * 1000 : tick.tickHz / counts;
}

// Counts of `ticks` register ticks with the ISR corrections, added in the
// order evaluate() adds them.
double countsOf(double ticks, const TimerSettings& s) { return ticks + s.timeout + s.overhead; }

struct Candidate {
  double ticks;
  double counts;
  double errorPpm;
};

// Smaller error first, then more counts.
bool better(const Candidate& a, const Candidate& b) {
  if (std::abs(a.errorPpm) != std::abs(b.errorPpm)) return std::abs(a.errorPpm) < std::abs(b.errorPpm);
  return a.counts > b.counts;
}

struct Interval {
  double low;
  double high;
};

// The best row of one configuration, if its best count fits the register.
std::optional<Solution> bestOf(const TimerSettings& base, const Wanted& wanted, Interval& reached) {
  const Register reg(base);
  TimerSettings s = base;
  s.preload = reg.preloadFor(reg.lowest());
  const TimerResult tick = evaluate(s);

  const double a = valueAt(tick, countsOf(reg.lowest(), s), wanted.quantity);
  const double b = valueAt(tick, countsOf(reg.highest(), s), wanted.quantity);
  reached = {std::min(a, b), std::max(a, b)};

  // The count that would hit the wanted value: the configuration takes part
  // when that count, rounded (halves up), is one its register holds; its best
  // whole count then lies next to it.
  const double exactCounts = wanted.quantity == Quantity::Period ? wanted.value / (tick.tickUs * 1000)
                                                                 : tick.tickHz / wanted.value;
  const double nearest = std::floor(exactCounts - s.timeout - s.overhead + 0.5);
  if (!std::isfinite(nearest) || !reg.holds(nearest)) return std::nullopt;
  std::optional<Candidate> best;
  for (double ticks = nearest - 1; ticks <= nearest + 1; ++ticks) {
    if (!reg.holds(ticks)) continue;
    const double counts = countsOf(ticks, s);
    const Candidate c{ticks, counts, errorPpm(valueAt(tick, counts, wanted.quantity), wanted.value)};
    if (!best || better(c, *best)) best = c;
  }

  Solution row;
  row.settings = s;
  row.settings.preload = reg.preloadFor(best->ticks);
  row.result = evaluate(row.settings);
  row.errorPpm = errorPpm(row.achieved(wanted.quantity), wanted.value);
  return row;
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

double errorPpm(double achieved, double wanted) {
  const double rounded = std::round((achieved - wanted) / wanted * 1e12) / 1e6;
  return rounded == 0 ? 0.0 : rounded;  // no negative zero
}

bool ranksBefore(const Solution& a, const Solution& b) {
  const double ea = std::abs(a.errorPpm);
  const double eb = std::abs(b.errorPpm);
  if (ea != eb) return ea < eb;
  if (a.result.counts != b.result.counts) return a.result.counts > b.result.counts;
  if (a.settings.timer != b.settings.timer) return a.settings.timer < b.settings.timer;
  if (a.settings.prescale != b.settings.prescale) return a.settings.prescale < b.settings.prescale;
  if (a.settings.postscale != b.settings.postscale) return a.settings.postscale < b.settings.postscale;
  return a.settings.width < b.settings.width;
}

SolveOutcome solve(const SolveRequest& request) {
  SolveOutcome out;
  std::vector<Interval> reached;
  for (const TimerChoice& choice : timerChoices(request.family)) {
    if (!considered(request, choice)) continue;
    const TimerSpec& table = timerSpec(choice.timer);
    TimerSettings base;
    base.family = request.family;
    base.timer = choice.timer;
    base.width = choice.width;
    base.oscHz = request.oscHz;
    base.fosc4 = request.fosc4;
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
        if (auto row = bestOf(base, request.wanted, r)) out.solutions.push_back(*row);
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
