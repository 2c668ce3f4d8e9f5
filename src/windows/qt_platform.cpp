#include "qt_platform.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include "icons.h"

namespace tickwell {

QtPlatform::QtPlatform(QWidget* dialogParent) : dialogParent_(dialogParent) {}

void QtPlatform::setDialogParent(QWidget* dialogParent) { dialogParent_ = dialogParent; }

MsgAnswer QtPlatform::messageBox(const std::string& prompt, MsgIcon icon, MsgButtons buttons,
                                 const std::string& title) {
  QMessageBox::Icon boxIcon = QMessageBox::Information;
  switch (icon) {
    case MsgIcon::Critical: boxIcon = QMessageBox::Critical; break;
    case MsgIcon::Information: boxIcon = QMessageBox::Information; break;
    case MsgIcon::Question: boxIcon = QMessageBox::Question; break;
  }
  const QMessageBox::StandardButtons shown =
      buttons == MsgButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;

  // The prompts carry CR LF line ends; a label breaks lines on LF alone.
  QString text = QString::fromStdString(prompt);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

  QMessageBox box(boxIcon, QString::fromStdString(title), text, shown, dialogParent_.data());
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.setWindowIcon(tickwellIcon());
  const int answer = box.exec();
  return answer == QMessageBox::Cancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
}

ScreenSize QtPlatform::screenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QSize size = screen->size();
  return {size.width(), size.height()};
}

ScreenSize QtPlatform::screenPixels() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QSize size = screen->size() * screen->devicePixelRatio();
  return {size.width(), size.height()};
}

void QtPlatform::setClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text), QClipboard::Clipboard);
}

bool QtPlatform::openAddress(const std::string& address) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::TolerantMode));
}

}  // namespace tickwell
