// What one solve costs: every timer, width, prescaler and postscaler of a
// family with its best preload, ranked. The figure to read is the median of
// the whole PIC18 family (five timer choices, 74 configurations), and of the
// chip with the most timers the program supports.
//
// Without a --benchmark_repetitions argument it runs 10 repetitions and
// reports the aggregates only.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "search/solver.h"

namespace tickwell {
namespace {

// The chip with the most supported timers.
const Device* busiestChip() {
  const Device* best = nullptr;
  std::size_t most = 0;
  for (const Device& d : allDevices()) {
    const std::size_t n = timerChoices(d).size();
    if (n > most) most = n, best = &d;
  }
  return best;
}

SolveRequest request(Family family, const Device* device, Wanted wanted) {
  SolveRequest r;
  r.family = family;
  r.device = device;
  r.oscHz = 20e6;
  r.wanted = wanted;
  return r;
}

// Each iteration solves the next of several wanted values, so that no answer
// is reused: exact ones, inexact ones, and one beyond every range.
void solveFamily(benchmark::State& state, Family family, Quantity quantity, const Device* device = nullptr) {
  std::vector<SolveRequest> requests;
  for (const double ms : {1.0, 0.25, 3.3, 10.0, 65.537, 100.0, 0.0173, 5000.0}) {
    const double ns = ms * 1e6;
    requests.push_back(request(family, device, quantity == Quantity::Period ? Wanted{Quantity::Period, ns}
                                                                    : Wanted{Quantity::Frequency, 1e9 / ns}));
  }
  std::size_t i = 0;
  std::size_t rows = 0;
  for (auto _ : state) {
    const SolveOutcome out = solve(requests[i]);
    rows += out.solutions.size();
    benchmark::DoNotOptimize(out);
    i = (i + 1) % requests.size();
  }
  state.counters["rows"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
  if (device) state.SetLabel(std::string(device->name));
}

BENCHMARK_CAPTURE(solveFamily, PIC18Period, Family::PIC18, Quantity::Period)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(solveFamily, PIC18Frequency, Family::PIC18, Quantity::Frequency)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(solveFamily, PIC16Period, Family::PIC16, Quantity::Period)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(solveFamily, BusiestChipPeriod, Family::PIC18, Quantity::Period, busiestChip())
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tickwell

int main(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  const bool repetitionsGiven = std::any_of(args.begin() + 1, args.end(), [](const char* a) {
    return std::string_view(a).starts_with("--benchmark_repetitions");
  });
  static char repetitions[] = "--benchmark_repetitions=10";
  static char aggregates[] = "--benchmark_report_aggregates_only=true";
  if (!repetitionsGiven) {
    args.push_back(repetitions);
    args.push_back(aggregates);
  }
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
