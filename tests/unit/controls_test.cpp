// When the toolkit-neutral controls run their handlers: the cascade of the
// calculator window relies on each rule here.
#include "forms/controls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "forms/utf8.h"

namespace tickwell {
namespace {

// Every control with a counter on each of its handlers.
struct Board {
  TextBox box;
  Label label;
  Button button;
  CheckBox check;
  OptionGroup group;
  ComboBox combo;
  Slider slider;
  TabStrip tabs;
  int changes = 0, keys = 0, focus = 0, labelChanges = 0, labelClicks = 0, clicks = 0, checks = 0, options = 0,
      picks = 0, scrolls = 0, tabClicks = 0;
  int lastOption = -1;

  Board() {
    box.onChange = [this] { ++changes; };
    box.onKeyPress = [this] { ++keys; };
    box.onGotFocus = [this] { ++focus; };
    label.onChange = [this] { ++labelChanges; };
    label.onClick = [this] { ++labelClicks; };
    button.onClick = [this] { ++clicks; };
    check.onClick = [this] { ++checks; };
    group.options.resize(3);
    group.onClick = [this](int i) {
      ++options;
      lastOption = i;
    };
    for (const char* e : {"a", "b", "c"}) combo.add(e);
    combo.onClick = [this] { ++picks; };
    slider.setMax(255);
    slider.onScroll = [this] { ++scrolls; };
    tabs.tabs = {"1", "2", "3", "4"};
    tabs.onClick = [this] { ++tabClicks; };
  }
  int total() const {
    return changes + keys + focus + labelChanges + labelClicks + clicks + checks + options + picks + scrolls +
           tabClicks;
  }
};

TEST(ControlsTest, HandlersRunOnlyOnARealChange) {
  // Each row acts twice with the same value: the first runs the handler once,
  // the second nothing.
  const struct {
    const char* name;
    std::function<void(Board&)> act;
    int Board::*counter;
  } rows[] = {
      {"text", [](Board& b) { b.box.setText("5"); }, &Board::changes},
      {"caption", [](Board& b) { b.label.setCaption("kHz"); }, &Board::labelChanges},
      {"check value", [](Board& b) { b.check.setValue(1); }, &Board::checks},
      {"check value 7 is 1", [](Board& b) { b.check.setValue(7); }, &Board::checks},
      {"option", [](Board& b) { b.group.select(2); }, &Board::options},
      {"list index", [](Board& b) { b.combo.setIndex(1); }, &Board::picks},
      {"tab", [](Board& b) { b.tabs.select(3); }, &Board::tabClicks},
  };
  for (const auto& r : rows) {
    Board b;
    r.act(b);
    EXPECT_EQ(b.*r.counter, 1) << r.name;
    r.act(b);
    EXPECT_EQ(b.*r.counter, 1) << r.name << ": the same value again ran the handler";
    EXPECT_EQ(b.total(), 1) << r.name << ": another handler ran";
  }
}

TEST(ControlsTest, UserActionsAlwaysRunTheirHandlers) {
  // A pick reruns its handler on the same entry; a click, a slide and a focus
  // run theirs every time; typing runs KeyPress every time, Change on a change.
  Board b;
  b.combo.pick(1);
  b.combo.pick(1);
  EXPECT_EQ(b.picks, 2);
  b.button.click();
  b.button.click();
  EXPECT_EQ(b.clicks, 2);
  b.slider.slide(10);
  b.slider.slide(10);
  EXPECT_EQ(b.scrolls, 2);
  b.box.focus();
  EXPECT_EQ(b.focus, 1);
  b.box.type("12");
  b.box.type("12");
  EXPECT_EQ(b.keys, 2);
  EXPECT_EQ(b.changes, 1);
  b.check.click();
  b.check.click();
  EXPECT_EQ(b.checks, 2);
  EXPECT_EQ(b.check.value(), 0);
  b.label.click();
  EXPECT_EQ(b.labelClicks, 1);
}

TEST(ControlsTest, DisabledOrHiddenControlsRefuseUserActions) {
  const std::function<void(Board&)> actions[] = {
      [](Board& b) { b.box.type("7"); },   [](Board& b) { b.box.focus(); },      [](Board& b) { b.label.click(); },
      [](Board& b) { b.button.click(); },  [](Board& b) { b.check.click(); },    [](Board& b) { b.group.click(1); },
      [](Board& b) { b.combo.pick(2); },   [](Board& b) { b.slider.slide(9); }, [](Board& b) { b.tabs.click(2); },
  };
  for (const bool hide : {false, true}) {
    Board b;
    for (Control* c : std::initializer_list<Control*>{&b.box, &b.label, &b.button, &b.check, &b.combo, &b.slider,
                                                      &b.tabs})
      (hide ? c->visible : c->enabled) = false;
    for (auto& o : b.group.options) (hide ? o.visible : o.enabled) = false;
    for (const auto& act : actions) act(b);
    EXPECT_EQ(b.total(), 0) << (hide ? "hidden" : "disabled");
    EXPECT_EQ(b.box.text(), "");
    EXPECT_EQ(b.slider.value(), 0);
    EXPECT_EQ(b.group.selected(), -1);
  }
  // Code still sets a disabled control, and its handler runs.
  Board b;
  b.combo.enabled = false;
  b.combo.setIndex(2);
  EXPECT_EQ(b.picks, 1);
}

TEST(ControlsTest, EdgesOfListsGroupsAndSliders) {
  Board b;
  // An empty group has no selection.
  OptionGroup empty;
  EXPECT_EQ(empty.selected(), -1);
  empty.select(0);
  EXPECT_EQ(empty.selected(), -1);
  // A pick outside the list does nothing; an index set outside it means none.
  b.combo.pick(3);
  b.combo.pick(-1);
  EXPECT_EQ(b.picks, 0);
  EXPECT_EQ(b.combo.index(), -1);
  b.combo.setIndex(1);
  b.combo.setIndex(9);
  EXPECT_EQ(b.combo.index(), -1);
  EXPECT_EQ(b.combo.text(), "");
  EXPECT_EQ(b.picks, 2);
  // Selecting clears the other options and reports the index.
  b.group.select(1);
  b.group.select(2);
  EXPECT_EQ(b.group.selected(), 2);
  EXPECT_FALSE(b.group[1].value);
  EXPECT_EQ(b.lastOption, 2);
  // A slider keeps its value in range; a smaller maximum cuts it.
  b.slider.setValue(300);
  EXPECT_EQ(b.slider.value(), 255);
  b.slider.setValue(-4);
  EXPECT_EQ(b.slider.value(), 0);
  b.slider.setValue(200);
  b.slider.selStart = 200;
  b.slider.setMax(100);
  EXPECT_EQ(b.slider.value(), 100);
  EXPECT_EQ(b.slider.selStart, 100);
  EXPECT_EQ(b.scrolls, 0) << "values from code run no Scroll handler";
  // A tab outside the strip is not selected.
  b.tabs.select(5);
  b.tabs.select(0);
  EXPECT_EQ(b.tabs.index(), 1);
}

TEST(ControlsTest, TypingKeepsTheBoxLengthInCharacters) {
  // "µ" is two bytes but one character; the box keeps 3 characters.
  const struct { const char* typed; const char* kept; } rows[] = {
      {"12345", "123"}, {"\xC2\xB5\xC2\xB5\xC2\xB5\xC2\xB5", "\xC2\xB5\xC2\xB5\xC2\xB5"}, {"1\xC2\xB5", "1\xC2\xB5"}, {"", ""}};
  for (const auto& r : rows) {
    TextBox box;
    box.maxLength = 3;
    box.type(r.typed);
    EXPECT_EQ(box.text(), r.kept) << r.typed;
  }
  TextBox box;
  box.setText("a\xC2\xB5z");
  box.selectAll();
  EXPECT_EQ(box.length(), 3);
  EXPECT_EQ(box.selLength, 3);
}

TEST(Utf8Test, CharactersOfAText) {
  EXPECT_EQ(utf8::at("010", 2), "1");
  EXPECT_EQ(utf8::at("01", 3), "");
  EXPECT_EQ(utf8::at("a\xC2\xB5", 2), "\xC2\xB5");
  EXPECT_EQ(utf8::last("10\xC2\xB5"), "\xC2\xB5");
  EXPECT_EQ(utf8::last(""), "");
  EXPECT_EQ(utf8::first("abc", 0), "");
  EXPECT_EQ(utf8::length("\xC2\xB5s"), 2u);
}

}  // namespace
}  // namespace tickwell
