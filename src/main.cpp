// The desktop program: start-up, the screen check, then the calculator window.
#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/startup.h"
#include "calculator/calculator.h"
#include "icons.h"
#include "main_window.h"
#include "qt_platform.h"
#include "version.h"

int main(int argc, char** argv) {
  const auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
  };
  if (!set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("QT_QPA_PLATFORM")) {
    std::cerr << "tickwell: no display to show the window on; try it with: "
                 "xvfb-run -s '-screen 0 1280x1024x24' tickwell\n";
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setApplicationName(QStringLiteral("Tickwell"));
  QApplication::setApplicationVersion(QString::fromLatin1(tickwell::kVersionText));
  QGuiApplication::setDesktopFileName(QStringLiteral("example.tickwell.Tickwell"));
  QApplication::setWindowIcon(tickwell::tickwellIcon());

  tickwell::QtPlatform platform;
  tickwell::AppRecord app;
  tickwell::initAppRecord(app);
  if (!tickwell::CheckScreenResolution(app, platform)) return 0;

  tickwell::Calculator calculator(app, platform);
  tickwell::MainWindow window(app, calculator, platform);
  platform.setDialogParent(&window);
  calculator.Form_Load();
  window.refresh();
  window.adjustSize();
  window.centre();
  window.show();
  return QApplication::exec();
}
