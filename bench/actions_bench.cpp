// The cost of one user action in the calculator window, end to end: apply()
// and render(), then the Qt view showing the rendered view in its widgets.
// Each action alternates between two values so that every iteration changes
// the window.
//
// Three variants of each action show where the time goes:
//   .../model           apply() and render() alone (no widget)
//   .../model+refresh   MainWindow::act(): apply(), render() and every widget
//                       shown, what a user action costs before control
//                       returns to the event loop
//   .../+events         the same, then the event loop's deferred work (layout
//                       requests and the repaint into the offscreen backing
//                       store), for information
//
// Runs with the offscreen Qt platform unless QT_QPA_PLATFORM says otherwise.
// Without a --benchmark_repetitions argument it runs 10 repetitions and
// reports their aggregates (mean, median, stddev, cv) only.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "calculator/render.h"
#include "forms/platform.h"
#include "main_window.h"

namespace tickwell {
namespace {

using namespace action;

// Answers every message box with OK and shows nothing.
class SilentPlatform : public Platform {
public:
  MsgAnswer messageBox(const std::string&, MsgIcon, MsgButtons, const std::string&) override {
    ++messages;
    return MsgAnswer::Ok;
  }
  ScreenSize screenSize() override { return {1280, 1024}; }
  void setClipboardText(const std::string&) override {}
  bool openAddress(const std::string&) override { return true; }

  long long messages = 0;
};

// One user action as its actions; `second` chooses the second of two values.
using Gesture = std::vector<Action> (*)(bool second);

std::vector<Action> typeFrequency(bool second) { return {Type{Box::Freq, second ? "8" : "20"}}; }
std::vector<Action> pickPrescaler(bool second) { return {Pick{List::Prescaler, second ? 2 : 8}}; }
std::vector<Action> moveSlider(bool second) { return {Slide{SliderId::Preload, second ? 200 : 100}}; }
std::vector<Action> selectTimer(bool second) { return {SelectTimer{second ? 0 : 1}}; }
// Between two chips of seven timers and of three.
std::vector<Action> selectDevice(bool second) { return {SelectDevice{second ? "PIC16F1823" : "PIC18F45K22"}}; }
// Between the generic family and a chip.
std::vector<Action> selectDeviceFromGeneric(bool second) {
  return {SelectDevice{second ? "PIC18F45K22" : "PIC16 (generic)"}};
}
// A period search: the wanted period (in ns), then SEARCH; a message box it
// raises is answered OK.
std::vector<Action> searchPeriod(bool second) {
  return {Type{Box::SearchInt, second ? "2500000" : "1000000"}, Press{Command::Search}};
}

enum class Part { Model, Refresh, Events };

void runAction(benchmark::State& state, Gesture gesture, Part part) {
  SilentPlatform platform;
  MainWindow window(platform);
  window.adjustSize();
  window.show();
  QCoreApplication::processEvents();
  WindowState model;
  WindowView view;
  // Both values must change what the window shows, or an iteration would
  // measure a no-op.
  const auto run = [&](bool second) {
    for (const Action& a : gesture(second)) {
      if (part == Part::Model) {
        model = tickwell::apply(model, a).state;
        view = render(model);
      } else {
        window.act(a);
      }
    }
  };
  run(false);
  const WindowView first = part == Part::Model ? view : window.view();
  run(true);
  if ((part == Part::Model ? view : window.view()) == first) {
    state.SkipWithError("the two values of the action show the same window");
    return;
  }
  QCoreApplication::processEvents();

  const long long messagesBefore = platform.messages;
  bool which = false;
  for (auto _ : state) {
    run(which);
    which = !which;
    if (part == Part::Events) QCoreApplication::processEvents();
  }
  // Message boxes per action (answered OK by the silent platform).
  if (const long long messages = platform.messages - messagesBefore; messages > 0)
    state.counters["msgbox"] = benchmark::Counter(static_cast<double>(messages), benchmark::Counter::kAvgIterations);
}

void registerAll() {
  const struct {
    const char* name;
    Gesture action;
  } actions[] = {
      {"TypeFrequency", typeFrequency}, {"PickPrescaler", pickPrescaler}, {"MoveSlider", moveSlider},
      {"SelectTimer", selectTimer},     {"SearchPeriod", searchPeriod}, {"SelectDevice", selectDevice},
      {"SelectDeviceFromGeneric", selectDeviceFromGeneric},
  };
  const struct {
    const char* name;
    Part part;
  } parts[] = {{"model", Part::Model}, {"model+refresh", Part::Refresh}, {"model+refresh+events", Part::Events}};
  for (const auto& a : actions)
    for (const auto& p : parts)
      benchmark::RegisterBenchmark((std::string(a.name) + "/" + p.name).c_str(), runAction, a.action, p.part)
          ->Unit(benchmark::kMicrosecond);
}

}  // namespace
}  // namespace tickwell

namespace {

// The offscreen platform warns on every size-hint change of a top-level
// window; writing that to the terminal would be measured with the refresh.
QtMessageHandler defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
  defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  defaultHandler = qInstallMessageHandler(quietHandler);
  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));

  // 10 repetitions, aggregates only, unless the command line says otherwise.
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
  tickwell::registerAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
