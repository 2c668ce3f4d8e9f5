#include "qt_platform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "test_support.h"

namespace tickwell {
namespace {

class UrlCatcher : public QObject {
  Q_OBJECT

public:
  QList<QUrl> urls;

public slots:
  void open(const QUrl& url) { urls.append(url); }
};

TEST(QtPlatform, OpensAddressesThroughTheDesktop) {
  UrlCatcher catcher;
  for (const char* scheme : {"http", "https", "mailto"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
  QtPlatform platform;
  platform.openAddress("http://www.tickwell.example");
  platform.openAddress("https://tickwell.example/download");
  platform.openAddress("mailto:developers@tickwell.example");
  for (const char* scheme : {"http", "https", "mailto"}) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  ASSERT_EQ(catcher.urls.size(), 3);
  EXPECT_EQ(catcher.urls[0].toString(), QStringLiteral("http://www.tickwell.example"));
  EXPECT_EQ(catcher.urls[1].toString(), QStringLiteral("https://tickwell.example/download"));
  EXPECT_EQ(catcher.urls[2].toString(), QStringLiteral("mailto:developers@tickwell.example"));
}

TEST(QtPlatform, ClipboardKeepsCrLf) {
  QtPlatform platform;
  const std::string text = "' *\r\n  T0CON  = 0xC4  ' assign \r\n";
  platform.setClipboardText(text);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);
}

TEST(QtPlatform, ScreenSizeIsThePrimaryScreen) {
  QtPlatform platform;
  const ScreenSize size = platform.screenSize();
  EXPECT_EQ(size.width, QGuiApplication::primaryScreen()->size().width());
  EXPECT_EQ(size.height, QGuiApplication::primaryScreen()->size().height());
  EXPECT_GT(size.width, 0);
}

TEST(QtPlatform, MessageBoxShowsPromptIconButtonsAndTitle) {
  struct Row {
    const char* name;
    MsgIcon icon;
    MsgButtons buttons;
    QMessageBox::StandardButton press;
    QMessageBox::Icon shownIcon;
    QMessageBox::StandardButtons shownButtons;
    MsgAnswer answer;
  };
  const Row rows[] = {
      {"critical", MsgIcon::Critical, MsgButtons::Ok, QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok,
       MsgAnswer::Ok},
      {"question ok", MsgIcon::Question, MsgButtons::OkCancel, QMessageBox::Ok, QMessageBox::Question,
       QMessageBox::Ok | QMessageBox::Cancel, MsgAnswer::Ok},
      {"question cancel", MsgIcon::Question, MsgButtons::OkCancel, QMessageBox::Cancel, QMessageBox::Question,
       QMessageBox::Ok | QMessageBox::Cancel, MsgAnswer::Cancel},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QtPlatform platform;
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) {
        ADD_FAILURE() << "no message box";
        return;
      }
      seen = true;
      EXPECT_EQ(box->text(), QStringLiteral("Sorry, min. resolution for this programm\nis: 1024 x 768"));
      EXPECT_EQ(box->windowTitle(), QStringLiteral("Tickwell"));
      EXPECT_EQ(box->icon(), row.shownIcon);
      EXPECT_EQ(box->standardButtons(), row.shownButtons);
      box->button(row.press)->click();
    });
    const MsgAnswer answer = platform.messageBox("Sorry, min. resolution for this programm\r\nis: 1024 x 768",
                                                 row.icon, row.buttons, "Tickwell");
    EXPECT_TRUE(seen);
    EXPECT_EQ(answer, row.answer);
  }
}

}  // namespace
}  // namespace tickwell

#include "qt_platform_test.moc"
