#include "source_code_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>

#include "test_support.h"

namespace tickwell {
namespace {

using Family = SourceCodeWindow::Family;
using Language = SourceCodeWindow::Language;

// The PIC16 example as users must get it, line by line.
const std::vector<std::string> kPic16Lines = {
    "' *",
    "' * Project name:",
    "'     Timer Interrupt Test",
    "'     Simple demonstration of interrupt handling",
    "' * Copyright:",
    "'     (c) 2026 The Tickwell developers",
    "' * Revision History:",
    "'     20080225:",
    "'       - initial release.",
    "' * Description:",
    "'     This code demonstrates using interrupts in mikroBasic.",
    "' * Test configuration:",
    "'     MCU:             PIC16F877A",
    "'     Dev.Board:       EasyPIC4",
    "'     Oscillator:      HS, 08.0000 MHz",
    "'     Ext. Modules:    -",
    "'     SW:              mikroBasic v7.0",
    "' * NOTES:",
    "'     Generated with Tickwell",
    "'     www.tickwell.example",
    "' *",
    "",
    "program TMR0",
    "",
    "Dim cnt As word",
    "",
    "sub procedure interrupt",
    "  Inc (cnt)              ' increment value of cnt on every interrupt",
    "  TMR0 = 96",
    "  INTCON = $20           ' set T0IE, clear T0IF",
    "End Sub",
    "",
    "main:",
    "  OPTION_REG = $84       ' Assign prescaler to TMR0",
    "  TRISB = 0              ' PORTB is output",
    "  PORTB = $FF            ' initialize PORTB",
    "  TMR0 = 96             ' timer0 initial value",
    "  INTCON = 0xA0          ' enable TMRO interrupt",
    "  cnt = 0                ' initialize cnt",
    "",
    "  While True",
    "    If (cnt = 400) Then",
    "      PORTB = Not PORTB  ' toggle PORTB LEDs",
    "      cnt = 0            ' reset cnt",
    "    End If",
    "  Wend",
    "end.",
};

// The PIC18 example is the PIC16 one with these lines (1-based) replaced.
std::vector<std::string> pic18Lines() {
  const std::string adcon = "  ADCON1 = 0x0F          ' set AN pins to Digital I/O";
  const std::map<int, std::vector<std::string>> replaced = {
      {3, {"'     TMR0 (Simple demonstration of interrupt handling)"}},
      {4, {}},
      {11,
       {"'     This code demonstrates using interrupts in mikroBasic. Program turns on/off",
        "'     LEDs on PORTB approximately each second."}},
      {13, {"'     MCU:             P18F4520"}},
      {19, {"'     None."}},
      {20, {}},
      {28, {adcon, kPic16Lines[27]}},
      {29, {"  TMR0L = 96"}},
      {34, {adcon, "  T0CON  = 0xC4          ' set TMR0 in 8bit mode, assign "}},
      {37, {"  TMR0L = 96             ' timer0 initial value"}},
  };
  std::vector<std::string> lines;
  for (int no = 1; no <= static_cast<int>(kPic16Lines.size()); ++no) {
    const auto it = replaced.find(no);
    if (it == replaced.end())
      lines.push_back(kPic16Lines[static_cast<std::size_t>(no - 1)]);
    else
      lines.insert(lines.end(), it->second.begin(), it->second.end());
  }
  return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::vector<std::string> splitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

TEST(SourceCodeExample, TextsAreExactToTheByte) {
  EXPECT_EQ(SourceCodeWindow::exampleText(Family::Pic16), joinCrLf(kPic16Lines));
  EXPECT_EQ(SourceCodeWindow::exampleText(Family::Pic18), joinCrLf(pic18Lines()));
}

TEST(SourceCodeExample, LineStructure) {
  const std::string pic16 = SourceCodeWindow::exampleText(Family::Pic16);
  const std::string pic18 = SourceCodeWindow::exampleText(Family::Pic18);
  for (const std::string* text : {&pic16, &pic18}) {
    ASSERT_GE(text->size(), 2u);
    EXPECT_EQ(text->substr(text->size() - 2), "\r\n");
  }
  const auto lines16 = splitCrLf(pic16);
  const auto lines18 = splitCrLf(pic18);
  ASSERT_EQ(lines16.size(), 47u);
  ASSERT_EQ(lines18.size(), 48u);
  // No stray CR or LF inside a line.
  for (const auto* lines : {&lines16, &lines18})
    for (const std::string& line : *lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  // Line 37 has one blank fewer before its comment than line 36.
  EXPECT_EQ(lines16[35].find('\''), 25u);
  EXPECT_EQ(lines16[36].find('\''), 24u);
  EXPECT_EQ(lines16[19], "'     www.tickwell.example");
  EXPECT_EQ(lines16[20], "' *");
  EXPECT_EQ(lines18[34], "  T0CON  = 0xC4          ' set TMR0 in 8bit mode, assign ");
  EXPECT_EQ(lines18[35], "  TRISB = 0              ' PORTB is output");
  EXPECT_EQ(lines18[36], "  PORTB = $FF            ' initialize PORTB");
}

struct LanguageRow {
  const char* name;
  Language language;
  QString title;
};

class SourceCodeLanguageTest : public testing::TestWithParam<LanguageRow> {};

TEST_P(SourceCodeLanguageTest, SetsTitleLineAndBoxes) {
  test::FakePlatform platform;
  SourceCodeWindow window(platform, nullptr);
  window.showLanguage(GetParam().language);
  EXPECT_EQ(window.titleLine(), GetParam().title);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tickwell: Source Code Example"));
  if (GetParam().language == Language::Basic) {
    EXPECT_EQ(window.tabText(1), SourceCodeWindow::exampleText(Family::Pic16));
    EXPECT_EQ(window.tabText(2), SourceCodeWindow::exampleText(Family::Pic18));
  } else {
    // A note that no example exists yet, naming the language.
    const QString name = GetParam().title.section(QLatin1Char(' '), 0, 0);
    for (int tab : {1, 2}) EXPECT_TRUE(window.textBox(tab)->toPlainText().contains(name)) << tab;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SourceCodeLanguageTest,
    testing::Values(LanguageRow{"Basic", Language::Basic, "mikroBasic source code example"},
                    LanguageRow{"Pascal", Language::Pascal, "mikroPascal source code example"},
                    LanguageRow{"C", Language::C, "mikroC source code example"},
                    LanguageRow{"PicBasic", Language::PicBasic, "PicBasic source code example"},
                    LanguageRow{"Assembler", Language::Assembler, "Assembler source code example"}),
    [](const testing::TestParamInfo<LanguageRow>& info) { return info.param.name; });

void clickTab(QTabWidget* tabs, int index) {
  QTabBar* bar = tabs->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
}

TEST(SourceCodeWindow, StartsOnPic16AndTabsSwitchTheShownBox) {
  test::FakePlatform platform;
  SourceCodeWindow window(platform, nullptr);
  window.basic();
  window.show();
  EXPECT_EQ(window.currentTab(), 1);
  EXPECT_TRUE(window.textBox(1)->isVisible());
  EXPECT_FALSE(window.textBox(2)->isVisible());

  clickTab(window.tabs(), 1);
  EXPECT_EQ(window.currentTab(), 2);
  EXPECT_FALSE(window.textBox(1)->isVisible());
  EXPECT_TRUE(window.textBox(2)->isVisible());

  const QPlainTextEdit* box = window.textBox(2);
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_TRUE(QFontInfo(box->font()).fixedPitch());
}

TEST(SourceCodeWindow, CopiesTheWholeTextOfTheShownTab) {
  for (const int tab : {1, 2}) {
    SCOPED_TRACE(tab);
    test::FakePlatform platform;
    SourceCodeWindow window(platform, nullptr);
    window.basic();
    window.show();
    clickTab(window.tabs(), tab - 1);
    QTest::mouseClick(window.copyButton(), Qt::LeftButton);
    EXPECT_EQ(platform.clipboardWrites, 1);
    EXPECT_EQ(platform.clipboard,
              SourceCodeWindow::exampleText(tab == 1 ? Family::Pic16 : Family::Pic18));
    const QTextCursor selection = window.textBox(tab)->textCursor();
    EXPECT_EQ(selection.selectionStart(), 0);
    EXPECT_EQ(selection.selectionEnd(), window.textBox(tab)->document()->characterCount() - 1);
    EXPECT_FALSE(window.textBox(3 - tab)->textCursor().hasSelection());
  }
}

TEST(SourceCodeWindow, CoverIsShownExactlyWhileTheWindowIsOpen) {
  struct Row {
    const char* how;
    std::function<void(SourceCodeWindow&)> close;
  };
  const Row rows[] = {
      {"Close button", [](SourceCodeWindow& w) { QTest::mouseClick(w.closeButton(), Qt::LeftButton); }},
      {"close control", [](SourceCodeWindow& w) { w.close(); }},
      {"Escape key", [](SourceCodeWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.how);
    test::FakePlatform platform;
    std::vector<bool> cover;
    {
      SourceCodeWindow window(platform, [&](bool shown) { cover.push_back(shown); });
      window.basic();
      EXPECT_TRUE(cover.empty());
      window.show();
      EXPECT_EQ(cover, std::vector<bool>{true});
      row.close(window);
      EXPECT_FALSE(window.isVisible());
      EXPECT_EQ(cover, (std::vector<bool>{true, false}));
    }
    EXPECT_EQ(cover, (std::vector<bool>{true, false}));
  }
}

TEST(SourceCodeWindow, EveryModalOpeningStartsOnPic16) {
  test::FakePlatform platform;
  std::vector<bool> cover;
  std::vector<int> tabAtOpening;
  const auto inside = [&](bool switchToPic18) {
    auto* window = qobject_cast<SourceCodeWindow*>(QApplication::activeModalWidget());
    if (!window) {
      ADD_FAILURE() << "no modal source code window";
      if (QWidget* other = QApplication::activeModalWidget()) other->close();
      return;
    }
    EXPECT_EQ(cover.back(), true);
    tabAtOpening.push_back(window->currentTab());
    if (switchToPic18) clickTab(window->tabs(), 1);
    QTest::mouseClick(window->closeButton(), Qt::LeftButton);
  };
  const auto coverSwitch = [&](bool shown) { cover.push_back(shown); };

  QTimer::singleShot(0, [&] { inside(true); });
  SourceCodeWindow::runModal(Language::Basic, platform, coverSwitch);
  QTimer::singleShot(0, [&] { inside(false); });
  SourceCodeWindow::runModal(Language::C, platform, coverSwitch);

  EXPECT_EQ(tabAtOpening, (std::vector<int>{1, 1}));
  EXPECT_EQ(cover, (std::vector<bool>{true, false, true, false}));
}

}  // namespace
}  // namespace tickwell
