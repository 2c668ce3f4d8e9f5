// The calculator window in Qt: a widget for every control of the rendered
// view. A user's input becomes an action on the window state, as in the
// scenario driver; afterwards the state is rendered and every widget shows
// its control of the view, with its signals blocked. The state is the one
// source of truth.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "calculator/apply.h"
#include "forms/window_view.h"
#include "forms/platform.h"

class QComboBox;
class QGroupBox;
class QPushButton;
class QTabBar;
class QWidget;

namespace tickwell {

class OscModeWindow;
class OptionKeys;

class MainWindow : public QMainWindow {
  Q_OBJECT

public:
  explicit MainWindow(Platform& platform);
  ~MainWindow() override;

  // Renders the state and updates every widget that differs.
  void refresh();
  // Runs a user action on the state, then shows the outcome: the rendered
  // state, then its message box, whose OK answer takes its follow-up action.
  void act(const Action& action);
  const WindowState& state() const { return state_; }
  const WindowView& view() const { return view_; }
  // The widget that shows a control of the model, by its name ("cbPre",
  // "opTmr(2)"; "txtTimer" for the listing box shown); nullptr for an unknown
  // name.
  QWidget* widget(const std::string& name) const;
  // Widgets that come and go, one over the other in a place of their own
  // that keeps its size: showing or hiding one lays out nothing else.
  static QWidget* place(const std::vector<QWidget*>& widgets);
  // A push button that Enter presses as Space does.
  static QPushButton* pushButton(const QString& caption);
  // A value label keeps the width of `widest` whatever it shows.
  static void reserveWidth(QWidget* value, const QString& widest);
  // Puts the window in the middle of the screen.
  void centre();
  // The widgets in the order Tab visits them (option groups with all their
  // options, of which only the selected one is a Tab stop).
  std::vector<QWidget*> readingOrder() const;

protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  // Every widget shows its control of the view.
  void showView();
  void showSelection(const Action& action);
  void maybeAct(const std::optional<Action>& action) {
    if (action) act(*action);
  }
  void build();
  void setReadingOrder();
  void wireOtherWindows();
  // The solutions dialog for the wanted value of the search entries.
  void openSolutions();
  void keep(const std::string& name, QWidget* w) { widgets_[name] = w; }

  // Widgets bound to the controls of the view; each adds its refresher and
  // is kept under the control's name.
  const std::string& nameOf(const void* control) const;
  QWidget* textBox(TextBoxView& box, bool output = false);
  QWidget* listingBoxes(std::array<TextBoxView, 4>& boxes, TextBoxView& chipListing);
  // The device chooser: every entry, filtered as the user types.
  QWidget* deviceChooser(ComboBoxView& chooser);
  // The chosen chip's timers, in the place of the generic timer options.
  QWidget* chipTimerList();
  // The listing tabs: the generic timers', or the chip's.
  QTabBar* listingTabs();
  enum class LabelKind { Plain, Clickable, Wrapped, Value };
  QWidget* label(LabelView& label, LabelKind kind = LabelKind::Plain);
  QWidget* button(ButtonView& button, bool unit = false);
  QWidget* checkBox(CheckBoxView& box);
  template <std::size_t N>
  QWidget* option(std::array<OptionView, N>& group, int index) {
    return option(group.data(), static_cast<int>(N), index);
  }
  QWidget* option(OptionView* group, int size, int index);
  QWidget* comboBox(ComboBoxView& box);
  QWidget* slider(SliderView& slider);
  QGroupBox* frame(FrameView& frame);

  Platform& platform_;
  WindowState state_;
  WindowView view_;
  std::vector<NamedControl> controls_;  // into view_
  bool coverShown_ = false;
  std::vector<std::function<void()>> refreshers_;
  std::unordered_map<std::string, QWidget*> widgets_;
  std::unordered_map<const OptionView*, OptionKeys*> optionKeys_;
  QTabBar* tabBar_ = nullptr;
  std::vector<ChipTimerView> tabsShown_;  // the chip's timers the tabs show; none: the generic tabs
  QWidget* page_ = nullptr;  // what the window shows, scrolled on a small screen
  QWidget* cover_ = nullptr;
  OscModeWindow* oscWindow_ = nullptr;
};

}  // namespace tickwell
