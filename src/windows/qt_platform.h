// The desktop services of the Qt program: message boxes, the primary screen,
// the clipboard and the desktop's default programs for addresses.
#pragma once

#include <QPointer>
#include <QWidget>

#include "forms/platform.h"

namespace tickwell {

class QtPlatform : public Platform {
public:
  // Message boxes are centred over dialogParent (the main window) when given.
  explicit QtPlatform(QWidget* dialogParent = nullptr);

  void setDialogParent(QWidget* dialogParent);

  MsgAnswer messageBox(const std::string& prompt, MsgIcon icon, MsgButtons buttons,
                       const std::string& title) override;
  ScreenSize screenSize() override;
  ScreenSize screenPixels() override;
  void setClipboardText(const std::string& text) override;
  bool openAddress(const std::string& address) override;

private:
  QPointer<QWidget> dialogParent_;
};

}  // namespace tickwell
