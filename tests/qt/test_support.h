// Shared helpers of the Qt view tests: a platform that records what the
// windows ask of the desktop, and readable printing of Qt strings.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QTest>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/startup.h"
#include "calculator/calculator.h"
#include "forms/platform.h"
#include "main_window.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace tickwell::test {

class FakePlatform : public Platform {
public:
  struct Message {
    std::string prompt;
    MsgIcon icon;
    MsgButtons buttons;
    std::string title;
  };

  MsgAnswer messageBox(const std::string& prompt, MsgIcon icon, MsgButtons buttons,
                       const std::string& title) override {
    messages.push_back({prompt, icon, buttons, title});
    if (onMessage) onMessage();
    return answer;
  }
  ScreenSize screenSize() override { return screen; }
  void setClipboardText(const std::string& text) override {
    clipboard = text;
    ++clipboardWrites;
  }
  bool openAddress(const std::string& address) override {
    if (onOpen) onOpen(address);
    opened.push_back(address);
    return canOpen;
  }
  AppVersion version() override { return appVersion; }

  MsgAnswer answer = MsgAnswer::Ok;
  ScreenSize screen{1280, 1024};
  std::vector<Message> messages;
  std::string clipboard;
  int clipboardWrites = 0;
  std::vector<std::string> opened;
  std::function<void(const std::string&)> onOpen;  // runs before an address is recorded
  std::function<void()> onMessage;                 // runs while a message box is "open"
  AppVersion appVersion{0, 9, 5};
  bool canOpen = true;  // whether a program could be started for an address
};

// The main window opened as the program opens it, over a FakePlatform: the
// base of the view tests. open() starts a fresh window (also within a test).
class MainWindowTestBase : public ::testing::Test {
protected:
  void SetUp() override { open(); }

  void open() {
    window.reset();
    calc.reset();
    app = AppRecord{};
    initAppRecord(app);
    calc = std::make_unique<Calculator>(app, platform);
    window = std::make_unique<MainWindow>(app, *calc, platform);
    calc->Form_Load();
    window->refresh();
    window->adjustSize();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QApplication::processEvents();  // layout requests still posted
  }

  // The widget of a control, as the view keeps it.
  template <class W>
  W* get(const std::string& name) {
    auto* w = qobject_cast<W*>(window->widget(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  FakePlatform platform;
  AppRecord app;
  std::unique_ptr<Calculator> calc;
  std::unique_ptr<MainWindow> window;
};

}  // namespace tickwell::test
