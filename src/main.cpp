// The desktop program: start-up, the screen check, then the calculator window;
// or, with a command, the command line, which needs no display.
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/startup.h"
#include "cli/cli.h"
#include "icons.h"
#include "main_window.h"
#include "qt_platform.h"
#include "version.h"

namespace {

// The command line on a QCoreApplication: no platform plugin, no display. The
// output is complete before it is written.
int runCommandLine(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("tickwell"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(tickwell::kVersionText));
  const tickwell::cli::Result result = tickwell::cli::run(QCoreApplication::arguments());
  std::fwrite(result.err.data(), 1, result.err.size(), stderr);
  if (std::fwrite(result.out.data(), 1, result.out.size(), stdout) != result.out.size() || std::fflush(stdout) != 0) {
    std::fputs("tickwell: the output could not be written\n", stderr);
    return tickwell::cli::kOutOfReach;
  }
  return result.status;
}

}  // namespace

int main(int argc, char** argv) {
  if (tickwell::cli::wantsCommandLine(std::vector<std::string>(argv, argv + argc))) return runCommandLine(argc, argv);
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
  if (!tickwell::CheckScreenResolution(platform)) return 0;

  tickwell::MainWindow window(platform);
  platform.setDialogParent(&window);
  window.adjustSize();
  window.centre();
  window.show();
  return QApplication::exec();
}
