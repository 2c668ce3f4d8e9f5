// Runs scenario lines against the calculator window's logic with a scripted
// desktop, and prints what the window shows.
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/apply.h"
#include "forms/window_view.h"
#include "forms/platform.h"

namespace tickwell {

// The desktop of a scenario: a screen of a given size and message boxes that
// print themselves and take queued answers.
class ScriptedPlatform : public Platform {
public:
  explicit ScriptedPlatform(std::ostream& out) : out_(out) {}

  MsgAnswer messageBox(const std::string& prompt, MsgIcon icon, MsgButtons buttons, const std::string& title) override;
  ScreenSize screenSize() override { return screen; }
  void setClipboardText(const std::string&) override {}
  bool openAddress(const std::string&) override { return true; }

  ScreenSize screen{1280, 1024};
  std::deque<MsgAnswer> answers;

private:
  std::ostream& out_;
};

class ScriptRunner {
public:
  explicit ScriptRunner(std::ostream& out);

  // Runs one line. Returns an error message for a line that is not
  // understood; nothing when it ran (or was ignored).
  std::optional<std::string> runLine(std::string_view line);
  // True once the program has ended; later lines are ignored.
  bool ended() const { return ended_; }
  // Starts the program when it has not started yet (also for an empty scenario).
  void start();

  // For tests and the fuzzer: the state and what it shows, once started.
  const WindowState& state() const { return state_; }
  const WindowView& view() const { return view_; }

private:
  void act(const std::optional<Action>& action);
  // type, click, pick, slide, tab or focus on the control named first in `rest`.
  std::optional<std::string> controlCommand(std::string_view command, std::string_view rest);
  std::optional<std::string> print(std::string_view what);
  void dump();
  void end();
  const NamedControl* find(std::string_view name) const;

  std::ostream& out_;
  ScriptedPlatform platform_;
  WindowState state_;
  WindowView view_;
  std::vector<NamedControl> controls_;  // into view_
  bool started_ = false;
  bool ended_ = false;
};

// Escapes a text for an output line: backslash, CR, LF and tab.
std::string escapeText(std::string_view text);

}  // namespace tickwell
