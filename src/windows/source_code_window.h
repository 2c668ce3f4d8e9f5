// The modal window with an example interrupt program for each PIC family,
// opened by the six compiler buttons of the main window. The examples are the
// files of data/examples, built in as Qt resources.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "forms/platform.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tickwell {

class SourceCodeWindow : public QDialog {
  Q_OBJECT

public:
  enum class Language { Basic, Pascal, C, PicBasic, Assembler, XC8 };
  enum class Family { Pic16, Pic18 };
  // Shows (true) or hides (false) the main window's cover panel.
  using CoverSwitch = std::function<void(bool)>;

  // The cover is shown while this window is on screen and hidden when it
  // closes, however it is closed.
  SourceCodeWindow(Platform& platform, CoverSwitch cover, QWidget* parent = nullptr);
  ~SourceCodeWindow() override;

  // Opens a fresh window for one language, modally; returns when it closed.
  static void runModal(Language language, Platform& platform, CoverSwitch cover,
                       QWidget* parent = nullptr);

  // The example of a language for a family, exactly as stored (CR LF after
  // every line); empty when the resource is missing.
  static std::string exampleText(Language language, Family family);
  // The resource path of that example, e.g. ":/examples/xc8-pic18.c".
  static QString examplePath(Language language, Family family);

  // The language procedures: each sets the title line and fills the two
  // example boxes.
  void basic();
  void pascal();
  void c();
  void picbasic();
  void assembler();
  void xc8();
  void showLanguage(Language language);

  QString titleLine() const;
  int currentTab() const { return CurTab; }  // 1 = PIC16, 2 = PIC18
  // The text held by the box of a tab (1 or 2), exactly as it was filled.
  const std::string& tabText(int tab) const { return texts_.at(static_cast<std::size_t>(tab - 1)); }

  QTabWidget* tabs() const { return TabStrip1; }
  QPlainTextEdit* textBox(int tab) const { return txt.at(static_cast<std::size_t>(tab - 1)); }
  QPushButton* copyButton() const { return cmdCopy; }
  QPushButton* closeButton() const { return OKButton; }

  void cmdCopy_Click();

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  void setTexts(const std::string& pic16, const std::string& pic18);
  void setCover(bool shown);

  Platform& platform_;
  CoverSwitch cover_;
  bool coverShown_ = false;
  int CurTab = 1;
  std::array<std::string, 2> texts_;

  QLabel* lbllang = nullptr;
  QTabWidget* TabStrip1 = nullptr;
  std::array<QPlainTextEdit*, 2> txt{};
  QPushButton* cmdCopy = nullptr;
  QPushButton* OKButton = nullptr;
};

}  // namespace tickwell
