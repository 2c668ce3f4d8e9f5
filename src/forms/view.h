// What a window shows of each of its controls, as plain values: text,
// caption, enabled, visible, colour, bold, selection. The window logic
// renders them; the Qt view and the scenario driver show them. Nothing here
// knows a toolkit, and nothing here acts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tickwell {

enum class BackColor { Window, Yellow };

struct ControlView {
  bool enabled = true;
  bool visible = true;
  std::string_view tooltip;

  // A user can act on a control that is enabled and visible.
  bool usable() const { return enabled && visible; }
  bool operator==(const ControlView&) const = default;
};

struct TextBoxView : ControlView {
  std::string text;
  BackColor backColor = BackColor::Window;
  int selStart = 0;
  int selLength = 0;
  std::size_t maxLength = 0;  // 0: no limit
  bool operator==(const TextBoxView&) const = default;
};

struct LabelView : ControlView {
  std::string caption;
  bool operator==(const LabelView&) const = default;
};

struct ButtonView : ControlView {
  std::string caption;
  bool operator==(const ButtonView&) const = default;
};

struct FrameView : ControlView {
  std::string caption;
  bool operator==(const FrameView&) const = default;
};

struct CheckBoxView : ControlView {
  std::string caption;
  bool checked = false;
  bool operator==(const CheckBoxView&) const = default;
};

struct OptionView : ControlView {
  std::string caption;
  bool selected = false;
  bool bold = false;
  bool operator==(const OptionView&) const = default;
};

struct ComboBoxView : ControlView {
  const std::vector<std::string>* list = nullptr;  // static entries
  int index = -1;
  BackColor backColor = BackColor::Window;

  int count() const { return list ? static_cast<int>(list->size()) : 0; }
  // The selected entry, "" when none.
  std::string text() const {
    return index >= 0 && index < count() ? (*list)[static_cast<std::size_t>(index)] : std::string();
  }
  bool operator==(const ComboBoxView&) const = default;
};

struct SliderView : ControlView {
  int value = 0;
  int max = 10;
  int selStart = 0;
  int tick = 1;
  bool operator==(const SliderView&) const = default;
};

struct TabStripView : ControlView {
  const std::vector<std::string>* tabs = nullptr;  // static captions
  int index = 1;  // from 1
  bool operator==(const TabStripView&) const = default;
};

// A window's own caption.
struct WindowCaptionView {
  std::string caption;
  bool operator==(const WindowCaptionView&) const = default;
};

// A panel that covers a window while another window is open over it.
struct PanelView {
  bool visible = false;
  bool operator==(const PanelView&) const = default;
};

}  // namespace tickwell
