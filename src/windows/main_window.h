// The calculator window in Qt: a widget for every control of the window
// model. A user action is forwarded to the model as the same action the
// scenario driver performs; afterwards every widget is refreshed from the
// model with its signals blocked. The model is the one source of truth.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/app_record.h"
#include "calculator/calculator.h"
#include "forms/platform.h"

class QGroupBox;
class QTabBar;
class QWidget;

namespace tickwell {

class OscModeWindow;
class OptionKeys;

class MainWindow : public QMainWindow {
  Q_OBJECT

public:
  MainWindow(AppRecord& app, Calculator& calculator, Platform& platform);
  ~MainWindow() override;

  // Re-reads the whole model and updates every widget that differs.
  void refresh();
  // The widget that shows a control of the model, by its name ("cbPre",
  // "opTmr(2)"; "txtTimer" for the listing box shown); nullptr for an unknown
  // name.
  QWidget* widget(const std::string& name) const;
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
  // Runs a user action on the model, then refreshes the view.
  void act(const std::function<void()>& action);
  void build();
  void setReadingOrder();
  void wireOtherWindows();
  // The solutions dialog for the wanted value of the search entries.
  void openSolutions();
  void keep(const std::string& name, QWidget* w) { widgets_[name] = w; }

  // Widgets bound to the model's controls; each adds its refresher and is
  // kept under the control's name in the model's control table.
  QWidget* textBox(TextBox& box, bool output = false);
  QWidget* listingBoxes(std::array<TextBox, 4>& boxes);
  enum class LabelKind { Plain, Clickable, Wrapped, Value };
  QWidget* label(Label& label, LabelKind kind = LabelKind::Plain);
  QWidget* button(Button& button, bool unit = false);
  QWidget* checkBox(CheckBox& box);
  QWidget* option(OptionGroup& group, int index);
  QWidget* comboBox(ComboBox& box);
  QWidget* slider(Slider& slider);
  QGroupBox* frame(Frame& frame);

  AppRecord& app_;
  Calculator& calc_;
  Platform& platform_;
  std::vector<std::function<void()>> refreshers_;
  std::unordered_map<std::string, QWidget*> widgets_;
  std::unordered_map<OptionGroup*, OptionKeys*> optionKeys_;
  QTabBar* tabBar_ = nullptr;
  QWidget* cover_ = nullptr;
  OscModeWindow* oscWindow_ = nullptr;
};

}  // namespace tickwell
