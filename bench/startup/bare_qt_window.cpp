// The reference for the start-up measurement: the least a Qt Widgets program
// does to show a window. With --label the window shows one line of text, so
// that the program also pays for what any text costs at start-up: the font
// database (fontconfig), a font and the accessibility bridge.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const bool withLabel = argc > 1 && std::strcmp(argv[1], "--label") == 0;
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare Qt window"));
  if (withLabel) {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Timer0: 3,906.25 Hz")));
  }
  window.resize(640, 480);
  window.show();
  return QApplication::exec();
}
