// The main window from the keyboard alone: Tab in reading order with one stop
// per option group, arrow keys that select, unit captions and buttons that act
// on Space and Enter and show the focus, Enter that searches, and mnemonics
// that name one control each.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <map>
#include <memory>

#include "about_window.h"
#include "app/startup.h"
#include "calculator/calculator.h"
#include "main_window.h"
#include "osc_mode_window.h"
#include "source_code_window.h"
#include "test_support.h"

namespace tickwell {
namespace {

class KeyboardTest : public test::MainWindowTestBase {
protected:
  QWidget* w(const std::string& name) {
    QWidget* found = window->widget(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  std::string nameOf(QWidget* widget) {
    for (const auto& nc : calc->controls())
      if (window->widget(nc.name) == widget) return nc.name;
    return widget == window->widget("txtTimer") ? "txtTimer" : widget ? widget->metaObject()->className() : "none";
  }
  void key(QWidget* target, int k) {
    QTest::keyClick(target, static_cast<Qt::Key>(k));
    QApplication::processEvents();
  }
};

TEST_F(KeyboardTest, TabFollowsTheReadingOrderWithOneStopPerGroup) {
  w("opTmr(0)")->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  std::vector<std::string> stops{nameOf(QApplication::focusWidget())};
  for (int i = 0; i < 60; ++i) {
    key(QApplication::focusWidget(), Qt::Key_Tab);
    const std::string now = nameOf(QApplication::focusWidget());
    if (now == stops.front()) break;
    stops.push_back(now);
  }
  // Timer0 at start: the postscaler, PR2 Adjust and the disabled widths are no stops.
  const std::vector<std::string> expected = {
      "opTmr(0)", "opMode(0)", "opPIC16", "opFreq(5)", "txtFreq", "lblInputOSC", "chkFosc", "cbPre",
      "txtPreBits", "cmdL", "sl1", "cmdR", "txtRegVal", "cmdSl1Min", "cmdSl1Max", "chkTMR0", "slTimeout",
      "txtTimeout", "txtOverhead", "txtHexH", "txtHexL", "txtDecH", "txtDecL", "txtBin", "LabelCycle",
      "LabelHz", "LabelHz2", "btnInterrupt", "btnHertz", "txtSearchInt", "btnSearchInt", "txtSearchFreq",
      "btnSearchHertz", "cmdSearch", "cmdSolutions", "chkUseScaler", "cbComment", "Ts1", "txtTimer(0)", "cmdBasic", "cmdPascal",
      "cmdC", "cmdPicbasic", "cmdAssembler", "cmdXC8", "cmdCrystalModes", "cmdInfo", "cmdResetData", "cmdExit"};
  EXPECT_EQ(stops, expected);
}

TEST_F(KeyboardTest, ArrowKeysSelectWithinAGroup) {
  const struct {
    const char* name;
    const char* start;
    int arrow;
    const char* selected;  // the option focused and selected afterwards
  } rows[] = {
      {"next timer", "opTmr(0)", Qt::Key_Right, "opTmr(1)"},
      {"down is next in a row", "opTmr(1)", Qt::Key_Down, "opTmr(1)"},
      {"back", "opTmr(2)", Qt::Key_Left, "opTmr(1)"},
      {"last timer stays", "opTmr(3)", Qt::Key_Right, "opTmr(3)"},
      // The presets lie four to a column: 4 MHz (5) has 8 MHz below, 16 MHz right of it.
      {"preset below", "opFreq(5)", Qt::Key_Down, "opFreq(6)"},
      {"preset right", "opFreq(5)", Qt::Key_Right, "opFreq(9)"},
      {"preset above", "opFreq(5)", Qt::Key_Up, "opFreq(4)"},
      {"to Other", "opFreq(3)", Qt::Key_Down, "opFreq(15)"},
      {"family", "opPIC16", Qt::Key_Right, "opPIC18"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    open();
    QWidget* start = w(r.start);
    QTest::mouseClick(start, Qt::LeftButton, {}, QPoint(6, start->height() / 2));
    start->setFocus(Qt::TabFocusReason);
    key(start, r.arrow);
    auto* now = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(nameOf(now), r.selected);
    EXPECT_TRUE(now->isChecked());
  }
  // A disabled option is passed over: on Timer1 only 16-Bit is usable.
  open();
  calc->opTmr.click(1);
  window->refresh();
  w("opMode(1)")->setFocus(Qt::TabFocusReason);
  key(w("opMode(1)"), Qt::Key_Left);
  EXPECT_EQ(calc->opMode.selected(), 1);
  // The selection is the model's: Timer2 picked with the arrows shows PR2.
  open();
  w("opTmr(1)")->setFocus();
  key(w("opTmr(1)"), Qt::Key_Right);
  EXPECT_EQ(app.TimerNo, 2);
  EXPECT_EQ(qobject_cast<QLabel*>(w("lblTicks2Int"))->text(), "Counts to TMR2 Reset:");
}

TEST_F(KeyboardTest, UnitCaptionsAndButtonsActOnSpaceAndEnter) {
  w("LabelCycle")->setFocus(Qt::TabFocusReason);
  key(w("LabelCycle"), Qt::Key_Space);
  EXPECT_EQ(calc->LabelCycle.caption(), "\xC2\xB5s");
  w("LabelHz")->setFocus(Qt::TabFocusReason);
  key(w("LabelHz"), Qt::Key_Return);
  EXPECT_EQ(calc->LabelHz.caption(), "kHz");
  w("lblInputOSC")->setFocus(Qt::TabFocusReason);
  key(w("lblInputOSC"), Qt::Key_Enter);
  EXPECT_EQ(calc->lblInputOSC.caption(), "Hz");
  w("btnInterrupt")->setFocus(Qt::TabFocusReason);
  key(w("btnInterrupt"), Qt::Key_Space);
  EXPECT_EQ(calc->btnInterrupt.caption, "\xC2\xB5s");
  EXPECT_EQ(calc->btnSearchInt.caption, "\xC2\xB5s");
}

TEST_F(KeyboardTest, FocusedUnitControlsShowAFocusFrame) {
  // The style draws focus frames once the user moves with the keyboard.
  w("txtFreq")->setFocus();
  key(w("txtFreq"), Qt::Key_Tab);
  for (const char* name : {"LabelCycle", "LabelHz", "LabelHz2", "lblInputOSC", "btnInterrupt", "btnHertz",
                           "btnSearchInt", "btnSearchHertz"}) {
    SCOPED_TRACE(name);
    QWidget* unit = w(name);
    w("txtFreq")->setFocus();
    QApplication::processEvents();
    const QImage before = unit->grab().toImage();
    unit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(unit->hasFocus());
    EXPECT_NE(unit->grab().toImage(), before) << "the focus does not show";
  }
}

TEST_F(KeyboardTest, EnterInASearchEntrySearches) {
  auto* period = qobject_cast<QLineEdit*>(w("txtSearchInt"));
  period->setFocus();
  period->selectAll();
  QTest::keyClicks(period, "65536");
  key(period, Qt::Key_Return);
  // 65,536 ns at 4 MHz: 256,000 ns at 1:1 is already longer; 65.536 ticks of
  // 1 µs round to 66: preload 190.
  EXPECT_EQ(calc->cbPre.index(), 0);
  EXPECT_EQ(calc->sl1.value(), 256 - 66);
  ASSERT_EQ(platform.messages.size(), 1u);  // 66 ticks are 66,000 ns, not 65,536
  auto* frequency = qobject_cast<QLineEdit*>(w("txtSearchFreq"));
  frequency->setFocus();
  frequency->selectAll();
  QTest::keyClicks(frequency, "10000");
  key(frequency, Qt::Key_Enter);
  // 1 MHz / 10 kHz = 100 ticks: preload 156, exact.
  EXPECT_EQ(calc->sl1.value(), 156);
  EXPECT_EQ(platform.messages.size(), 1u);
}

// The mnemonics (the letter after '&') of every widget of a window.
std::map<QChar, std::vector<QString>> mnemonics(QWidget* top) {
  std::map<QChar, std::vector<QString>> found;
  for (QWidget* child : top->findChildren<QWidget*>()) {
    QString text;
    if (auto* b = qobject_cast<QAbstractButton*>(child)) text = b->text();
    else if (auto* l = qobject_cast<QLabel*>(child); l && l->buddy()) text = l->text();
    const int at = text.indexOf(QLatin1Char('&'));
    if (at >= 0 && at + 1 < text.size() && text[at + 1] != QLatin1Char('&')) found[text[at + 1].toLower()].push_back(text);
  }
  return found;
}

TEST_F(KeyboardTest, MnemonicsAreUniquePerWindow) {
  OscModeWindow osc(platform);
  SourceCodeWindow code(platform, nullptr);
  AboutWindow about(app, platform);
  for (QWidget* top : std::initializer_list<QWidget*>{window.get(), &osc, &code, &about})
    for (const auto& [letter, texts] : mnemonics(top))
      EXPECT_EQ(texts.size(), 1u) << top->metaObject()->className() << ": '" << QString(letter).toStdString()
                                  << "' used by " << texts.size() << " controls";
}

}  // namespace
}  // namespace tickwell
