// Toolkit-neutral controls of the windows. Each holds its state and optional
// handlers. A setter that changes a value runs the control's handler (as a
// user action would); a setter that assigns the value already held runs
// nothing. Nested runs simply recurse. Nothing here knows a toolkit.
//
// The user's actions (type, click, pick, slide, focus) are methods of their
// own: they do nothing on a control that is disabled or hidden, as a click on
// a greyed-out or invisible control does nothing. Code sets values through the
// setters, whatever the state.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tickwell {

enum class BackColor { Window, Yellow };

// Counts how deeply handlers are nested, so a runaway cascade can be seen.
struct HandlerDepth {
  int current = 0;
  int deepest = 0;
};

// Runs a handler with the nesting depth counted.
class HandlerRun {
public:
  explicit HandlerRun(HandlerDepth* depth) : depth_(depth) {
    if (depth_ && ++depth_->current > depth_->deepest) depth_->deepest = depth_->current;
  }
  ~HandlerRun() {
    if (depth_) --depth_->current;
  }
  HandlerRun(const HandlerRun&) = delete;
  HandlerRun& operator=(const HandlerRun&) = delete;

private:
  HandlerDepth* depth_;
};

struct Control {
  bool enabled = true;
  bool visible = true;
  std::string tooltip;
  HandlerDepth* depth = nullptr;

  // A user can act on a control that is enabled and visible.
  bool usable() const { return enabled && visible; }

protected:
  void run(const std::function<void()>& handler) const {
    if (!handler) return;
    HandlerRun guard(depth);
    handler();
  }
};

class TextBox : public Control {
public:
  std::function<void()> onChange;
  std::function<void()> onGotFocus;
  std::function<void()> onKeyPress;

  std::size_t maxLength = 0;  // 0: no limit
  int selStart = 0;
  int selLength = 0;
  BackColor backColor = BackColor::Window;

  const std::string& text() const { return text_; }
  // Replaces the text; runs the Change handler when it differs.
  void setText(const std::string& text);
  // The user types a text over the whole entry: the box keeps at most
  // maxLength characters, its KeyPress handler runs, then the text replaces
  // the old one.
  void type(const std::string& text);
  // The box receives the focus: its GotFocus handler.
  void focus() const;
  // Selects the whole text.
  void selectAll();
  // Number of characters (code points) of the text.
  int length() const;

private:
  std::string text_;
};

// A label; a clickable one has a Click handler, a watched one a Change handler.
class Label : public Control {
public:
  std::function<void()> onChange;
  std::function<void()> onClick;

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);
  // A user's click on a clickable label.
  void click() const;

private:
  std::string caption_;
};

class Button : public Control {
public:
  std::string caption;
  std::function<void()> onClick;
  // A user's click.
  void click() const;
};

class Frame : public Control {
public:
  std::string caption;
};

class CheckBox : public Control {
public:
  std::string caption;
  std::function<void()> onClick;

  int value() const { return value_; }
  // Sets 0 or 1; runs the Click handler when the state changes.
  void setValue(int value);
  // A user's click: toggles.
  void click();

private:
  int value_ = 0;
};

class OptionButton : public Control {
public:
  std::string caption;
  bool value = false;
  bool bold = false;
};

// Option buttons of which at most one is selected. Selecting one that is not
// selected yet clears the others and runs the group's Click handler with its
// index; selecting the selected one runs nothing.
class OptionGroup {
public:
  std::vector<OptionButton> options;
  std::function<void(int)> onClick;
  HandlerDepth* depth = nullptr;

  // Appends an option with its caption.
  void add(const std::string& caption);
  void select(int index);
  // A user's click on option `index`: selects it when it is usable.
  void click(int index);
  int selected() const;  // -1 when none
  OptionButton& operator[](int index) { return options.at(static_cast<std::size_t>(index)); }
  const OptionButton& operator[](int index) const { return options.at(static_cast<std::size_t>(index)); }
  int size() const { return static_cast<int>(options.size()); }
  // Only the option at `index` in bold.
  void boldOnly(int index);
};

class ComboBox : public Control {
public:
  std::function<void()> onClick;
  BackColor backColor = BackColor::Window;

  const std::vector<std::string>& list() const { return list_; }
  int index() const { return index_; }
  int count() const { return static_cast<int>(list_.size()); }
  // Text of the selected entry, "" when none.
  std::string text() const;
  // Selects an entry (-1: none); runs the Click handler when the index changes.
  void setIndex(int index);
  // A user's pick: selects and always runs the Click handler, also when the
  // entry was selected already. An index outside the list does nothing.
  void pick(int index);
  void clear();
  void add(const std::string& entry) { list_.push_back(entry); }

private:
  std::vector<std::string> list_;
  int index_ = -1;
};

// A slider 0..max. Values from code are kept within the range and run nothing;
// a user's move runs the Scroll handler.
class Slider : public Control {
public:
  std::function<void()> onScroll;
  int selStart = 0;
  int tick = 1;

  int value() const { return value_; }
  int max() const { return max_; }
  void setValue(long long value);
  void setMax(int max);
  // A user's move: the value (cut to the range) and the Scroll handler.
  void slide(long long value);

private:
  int value_ = 0;
  int max_ = 10;
};

// A tab strip with tabs counted from 1.
class TabStrip : public Control {
public:
  std::vector<std::string> tabs;
  std::function<void()> onClick;

  int index() const { return index_; }
  // Selects a tab; runs the Click handler when the tab changes.
  void select(int index);
  // A user's click on a tab.
  void click(int index);

private:
  int index_ = 1;
};

}  // namespace tickwell
