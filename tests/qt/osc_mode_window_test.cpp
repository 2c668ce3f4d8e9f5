#include "osc_mode_window.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "test_support.h"

namespace tickwell {
namespace {

void clickTab(QTabWidget* tabs, int index) {
  QTabBar* bar = tabs->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
}

// A radio button stretched by its layout ignores a click in its middle.
void clickOption(QRadioButton* option) {
  QStyleOptionButton style;
  style.initFrom(option);
  const QRect area = option->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &style, option);
  QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, area.center());
}

class OscModeWindowTest : public testing::Test {
protected:
  void SetUp() override { window.show(); }

  void expectState(int tab, int mode, const char* description) {
    EXPECT_EQ(window.currentTab(), tab);
    EXPECT_EQ(window.tabs()->currentIndex(), tab - 1);
    EXPECT_EQ(window.selectedMode(), mode);
    EXPECT_EQ(window.description(), QString::fromUtf8(description));
    // Only the list of the selected family is on screen.
    EXPECT_EQ(window.modeButton(0)->isVisible(), tab == 1);
    EXPECT_EQ(window.modeButton(8)->isVisible(), tab == 2);
  }

  test::FakePlatform platform;
  OscModeWindow window{platform};
};

TEST_F(OscModeWindowTest, FirstOpeningShowsLowPowerCrystal) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("OSCILLATOR CONFIGURATION"));
  EXPECT_EQ(window.tabs()->tabText(0), QStringLiteral("PIC16 Series"));
  EXPECT_EQ(window.tabs()->tabText(1), QStringLiteral("PIC18 Series"));
  EXPECT_EQ(window.closeButton()->text(), QStringLiteral("&Close"));
  expectState(1, 0, "Low-Power Crystal for 32kHz");
}

TEST_F(OscModeWindowTest, EachFamilyListsItsModesInAFrame) {
  for (int i = 0; i < 20; ++i) {
    SCOPED_TRACE(i);
    QRadioButton* option = window.modeButton(i);
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->text().toStdString(), kOscModes[static_cast<std::size_t>(i)].caption);
    auto* frame = qobject_cast<QGroupBox*>(option->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), QStringLiteral("Oscillator modes"));
    EXPECT_EQ(frame == window.modeButton(0)->parentWidget(), i < 8);
  }
}

TEST_F(OscModeWindowTest, SwitchingTabsPicksTheFirstModeOfTheFamily) {
  clickOption(window.modeButton(2));
  expectState(1, 2, "High-Speed Crystal/Resonator for 4MHz - 20MHz");
  EXPECT_TRUE(window.modeButton(2)->font().bold());
  EXPECT_FALSE(window.modeButton(0)->font().bold());
  clickTab(window.tabs(), 1);
  expectState(2, 8, "Crystal/Resonator");
  clickOption(window.modeButton(19));
  expectState(2, 19,
              "Internal Oscillator used as microcontroller clock source, EC Oscillator used as USB clock "
              "source, FOSC/4 output on RA6");
  clickTab(window.tabs(), 0);
  expectState(1, 0, "Low-Power Crystal for 32kHz");
}

TEST_F(OscModeWindowTest, EcioReadsTheSameInBothFamilies) {
  clickOption(window.modeButton(7));
  EXPECT_EQ(window.modeButton(7)->text(), QStringLiteral("ECIO"));
  expectState(1, 7, "External Clock with I/O on RA6");
  clickTab(window.tabs(), 1);
  clickOption(window.modeButton(13));
  EXPECT_EQ(window.modeButton(13)->text(), QStringLiteral("ECIO"));
  expectState(2, 13, "External Clock with I/O on RA6");
}

TEST_F(OscModeWindowTest, IndexOutsideTheTableChangesNothing) {
  clickOption(window.modeButton(5));
  for (int index : {-1, 20, 1000}) window.optOSCType_Click(index);
  expectState(1, 5, "Internal Oscillator with FOSC/4 output on RA6 and I/O on RA7");
}

TEST_F(OscModeWindowTest, CloseOnlyHidesAndReopeningKeepsTabAndMode) {
  clickTab(window.tabs(), 1);
  clickOption(window.modeButton(11));
  QTest::mouseClick(window.closeButton(), Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
  window.show();
  expectState(2, 11, "High-Speed Crystal/Resonator with PLL enabled");
  window.close();  // the window's own close control hides it just the same
  window.show();
  expectState(2, 11, "High-Speed Crystal/Resonator with PLL enabled");
}

}  // namespace
}  // namespace tickwell
