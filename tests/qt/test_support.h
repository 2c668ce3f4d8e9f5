// The Qt view tests' helpers: a platform recording what is asked of the desktop, the window, real input.
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
  bool openAddress(const std::string& address) override { opened.push_back(address); return true; }

  MsgAnswer answer = MsgAnswer::Ok;
  std::function<void()> onMessage;  // runs while a message box is "open"
  std::vector<std::string> prompts, opened;  // message boxes, addresses
  std::string clipboard;
};

// What the window shows that is not render(state): " name:what" for every
// widget that differs from its control of the view, "" when all agree.
inline std::string shownWrongly(const MainWindow& window) {
  std::string out = window.view() == tickwell::render(window.state()) ? "" : " view:stale";
  WindowView view = window.view();
  for (const NamedControl& c : namedControls(view)) {
    const QWidget* w = window.widget(c.name) ? window.widget(c.name) : &window;  // the window for its caption
    const auto check = [&](bool same, const char* what) { out += same ? "" : " " + c.name + ":" + what; };
    const auto is = [&w](const char* property, const QVariant& value) { return w->property(property) == value; };
    const auto shows = [](const QWidget* shown, const QString& text) {  // whatever kind of widget it is
      QString shownText = shown->windowTitle();
      for (const char* property : {"plainText", "title", "text"})
        if (const QVariant v = shown->property(property); v.isValid()) shownText = v.toString();
      return shownText == text;
    };
    std::visit(
        [&](const auto* v) {
          if constexpr (requires { v->text; }) {  // a text box; of the listings the one shown, CR LF as LF
            const QWidget* listing = c.name.starts_with("txtTimer(") ? window.widget("txtTimer") : nullptr;
            if (!listing || v->visible) check(shows(listing ? listing : w, qs(v->text).replace("\r\n", "\n")), "text");
            if (listing) return;
          }
          if constexpr (requires { v->caption; }) check(shows(w, qs(v->caption)), "caption");
          if constexpr (requires { v->enabled; }) check(w->isEnabled() == v->enabled, "enabled");
          if constexpr (requires { v->visible; }) check(w->isVisibleTo(&window) == v->visible, "visible");
          if constexpr (requires { v->checked; }) check(is("checked", v->checked), "on");
          if constexpr (requires { v->selected; }) check(is("checked", v->selected), "on");
          if constexpr (requires { v->bold; }) check(w->font().bold() == v->bold, "bold");
          if constexpr (requires { v->backColor; }) {
            const auto role = qobject_cast<const QComboBox*>(w) ? QPalette::Button : QPalette::Base;
            check((w->palette().color(role) == QColor(255, 255, 0)) == (v->backColor == BackColor::Yellow), "colour");
          }
          if constexpr (requires { v->list; })
            check(is("count", v->count()) && is("currentIndex", v->index) && is("currentText", qs(v->text())), "list");
          if constexpr (requires { v->max; }) check(is("value", v->value) && is("maximum", v->max), "value");
          if constexpr (requires { v->tabs; }) check(is("currentIndex", v->index - 1), "tab");
        },
        c.control);
  }
  return out;
}

// The calculator window opened as the program opens it, over a FakePlatform,
// and a user's input on its widgets.
class WindowTest : public ::testing::Test {
protected:
  void SetUp() override { open(); }

  void open() {  // a fresh window (also within a test)
    window = std::make_unique<MainWindow>(platform);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  QWidget* w(const std::string& name) {  // fails the test for a name the window does not know
    if (QWidget* found = window->widget(name)) return found;
    throw std::invalid_argument("no widget " + name);
  }
  std::string nameOf(const QWidget* widget) {
    WindowView view = window->view();
    for (const NamedControl& c : namedControls(view))
      if (window->widget(c.name) == widget) return c.name;
    return widget ? widget->metaObject()->className() : "nothing";
  }

  void click(QWidget* target) {  // near the left edge: on the indicator of an option or check box however wide
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(std::min(8, target->width() / 2), target->height() / 2));
    QApplication::processEvents();
  }
  void click(const std::string& name) { click(w(name)); }
  void type(QWidget* edit, const QString& text) {  // clicks into an entry and types over its text
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
