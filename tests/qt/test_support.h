// Shared helpers of the Qt view tests: a platform that records what the
// windows ask of the desktop, and readable printing of Qt strings.
#pragma once

#include <QString>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "forms/platform.h"

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

}  // namespace tickwell::test
