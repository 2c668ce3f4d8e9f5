// The calculator window's Qt view: widgets that show the state after any input,
// the keyboard, message boxes, a steady layout, listings copied unchanged.
#include "test_support.h"

namespace tickwell {
namespace {

using MainWindowTest = test::WindowTest;

// A seeded random user: clicks (or Space) on options, check boxes, buttons and
// unit captions, typing (and Enter), keys on lists and sliders, tab clicks,
// message boxes answered either way; not the controls that leave the window.
TEST_F(MainWindowTest, EveryWidgetShowsTheStateAfterEveryGesture) {
  std::vector<std::pair<std::string, QWidget*>> widgets;
  WindowView view = window->view();
  for (const NamedControl& c : namedControls(view)) {
    QWidget* widget = window->widget(c.name);
    const auto* edit = qobject_cast<QLineEdit*>(widget);
    if ((clickAction(c.name) && c.name != "cmdExit") || (edit && !edit->isReadOnly()) || pickAction(c.name, 0) ||
        slideAction(c.name, 0) || qobject_cast<QTabBar*>(widget))
      widgets.emplace_back(c.name, widget);
  }
  const Qt::Key moves[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};  // lists, sliders
  const char* const texts[] = {"", "0", "1", "20", "4.5", "255", "65535", "0.001", "1e9", "-3", "12,5", "x", "1e11"};
  QRandomGenerator rng(20260214);
  std::string done;
  for (int n = 0; n < 800; ++n) {
    auto i = rng.bounded(int(widgets.size()));
    while (!widgets[i].second->isVisible() || !widgets[i].second->isEnabled()) i = rng.bounded(int(widgets.size()));
    const auto& [name, target] = widgets[i];
    platform.answer = rng.bounded(2) ? MsgAnswer::Ok : MsgAnswer::Cancel;
    done += "\n  " + name + (platform.answer == MsgAnswer::Ok ? ": " : " (Cancel): ");
    const bool list = qobject_cast<QComboBox*>(target) || qobject_cast<QSlider*>(target);
    if (qobject_cast<QLineEdit*>(target)) {
      const char* text = texts[rng.bounded(int(std::size(texts)))];
      const bool enter = rng.bounded(3) == 0;
      type(target, text);
      if (enter) key(target, Qt::Key_Return);
      done += "type '" + std::string(text) + (enter ? "' Enter" : "'");
    } else if (auto* tabs = qobject_cast<QTabBar*>(target)) {
      const int tab = rng.bounded(tabs->count());
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
      done += "tab " + std::to_string(tab);
    } else if (list || rng.bounded(4) == 0) {
      const Qt::Key pressed = list ? moves[rng.bounded(int(std::size(moves)))] : Qt::Key_Space;
      key(target, pressed);
      done += QKeySequence(pressed).toString().toStdString();
    } else {
      click(target);
      done += "click";
    }
    ASSERT_EQ(test::shownWrongly(*window), "") << "after:" << done;
  }
  EXPECT_GT(platform.prompts.size(), 5u) << "message boxes met";
}

TEST_F(MainWindowTest, TabFollowsTheReadingOrderWithOneStopPerOptionGroup) {
  for (const char* timer : {"opTmr(0)", "opTmr(1)", "opTmr(2)"}) {
    SCOPED_TRACE(timer);
    click(timer);
    std::vector<std::string> expected;  // what is shown and usable; of an option group its selected option
    for (QWidget* widget : window->readingOrder()) {
      const auto* option = qobject_cast<QRadioButton*>(widget);
      if (widget && widget->isVisible() && widget->isEnabled() && (!option || option->isChecked()))
        expected.push_back(nameOf(widget));
    }
    w(expected.front())->setFocus(Qt::TabFocusReason);
    std::vector<std::string> stops{nameOf(QApplication::focusWidget())};
    for (std::size_t i = 0; i < expected.size(); ++i) {  // once round, back to the first
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      stops.push_back(nameOf(QApplication::focusWidget()));
    }
    expected.push_back(expected.front());
    EXPECT_EQ(stops, expected);
  }
}

TEST_F(MainWindowTest, ArrowKeysSelectTheNearestUsableOptionOfTheGroup) {
  const struct {
    const char* before;  // clicked first, when given
    const char* start;
    Qt::Key arrow;
    const char* selected;  // focused and selected afterwards
  } rows[] = {  // the presets lie four to a column, "Other" below them; Timer1 counts in 16 bits only
      {nullptr, "opTmr(0)", Qt::Key_Right, "opTmr(1)"},   {nullptr, "opTmr(2)", Qt::Key_Left, "opTmr(1)"},
      {nullptr, "opTmr(3)", Qt::Key_Right, "opTmr(3)"},   {nullptr, "opPIC16", Qt::Key_Right, "opPIC18"},
      {nullptr, "opFreq(5)", Qt::Key_Down, "opFreq(6)"},  {nullptr, "opFreq(5)", Qt::Key_Right, "opFreq(9)"},
      {nullptr, "opFreq(3)", Qt::Key_Down, "opFreq(15)"}, {"opTmr(1)", "opMode(1)", Qt::Key_Left, "opMode(1)"},
      {"opTmr(0)", "opMode(1)", Qt::Key_Left, "opMode(0)"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.start) + " to " + r.selected + (r.before ? std::string(" after ") + r.before : ""));
    open();
    if (r.before) click(r.before);
    click(r.start);
    key(w(r.start), r.arrow);
    EXPECT_EQ(nameOf(QApplication::focusWidget()), r.selected);
    EXPECT_TRUE(static_cast<QRadioButton*>(w(r.selected))->isChecked());
    EXPECT_EQ(test::shownWrongly(*window), "");
  }
}

TEST_F(MainWindowTest, SpaceAndEnterOnUnitCaptionsAndEnterInASearchEntryActAsTheirClick) {
  const struct {
    const char* target;
    const char* typed;  // into the target first, when given
    Qt::Key key;
    const char* like;  // the control whose click the key makes
  } rows[] = {
      {"LabelCycle", nullptr, Qt::Key_Space, "LabelCycle"},    {"LabelHz", nullptr, Qt::Key_Return, "LabelHz"},
      {"LabelHz2", nullptr, Qt::Key_Enter, "LabelHz2"},        {"lblInputOSC", nullptr, Qt::Key_Space, "lblInputOSC"},
      {"lblInputOSC", nullptr, Qt::Key_Return, "lblInputOSC"}, {"txtSearchInt", "100000", Qt::Key_Return, "cmdSearch"},
      {"txtSearchFreq", "10000", Qt::Key_Enter, "cmdSearch"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.target) + " " + QKeySequence(r.key).toString().toStdString());
    if (r.typed) type(w(r.target), r.typed);
    const WindowState before = window->state();
    key(w(r.target), r.key);
    EXPECT_FALSE(window->state() == before);
    EXPECT_TRUE(window->state() == tickwell::apply(before, *clickAction(r.like)).state);
  }
}

TEST_F(MainWindowTest, AMessageBoxStandsInFrontOfTheValuesItSpeaksOfAndItsOkIsFollowedUp) {
  const struct {
    const char* entry;  // typed into first, when given
    const char* text;
    const char* button;
    MsgAnswer answer;
  } rows[] = {
      {"txtSearchInt", "65536", "cmdSearch", MsgAnswer::Ok},        // the nearest value set
      {"txtSearchInt", "99999999999", "cmdSearch", MsgAnswer::Ok},  // refused: "0" back after the box
      {"txtSearchFreq", "99999999", "cmdSearch", MsgAnswer::Ok},    // likewise
      {"txtFreq", "20", "cmdResetData", MsgAnswer::Ok},
      {"txtFreq", "20", "cmdResetData", MsgAnswer::Cancel},
      {nullptr, "", "cmdExit", MsgAnswer::Cancel},
      {nullptr, "", "cmdExit", MsgAnswer::Ok},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.button) + " after " + r.text + (r.answer == MsgAnswer::Ok ? ", OK" : ", Cancel"));
    open();
    if (r.entry) type(w(r.entry), r.text);
    platform.prompts.clear();
    platform.answer = r.answer;
    const Outcome expected = tickwell::apply(window->state(), *clickAction(r.button));
    ASSERT_TRUE(expected.message);
    platform.onMessage = [&] {
      EXPECT_TRUE(window->state() == expected.state) << "the box came before the state";
      EXPECT_EQ(test::shownWrongly(*window), "") << "the box came before the window showed the state";
    };
    click(r.button);
    platform.onMessage = nullptr;
    EXPECT_EQ(platform.prompts, std::vector<std::string>{expected.message->prompt});
    const bool followed = r.answer == MsgAnswer::Ok && expected.message->onOk;
    const Outcome after = followed ? tickwell::apply(expected.state, *expected.message->onOk) : expected;
    EXPECT_TRUE(window->state() == after.state) << "the answer's follow-up";
    EXPECT_EQ(window->isVisible(), !after.exit);
  }
}

TEST_F(MainWindowTest, NothingMovesWhenTheTimerChanges) {
  const auto places = [this] {  // where every shown widget sits, and the window's size
    std::map<std::string, QRect> out{{"the window", window->rect()}};
    WindowView view = window->view();
    for (const NamedControl& c : namedControls(view))
      if (QWidget* widget = window->widget(c.name); widget && widget->isVisibleTo(window.get()))
        out[c.name.starts_with("txtTimer(") ? "the listing shown" : c.name] =
            QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
    return out;
  };
  const auto timer0 = places();
  for (const char* timer : {"opTmr(1)", "opTmr(2)", "opTmr(3)", "opTmr(0)", "opTmr(2)", "opTmr(1)"}) {
    click(timer);
    ASSERT_TRUE(window->view().opTmr[std::size_t(timer[6] - '0')].selected) << timer;
    for (const auto& [name, place] : places())
      EXPECT_EQ(place, timer0.contains(name) ? timer0.at(name) : place) << name << " moved on " << timer;
  }
}

TEST_F(MainWindowTest, CopyingFromAListingKeepsItsCrLf) {
  auto* tabs = static_cast<QTabBar*>(w("Ts1"));
  for (int tab = 0; tab < tabs->count(); ++tab) {
    SCOPED_TRACE(tab);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    click(w("txtTimer"));
    QTest::keyClick(w("txtTimer"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w("txtTimer"), Qt::Key_C, Qt::ControlModifier);
    const std::string& listing = window->view().txtTimer[std::size_t(tab)].text;
    ASSERT_NE(listing.find("\r\n"), std::string::npos);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), listing);
  }
}

}  // namespace
}  // namespace tickwell
