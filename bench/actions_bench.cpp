// The cost of one user action in the calculator window, end to end: the model
// handlers the action runs, then the full refresh of the Qt view, which
// re-reads the whole model into its widgets. Each action alternates between
// two values so that every iteration changes the window.
//
// Three variants of each action show where the time goes:
//   .../model           the model handlers alone (no view refresh)
//   .../model+refresh   the handlers and MainWindow::refresh(): what a user
//                       action costs before control returns to the event loop
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

#include "app/startup.h"
#include "calculator/calculator.h"
#include "forms/platform.h"
#include "main_window.h"

namespace tickwell {
namespace {

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

// The calculator window as the program starts it, shown and painted once.
struct Window {
  SilentPlatform platform;
  AppRecord app;
  std::unique_ptr<Calculator> calc;
  std::unique_ptr<MainWindow> view;

  Window() {
    initAppRecord(app);
    calc = std::make_unique<Calculator>(app, platform);
    view = std::make_unique<MainWindow>(app, *calc, platform);
    calc->Form_Load();
    view->refresh();
    view->adjustSize();
    view->show();
    QCoreApplication::processEvents();
  }
  ~Window() {
    view.reset();
    QCoreApplication::processEvents();
  }
};

// What the window shows, as one string: every text, caption, value, list,
// enabled and visible state of the model's controls.
std::string fingerprint(const Calculator& calc) {
  std::string s;
  auto common = [&s](const Control& c) {
    s += c.enabled ? 'E' : 'e';
    s += c.visible ? 'V' : 'v';
  };
  for (const NamedControl& nc : calc.controls()) {
    s += nc.name;
    s += '=';
    std::visit(
        [&](auto v) {
          using T = decltype(v);
          if constexpr (std::is_same_v<T, OptionRef>) {
            const OptionButton& o = (*v.group)[v.index];
            s += o.value ? '1' : '0';
            s += o.bold ? 'B' : 'b';
            common(o);
          } else if constexpr (std::is_same_v<T, TextBox*>) {
            s += v->text();
            common(*v);
          } else if constexpr (std::is_same_v<T, Label*>) {
            s += v->caption();
            common(*v);
          } else if constexpr (std::is_same_v<T, Button*> || std::is_same_v<T, Frame*>) {
            s += v->caption;
            common(*v);
          } else if constexpr (std::is_same_v<T, CheckBox*>) {
            s += std::to_string(v->value());
            common(*v);
          } else if constexpr (std::is_same_v<T, ComboBox*>) {
            for (const auto& e : v->list()) s += e + ',';
            s += std::to_string(v->index());
            common(*v);
          } else if constexpr (std::is_same_v<T, Slider*>) {
            s += std::to_string(v->value()) + '/' + std::to_string(v->max());
            common(*v);
          } else if constexpr (std::is_same_v<T, TabStrip*>) {
            s += std::to_string(v->index());
          } else if constexpr (std::is_same_v<T, Panel*>) {
            s += v->visible ? 'V' : 'v';
          } else if constexpr (std::is_same_v<T, WindowCaption*>) {
            s += v->caption;
          }
        },
        nc.control);
    s += ';';
  }
  return s;
}

// ------------------------------------------------------------------ actions

// One user action on the model; `second` chooses the second of two values.
using Action = void (*)(Window&, bool second);

// Typing a frequency into the "other" oscillator entry.
void typeFrequency(Window& w, bool second) {
  Calculator& c = *w.calc;
  c.txtFreq.onKeyPress();
  c.txtFreq.setText(second ? "8" : "20");
}

// Picking a prescaler from the list (Timer0: 1:4 and 1:256).
void pickPrescaler(Window& w, bool second) { w.calc->cbPre.pick(second ? 2 : 8); }

// Moving the preload slider.
void moveSlider(Window& w, bool second) { w.calc->sl1.slide(second ? 200 : 100); }

// Selecting Timer1, then Timer0 again.
void selectTimer(Window& w, bool second) { w.calc->opTmr.select(second ? 0 : 1); }

// A period search: typing the wanted period (in ns), then the Search button.
// A message box it raises is answered OK by the silent platform.
void searchPeriod(Window& w, bool second) {
  Calculator& c = *w.calc;
  c.txtSearchInt.setText(second ? "2500000" : "1000000");
  c.cmdSearch.click();
}

enum class Part { Model, Refresh, Events };

void runAction(benchmark::State& state, Action action, Part part) {
  Window w;
  // Both values must change what the window shows, or an iteration would
  // measure a no-op.
  action(w, false);
  const std::string first = fingerprint(*w.calc);
  action(w, true);
  const std::string second = fingerprint(*w.calc);
  if (first == second) {
    state.SkipWithError("the two values of the action show the same window");
    return;
  }
  w.view->refresh();
  QCoreApplication::processEvents();

  const long long messagesBefore = w.platform.messages;
  bool which = false;
  for (auto _ : state) {
    action(w, which);
    which = !which;
    if (part != Part::Model) w.view->refresh();
    if (part == Part::Events) QCoreApplication::processEvents();
  }
  // Message boxes per action (answered OK by the silent platform).
  if (const long long messages = w.platform.messages - messagesBefore; messages > 0)
    state.counters["msgbox"] = benchmark::Counter(static_cast<double>(messages), benchmark::Counter::kAvgIterations);
}

void registerAll() {
  const struct {
    const char* name;
    Action action;
  } actions[] = {
      {"TypeFrequency", typeFrequency}, {"PickPrescaler", pickPrescaler}, {"MoveSlider", moveSlider},
      {"SelectTimer", selectTimer},     {"SearchPeriod", searchPeriod},
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
