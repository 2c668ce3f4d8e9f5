// The calculator window's Qt view: the state shown after any input, keys, message boxes, a steady layout, copies.
#include "app/startup.h"
#include "qt_platform.h"
#include "test_support.h"

namespace tickwell {
namespace {

using MainWindowTest = test::WindowTest;

// A seeded random user: clicks (or Space) on options, check boxes, buttons and unit captions, typing (and
// Enter), keys on lists and sliders, tab clicks, message boxes answered either way; never Exit.
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
  for (int n = 0; n < 800; ++n) {
    auto i = rng.bounded(int(widgets.size()));
    while (!widgets[i].second->isVisible() || !widgets[i].second->isEnabled()) i = rng.bounded(int(widgets.size()));
    const auto& [name, target] = widgets[i];
    platform.answer = rng.bounded(2) ? MsgAnswer::Ok : MsgAnswer::Cancel;
    const bool list = qobject_cast<QComboBox*>(target) || qobject_cast<QSlider*>(target);
    if (qobject_cast<QLineEdit*>(target)) {
      type(target, texts[rng.bounded(int(std::size(texts)))]);
      if (rng.bounded(3) == 0) key(target, Qt::Key_Return);
    } else if (auto* tabs = qobject_cast<QTabBar*>(target)) {
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(rng.bounded(tabs->count())).center());
    } else if (list || rng.bounded(4) == 0) {
      key(target, list ? moves[rng.bounded(int(std::size(moves)))] : Qt::Key_Space);
    } else {
      click(target);
    }
    ASSERT_EQ(test::shownWrongly(*window), "") << "after gesture " << n << " on " << name << " (the seed repeats them)";
  }
  EXPECT_GT(platform.prompts.size(), 5u) << "message boxes met";
}

TEST_F(MainWindowTest, TabFollowsTheReadingOrderWithOneStopPerOptionGroup) {
  for (const char* timer : {"opTmr(0)", "opTmr(1)", "opTmr(2)"}) {
    SCOPED_TRACE(timer);
    click(timer);
    std::vector<std::string> expected;  // what is shown and usable; of an option group its selected option
    for (QWidget* widget : window->readingOrder())
      if (widget && widget->isVisible() && widget->isEnabled() &&
          (!qobject_cast<QRadioButton*>(widget) || widget->property("checked").toBool()))
        expected.push_back(nameOf(widget));
    w(expected.front())->setFocus(Qt::TabFocusReason);
    std::vector<std::string> stops;  // once round, back to the first
    for (std::size_t i = 0; i <= expected.size(); ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
      stops.push_back(nameOf(QApplication::focusWidget()));
    expected.push_back(expected.front());
    EXPECT_EQ(stops, expected);
  }
}

// Arrows select the nearest usable option of the group (presets four to a column, "Other" below them; Timer1
// 16-bit only) and focus it; Space and Enter on a unit caption or button, Enter in a search entry, click.
TEST_F(MainWindowTest, KeysActAsTheClickOfTheControlTheyReach) {
  using enum Qt::Key;
  // The key on `target`, after a click on `first` (typed into an entry instead) and on an option `target`;
  // `reached`: the control whose click the key makes.
  const struct { const char* target; Qt::Key key; const char *reached, *first; } rows[] = {
      {"opTmr(0)", Key_Right, "opTmr(1)", ""}, {"opTmr(3)", Key_Right, "opTmr(3)", ""},
      {"opPIC16", Key_Right, "opPIC18", ""}, {"opFreq(5)", Key_Right, "opFreq(9)", ""},
      {"opFreq(3)", Key_Down, "opFreq(15)", ""}, {"opMode(1)", Key_Left, "opMode(0)", "opTmr(0)"},
      {"opMode(1)", Key_Left, "opMode(1)", "opTmr(1)"}, {"LabelCycle", Key_Space, "LabelCycle", ""},
      {"LabelHz", Key_Return, "LabelHz", ""}, {"LabelHz2", Key_Enter, "LabelHz2", ""},
      {"lblInputOSC", Key_Space, "lblInputOSC", ""}, {"txtSearchInt", Key_Return, "cmdSearch", "100000"},
      {"txtSearchFreq", Key_Enter, "cmdSearch", "10000"}, {"btnInterrupt", Key_Return, "btnInterrupt", ""},
      {"btnSearchInt", Key_Enter, "btnSearchInt", ""}, {"cmdSearch", Key_Return, "cmdSearch", ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.target) + " " + QKeySequence(r.key).toString().toStdString() + " after " + r.first);
    open();
    const bool option = qobject_cast<QRadioButton*>(w(r.target)), entry = qobject_cast<QLineEdit*>(w(r.target));
    if (*r.first && !entry) click(r.first);
    if (option) click(r.target);
    if (entry) type(w(r.target), r.first);
    const WindowState clicked = tickwell::apply(window->state(), *clickAction(r.reached)).state;
    key(w(r.target), r.key);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->state() == clicked; }, 1000));  // a button's click animates
    EXPECT_EQ(nameOf(QApplication::focusWidget()), option ? r.reached : r.target);
    // A search leaves the wanted period selected, so that typing replaces it.
    const TextBoxView& wanted = window->view().txtSearchInt;
    if (const auto* edit = qobject_cast<QLineEdit*>(w("txtSearchInt")); wanted.selLength > 0) {
      EXPECT_EQ(edit->selectedText().toStdString(), wanted.text.substr(std::size_t(wanted.selStart), std::size_t(wanted.selLength)));
    }
  }
}

TEST_F(MainWindowTest, AMessageBoxStandsInFrontOfTheValuesItSpeaksOfAndItsOkIsFollowedUp) {
  const struct { const char *entry, *text, *button; MsgAnswer answer; } rows[] = {  // `text` typed into `entry` first
      {"txtSearchInt", "65536", "cmdSearch", MsgAnswer::Ok},        // the nearest value set
      {"txtSearchInt", "99999999999", "cmdSearch", MsgAnswer::Ok},  // refused: "0" back after the box
      {"txtFreq", "20", "cmdResetData", MsgAnswer::Ok}, {"txtFreq", "20", "cmdResetData", MsgAnswer::Cancel},
      {nullptr, "", "cmdExit", MsgAnswer::Cancel}, {nullptr, "", "cmdExit", MsgAnswer::Ok},
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

// A timer or oscillator change moves nothing (a bold option keeps its width); the listing shown copies whole,
// CR LF and all, by Ctrl+C or its button.
TEST_F(MainWindowTest, ATimerOrOscillatorChangeMovesNothingAndTheListingCopiesWhole) {
  const auto places = [this] {  // where every shown widget sits, and the window's size
    std::map<std::string, QPoint> out{{"the window", QPoint(window->width(), window->height())}};
    WindowView view = window->view();
    for (const NamedControl& c : namedControls(view))
      if (QWidget* widget = window->widget(c.name); widget && widget->isVisibleTo(window.get()))
        out[c.name.starts_with("txtTimer(") ? "the listing shown" : c.name] =
            widget->mapTo(window.get(), QPoint(0, 0));
    return out;
  };
  const auto timer0 = places();
  for (const std::size_t timer : {1, 2, 3, 0, 2, 1}) {
    SCOPED_TRACE("Timer" + std::to_string(timer));
    click("opTmr(" + std::to_string(timer) + ")");
    ASSERT_TRUE(window->view().opTmr[timer].selected);
    for (const auto& [name, place] : places())
      EXPECT_EQ(place, timer0.contains(name) ? timer0.at(name) : place) << name;
    QTest::keyClick(w("txtTimer"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w("txtTimer"), Qt::Key_C, Qt::ControlModifier);
    click("cmdCopyListing");
    const std::string& listing = window->view().txtTimer[timer].text;
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), listing) << "Ctrl+C";
    EXPECT_EQ(platform.clipboard, listing) << "the copy button";
  }
  for (std::size_t osc = 0; osc < window->view().opFreq.size(); ++osc) {
    click("opFreq(" + std::to_string(osc) + ")");
    for (const auto& [name, place] : places())
      EXPECT_EQ(place, timer0.contains(name) ? timer0.at(name) : place) << name << " after opFreq(" << osc << ")";
  }
}

// A chip typed into the device chooser: the window shows it with its timers as tabs, the unavailable ones
// disabled with the reason, which the arrow keys pass over; the window keeps its size.
TEST_F(MainWindowTest, AChipTypedIntoTheChooserShowsItsTimersAsTabs) {
  const QSize size = window->size();
  auto* tabs = static_cast<QTabBar*>(w("Ts1"));
  type(w("cbDevice"), "16f1614");
  key(w("cbDevice"), Qt::Key_Return);
  EXPECT_EQ(static_cast<QComboBox*>(w("cbDevice"))->currentText(), "PIC16F1614");
  ASSERT_EQ(tabs->count(), 7);
  EXPECT_EQ(std::make_tuple(tabs->isTabEnabled(2), tabs->tabToolTip(2).toStdString()),
            std::make_tuple(false, std::string(kindFacts(TimerKind::Timer2Hlt).reason)));
  for (const int timer : {1, 3}) {
    key(tabs, Qt::Key_Right);
    EXPECT_EQ(window->state().timer, timer);
    EXPECT_EQ(test::shownWrongly(*window), "");
  }
  EXPECT_EQ(window->size(), size);
}

// Started as the program starts on the screens of CMakeLists.txt (1366 x 768: it fits; 1920 x 1080 at 150 %, 720
// lines for Qt: it scrolls): the screen passes on its device pixels, the window fits and scrolls to the rest.
TEST(ScreenTest, TheWindowFitsTheScreenAndScrollsToWhatItCannotShow) {
  if (qEnvironmentVariableIsEmpty("TICKWELL_SCREEN")) GTEST_SKIP() << "runs on the screens of CMakeLists.txt";
  QtPlatform platform;
  ASSERT_TRUE(CheckScreenResolution(platform));
  MainWindow window(platform);
  window.adjustSize();
  window.centre();
  window.show();
  // Its own area; the frame is the window manager's, and the test platform's is one pixel wide.
  const QRect area = window.screen()->availableGeometry(), own = window.geometry();
  EXPECT_TRUE(area.contains(own)) << own.x() << "," << own.y() << " " << own.width() << "x" << own.height();
  auto* scroll = qobject_cast<QScrollArea*>(window.centralWidget());
  ASSERT_EQ(scroll != nullptr, qgetenv("TICKWELL_SCREEN") == "scrolls");
  if (!scroll) return;
  QWidget* corner = window.widget("cmdExit");  // the bottom right
  scroll->ensureWidgetVisible(corner);
  EXPECT_TRUE(scroll->viewport()->rect().contains(QRect(corner->mapTo(scroll->viewport(), QPoint(0, 0)), corner->size())));
}

}  // namespace
}  // namespace tickwell
