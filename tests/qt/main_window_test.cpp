// The calculator window's Qt view: real widgets forward user actions to the
// window model and show what it holds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "app/startup.h"
#include "calculator/calculator.h"
#include "main_window.h"
#include "test_support.h"

namespace tickwell {
namespace {

class MainWindowTest : public test::MainWindowTestBase {
protected:
  QString text(const std::string& label) { return get<QLabel>(label)->text(); }

  // A radio button stretched by its layout ignores a click in its middle.
  void clickRadio(const std::string& name) {
    auto* r = get<QRadioButton>(name);
    QStyleOptionButton option;
    option.initFrom(r);
    const QRect area = r->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, r);
    QTest::mouseClick(r, Qt::LeftButton, {}, area.center());
  }
  void typeInto(const std::string& name, const QString& typed) {
    auto* edit = get<QLineEdit>(name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
  }
};

TEST_F(MainWindowTest, StartsWithTheDefaultResults) {
  EXPECT_EQ(window->windowTitle(), "Tickwell 0.9.5 - (c) 2026 The Tickwell developers");
  EXPECT_EQ(text("lblCycle"), "1,000");
  EXPECT_EQ(text("lblInterrupt"), "256,000");
  EXPECT_EQ(text("lblHz"), "3,906.25");
  EXPECT_TRUE(get<QRadioButton>("opTmr(0)")->isChecked());
  EXPECT_TRUE(get<QRadioButton>("opTmr(0)")->font().bold());
  EXPECT_FALSE(get<QRadioButton>("opTmr(1)")->font().bold());
  EXPECT_FALSE(get<QRadioButton>("opTmr(4)")->isVisible());
  EXPECT_FALSE(get<QComboBox>("cbPost")->isEnabled());
}

TEST_F(MainWindowTest, PickingTimer2EnablesThePostscalerAndShowsPr2Adjust) {
  EXPECT_FALSE(get<QCheckBox>("chkPR2")->isVisible());
  clickRadio("opTmr(2)");
  EXPECT_TRUE(get<QRadioButton>("opTmr(2)")->isChecked());
  EXPECT_FALSE(get<QRadioButton>("opTmr(0)")->isChecked());
  EXPECT_TRUE(get<QComboBox>("cbPost")->isEnabled());
  EXPECT_TRUE(get<QCheckBox>("chkPR2")->isVisible());
  EXPECT_FALSE(get<QCheckBox>("chkTMR0")->isVisible());
  EXPECT_EQ(get<QTabBar>("Ts1")->currentIndex(), 2);
  // The listing shown is that of the selected tab.
  EXPECT_EQ(get<QPlainTextEdit>("txtTimer")->toPlainText().left(20), "' Timer2 Registers:\n");
}

TEST_F(MainWindowTest, TypingAFrequencyShowsItsResultsAndRefusedTextBecomesFour) {
  typeInto("txtFreq", "20");
  EXPECT_EQ(text("lblInterrupt"), "51,200");
  EXPECT_TRUE(get<QRadioButton>("opFreq(15)")->isChecked());
  EXPECT_TRUE(get<QRadioButton>("opFreq(15)")->font().bold());

  typeInto("txtFreq", "abc");
  EXPECT_EQ(get<QLineEdit>("txtFreq")->text(), "4");
  EXPECT_EQ(text("lblInterrupt"), "256,000");
}

TEST_F(MainWindowTest, MovingTheSliderUpdatesThePreloadViews) {
  get<QSlider>("sl1")->setValue(255);
  EXPECT_EQ(get<QLineEdit>("txtRegVal")->text(), "255");
  EXPECT_EQ(get<QLineEdit>("txtHexL")->text(), "FF");
  EXPECT_EQ(get<QLineEdit>("txtDecL")->text(), "255");
  EXPECT_EQ(get<QLineEdit>("txtBin")->text(), "% 11111111");
  EXPECT_EQ(text("lblToInterrupt"), "1");
}

TEST_F(MainWindowTest, UnitClickChangesTheShownPeriod) {
  QTest::mouseClick(get<QPushButton>("btnInterrupt"), Qt::LeftButton);
  EXPECT_EQ(get<QPushButton>("btnInterrupt")->text(), QString::fromUtf8("µs"));
  EXPECT_EQ(text("lblInterrupt"), "256.00");
  EXPECT_EQ(text("lblMinTxt"), QString::fromUtf8("µs"));

  // The unit captions beside the clock values are clickable labels too.
  QTest::mouseClick(get<QLabel>("lblInputOSC"), Qt::LeftButton);
  EXPECT_EQ(text("lblInputOSC"), "Hz");
  EXPECT_EQ(text("LabelHz2"), "Hz");
  EXPECT_EQ(text("lblClockFreq"), "4,000,000");
  QTest::mouseClick(get<QLabel>("LabelCycle"), Qt::LeftButton);
  EXPECT_EQ(text("lblCycle"), "1.00");
}

TEST_F(MainWindowTest, PrescalerTurnsYellowAndShowsItsBits) {
  auto* pre = get<QComboBox>("cbPre");
  const QColor normal = pre->palette().color(QPalette::Button);
  pre->setCurrentIndex(8);
  emit pre->activated(8);
  EXPECT_EQ(pre->palette().color(QPalette::Button), QColor(255, 255, 0));
  EXPECT_EQ(get<QLineEdit>("txtPreBits")->palette().color(QPalette::Base), QColor(255, 255, 0));
  EXPECT_EQ(get<QLineEdit>("txtPreBits")->text(), "111");
  EXPECT_TRUE(get<QLabel>("lblWDT")->isVisible());
  pre->setCurrentIndex(0);
  emit pre->activated(0);
  EXPECT_EQ(pre->palette().color(QPalette::Button), normal);
}

TEST_F(MainWindowTest, MessageBoxesAppearInFrontOfTheValuesTheySpeakOf) {
  // What the window shows at the moment a search's message box is open: the
  // result already applied, not the values from before the search.
  struct Shown {
    QString prescaler, preload, period, frequency;
  };
  const struct {
    const char* name;
    std::function<void()> search;
    Shown expected;
  } rows[] = {
      // 20 MHz, 1 ms: 1:32, preload 100, 0.9984 ms.
      {"period in ms",
       [this] {
         typeInto("txtFreq", "20");
         QTest::mouseClick(get<QPushButton>("btnSearchInt"), Qt::LeftButton);
         QTest::mouseClick(get<QPushButton>("btnSearchInt"), Qt::LeftButton);
         typeInto("txtSearchInt", "1");
       },
       {"1:32", "100", "0.9984", "1,001.60256"}},
      // Timer1 at 20 MHz, 1:8 (625 kHz): 3 kHz gives 208.33 ticks, preload
      // 65,536 - 208 = 65,328; 625,000 / 208 = 3,004.80769 Hz, shown in kHz.
      {"Timer1 frequency in kHz",
       [this] {
         clickRadio("opTmr(1)");
         typeInto("txtFreq", "20");
         auto* pre = get<QComboBox>("cbPre");
         pre->setCurrentIndex(3);
         emit pre->activated(3);
         QTest::mouseClick(get<QPushButton>("btnSearchHertz"), Qt::LeftButton);
         typeInto("txtSearchFreq", "3");
       },
       {"1:8", "65328", "332,800", "3.00481"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    open();
    r.search();
    std::vector<Shown> seen;
    platform.onMessage = [&] {
      seen.push_back({get<QComboBox>("cbPre")->currentText(), get<QLineEdit>("txtRegVal")->text(), text("lblInterrupt"),
                      text("lblHz")});
    };
    QTest::mouseClick(get<QPushButton>("cmdSearch"), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].prompt, "No exact match found! Setting nearest value.   ");
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(platform.messages[0].title, "Tickwell");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].prescaler, r.expected.prescaler);
    EXPECT_EQ(seen[0].preload, r.expected.preload);
    EXPECT_EQ(seen[0].period, r.expected.period);
    EXPECT_EQ(seen[0].frequency, r.expected.frequency);
    platform.onMessage = nullptr;
    platform.messages.clear();
  }
}

TEST_F(MainWindowTest, TabSelectsItsTimerAndCopyKeepsCrLf) {
  get<QTabBar>("Ts1")->setCurrentIndex(1);
  EXPECT_TRUE(get<QRadioButton>("opTmr(1)")->isChecked());
  auto* box = get<QPlainTextEdit>("txtTimer");
  EXPECT_TRUE(box->isVisible());
  EXPECT_TRUE(box->isReadOnly());
  box->selectAll();
  box->copy();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), calc->txtTimer[1].text());
}

TEST_F(MainWindowTest, ConfirmedExitClosesTheWindow) {
  platform.answer = MsgAnswer::Cancel;
  QTest::mouseClick(get<QPushButton>("cmdExit"), Qt::LeftButton);
  EXPECT_TRUE(window->isVisible());
  platform.answer = MsgAnswer::Ok;
  QTest::mouseClick(get<QPushButton>("cmdExit"), Qt::LeftButton);
  EXPECT_EQ(platform.messages.back().prompt, "Please confirm to exit this programm!   ");
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, FocusSelectsTheWholeText) {
  typeInto("txtOverhead", "12");
  get<QLineEdit>("txtFreq")->setFocus();
  get<QLineEdit>("txtOverhead")->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(get<QLineEdit>("txtOverhead")->selectedText(), "12");
}

}  // namespace
}  // namespace tickwell
