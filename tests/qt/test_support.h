// Shared helpers of the Qt view tests: a platform that records what is asked
// of the desktop, the window opened as the program opens it, real input.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calculator/render.h"
#include "forms/gestures.h"
#include "main_window.h"

namespace tickwell::test {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }

class FakePlatform : public Platform {
public:
  MsgAnswer messageBox(const std::string& prompt, MsgIcon, MsgButtons, const std::string&) override {
    prompts.push_back(prompt);
    if (onMessage) onMessage();
    return answer;
  }
  ScreenSize screenSize() override { return {1280, 1024}; }
  void setClipboardText(const std::string& text) override { clipboard = text; }
  bool openAddress(const std::string& address) override {
    opened.push_back(address);
    return true;
  }

  MsgAnswer answer = MsgAnswer::Ok;
  std::vector<std::string> prompts;
  std::function<void()> onMessage;  // runs while a message box is "open"
  std::string clipboard;
  std::vector<std::string> opened;
};

// The text a widget shows, whatever kind it is.
inline QString shownText(const QWidget* w) {
  for (const char* property : {"text", "title", "plainText"})
    if (const QVariant text = w->property(property); text.isValid()) return text.toString();
  return w->windowTitle();
}

// What the window shows that is not render(state): " name:what" for every
// widget that differs from its control of the view, "" when all agree.
inline std::string shownWrongly(const MainWindow& window) {
  std::string out = window.view() == tickwell::render(window.state()) ? "" : " view:stale";
  WindowView view = window.view();
  for (const NamedControl& c : namedControls(view)) {
    const QWidget* w = window.widget(c.name) ? window.widget(c.name) : &window;  // the window for its caption
    const auto check = [&](bool same, const char* what) {
      if (!same) out += " " + c.name + ":" + what;
    };
    std::visit(
        [&](const auto* v) {
          if constexpr (requires { v->text; }) {  // a text box; of the listings the one shown
            if (c.name.starts_with("txtTimer(")) {
              if (v->visible) check(shownText(window.widget("txtTimer")) == qs(v->text).replace("\r\n", "\n"), "text");
              return;
            }
            check(shownText(w) == qs(v->text), "text");
          }
          if constexpr (requires { v->caption; }) check(shownText(w) == qs(v->caption), "caption");
          if constexpr (requires { v->enabled; }) check(w->isEnabled() == v->enabled, "enabled");
          if constexpr (requires { v->visible; }) check(w->isVisibleTo(&window) == v->visible, "visible");
          const auto* button = qobject_cast<const QAbstractButton*>(w);
          if constexpr (requires { v->checked; }) check(button->isChecked() == v->checked, "on");
          if constexpr (requires { v->selected; }) check(button->isChecked() == v->selected, "on");
          if constexpr (requires { v->bold; }) check(w->font().bold() == v->bold, "bold");
          if constexpr (requires { v->backColor; }) {
            const auto role = qobject_cast<const QComboBox*>(w) ? QPalette::Button : QPalette::Base;
            check((w->palette().color(role) == QColor(255, 255, 0)) == (v->backColor == BackColor::Yellow), "colour");
          }
          if constexpr (requires { v->list; }) {
            const auto* box = qobject_cast<const QComboBox*>(w);
            check(box->count() == v->count() && box->currentIndex() == v->index, "index");
            check(box->currentText() == qs(v->text()), "entry");
          }
          if constexpr (requires { v->max; }) {
            const auto* s = qobject_cast<const QSlider*>(w);
            check(s->value() == v->value && s->maximum() == v->max, "value");
          }
          if constexpr (requires { v->tabs; })
            check(static_cast<const QTabBar*>(w)->currentIndex() == v->index - 1, "tab");
        },
        c.control);
  }
  return out;
}

// The calculator window opened as the program opens it, over a FakePlatform.
class WindowTest : public ::testing::Test {
protected:
  void SetUp() override { open(); }

  // A fresh window (also within a test).
  void open() {
    window = std::make_unique<MainWindow>(platform);
    window->refresh();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  QWidget* w(const std::string& name) {
    QWidget* found = window->widget(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  std::string nameOf(const QWidget* widget) {
    WindowView view = window->view();
    for (const NamedControl& c : namedControls(view))
      if (window->widget(c.name) == widget) return c.name;
    return widget ? widget->metaObject()->className() : "nothing";
  }

  // A mouse click where the widget takes one: on an option or a check box
  // that its layout stretched, on its indicator and text.
  void click(QWidget* target) {
    QPoint at = target->rect().center();
    if (auto* b = qobject_cast<QAbstractButton*>(target); b && b->isCheckable()) {
      QStyleOptionButton option;
      option.initFrom(b);
      const auto area = qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect;
      at = b->style()->subElementRect(area, &option, b).center();
    }
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
    QApplication::processEvents();
  }
  void click(const std::string& name) { click(w(name)); }
  // Clicks into an entry, selects its text and types over it.
  void type(QWidget* edit, const QString& text) {
    click(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  void key(QWidget* target, Qt::Key k) {
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, k);
    QApplication::processEvents();
  }

  // Clicks a control that opens a modal window and runs `inside` on that
  // window while it is open; a window still open afterwards is rejected.
  void withModal(const std::string& name, const std::function<void(QDialog&)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        ran = true;
        inside(*dialog);
        if (dialog->isVisible()) dialog->reject();
      }
    });
    click(name);
    EXPECT_TRUE(ran) << "no modal window from " << name;
  }

  FakePlatform platform;
  std::unique_ptr<MainWindow> window;
};

}  // namespace tickwell::test
