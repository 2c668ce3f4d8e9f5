#include "about_window.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/startup.h"
#include "hyperlink.h"
#include "icons.h"
#include "test_support.h"

namespace tickwell {
namespace {

AppRecord appRecord() {
  AppRecord app;
  initAppRecord(app);
  return app;
}

TEST(AboutWindow, ExactTexts) {
  EXPECT_EQ(AboutWindow::descriptionText(),
            "This is a little application for calculate the register values of the timers from the "
            "Microchip\xE2\x84\xA2 PIC Microcontrollers.\r\n"
            "This programm was developed for use of the PIC16 and Pic18 Series, but should work with other "
            "microcontrollers with similar register.\r\n"
            "\r\n"
            "For any error, bug, hint or suggestion please email me.");
  EXPECT_EQ(AboutWindow::disclaimerText(),
            "I decline all responsibility for any direct or indirect damage possibly arising from the use "
            "of  this program.");
}

TEST(AboutWindow, VersionLine) {
  struct Row {
    AppVersion version;
    const char* text;
  };
  for (const Row& row : {Row{{0, 9, 5}, "Version 0.9.5"}, Row{{1, 10, 0}, "Version 1.10.0"}}) {
    test::FakePlatform platform;
    platform.appVersion = row.version;
    AboutWindow window(appRecord(), platform);
    EXPECT_EQ(window.versionLabel()->text(), QString::fromUtf8(row.text));
  }
}

TEST(AboutWindow, ShowsTheApplicationTexts) {
  test::FakePlatform platform;
  AboutWindow window(appRecord(), platform);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("About Tickwell"));
  EXPECT_EQ(window.titleLabel()->text(), QStringLiteral("Tickwell"));
  EXPECT_GT(window.titleLabel()->font().pointSizeF(), window.versionLabel()->font().pointSizeF());
  // On screen the CR LF breaks become plain line breaks.
  QString shown = QString::fromStdString(AboutWindow::descriptionText());
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  EXPECT_EQ(window.descriptionLabel()->text(), shown);
  EXPECT_FALSE(window.descriptionLabel()->text().contains(QLatin1Char('\r')));
  EXPECT_EQ(window.disclaimerLabel()->text().toStdString(), AboutWindow::disclaimerText());
  EXPECT_EQ(window.rightsLabel()->text(), QStringLiteral("(c) 2026 The Tickwell developers"));
  EXPECT_EQ(window.mailLink()->text(), QStringLiteral("Click here for send email"));
  EXPECT_EQ(window.okButton()->text(), QStringLiteral("OK"));
}

TEST(AboutWindow, WindowIconIsThePngRenditions) {
  // The icon is compiled in as pixels; it must be the installed PNGs exactly.
  const QIcon icon = tickwellIcon();
  for (int size : {16, 32, 48, 64}) {
    SCOPED_TRACE(size);
    // A pixmap holds premultiplied pixels: both are compared that way.
    const QImage png = QImage(QStringLiteral(TICKWELL_ICON_DIR "/tickwell-%1.png").arg(size))
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(png.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
    EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), png);
  }
}

TEST(AboutWindow, FontsNameAnInstalledFamily) {
  // The family set is the one drawn, and the listing font stays monospaced.
  for (const QFont& font : {tahomaFont(9, false), tahomaFont(12, true), consoleFont(9)}) {
    SCOPED_TRACE(font.family().toStdString());
    EXPECT_TRUE(QFontInfo(font).exactMatch());
  }
  EXPECT_TRUE(QFontInfo(consoleFont(9)).fixedPitch());
}

TEST(AboutWindow, ArtworkLoads) {
  // The chip picture is SVG: without Qt's SVG plugins it would come out empty.
  test::FakePlatform platform;
  AboutWindow window(appRecord(), platform);
  const QPixmap chip = window.pictureLabel()->pixmap();
  ASSERT_FALSE(chip.isNull());
  EXPECT_EQ(chip.deviceIndependentSize().toSize(), QSize(129, 281));
  EXPECT_FALSE(window.windowIcon().isNull());
}

TEST(AboutWindow, MailLinkStartsAMailToTheDevelopers) {
  test::FakePlatform platform;
  AboutWindow window(appRecord(), platform);
  window.show();
  QTest::mouseClick(window.mailLink(), Qt::LeftButton);
  EXPECT_EQ(platform.opened, std::vector<std::string>{"mailto:developers@tickwell.example"});
}

TEST(AboutWindow, SitsCentredAcrossAndAboveTheMiddle) {
  test::FakePlatform platform;
  platform.screen = {1600, 1200};
  AboutWindow window(appRecord(), platform);
  window.show();
  EXPECT_EQ(window.x(), 800 - window.width() / 2);
  EXPECT_EQ(window.y(), static_cast<int>(1200 * 0.85 / 2 - window.height() / 2.0));
  QTest::mouseClick(window.okButton(), Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace tickwell
