#include "source_code_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QCryptographicHash>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/startup.h"
#include "calculator/calculator.h"
#include "main_window.h"
#include "test_support.h"

namespace tickwell {
namespace {

using Family = SourceCodeWindow::Family;
using Language = SourceCodeWindow::Language;

std::vector<std::string> splitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

// Every example file as stored, pinned by its SHA-256: any changed byte, a lost
// CR or a lost final line end fails here. The texts were reviewed against each
// compiler's documented syntax; the assembler ones also run in the simulator
// tests.
struct ExampleRow {
  const char* name;
  Language language;
  Family family;
  const char* sha256;
  int lines;
  const char* firstLine;
  const char* software;  // the "SW:" line: the compiler whose syntax the text follows
};

class ExampleFileTest : public testing::TestWithParam<ExampleRow> {};

TEST_P(ExampleFileTest, IsExactToTheByteWithCrLfLines) {
  const ExampleRow& row = GetParam();
  const std::string text = SourceCodeWindow::exampleText(row.language, row.family);
  const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
  EXPECT_EQ(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString(), row.sha256);
  const auto lines = splitCrLf(text);
  EXPECT_EQ(static_cast<int>(lines.size()), row.lines);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), row.firstLine);
  std::string rejoined;
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find_first_of("\r\n\t"), std::string::npos) << line;
    EXPECT_TRUE(line.empty() || line.back() != ' ' || row.language == Language::Basic) << "trailing blank: " << line;
    rejoined += line + "\r\n";
  }
  EXPECT_EQ(rejoined, text) << "every line, the last included, ends with CR LF";
  bool named = false;
  for (const std::string& line : lines) named = named || line.find(std::string("SW:              ") + row.software) != std::string::npos;
  EXPECT_TRUE(named) << row.software;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, ExampleFileTest,
    testing::Values(
        ExampleRow{"MikroBasic16", Language::Basic, Family::Pic16, "1aa743237b41bbefb8ac6bc27c5d718f74e65f2d5d342695e38b4dfd17abd642", 47, "' *", "mikroBasic v7.0"},
        ExampleRow{"MikroBasic18", Language::Basic, Family::Pic18, "d02e93cf8037a523374f87a57582941d79e1c2c541d9ac53f8309fcd86c51997", 48, "' *", "mikroBasic v7.0"},
        ExampleRow{"MikroPascal16", Language::Pascal, Family::Pic16, "3c1cdc18df0382f0af959194c8f0d14b423aa7ec8a7f9994ed2296584e565d17", 55, "{*", "mikroPascal PRO for PIC v7.1.0"},
        ExampleRow{"MikroPascal18", Language::Pascal, Family::Pic18, "dad3733f700809fc2a3234f2d23595281cdd14a048b262953bbb38f4f3561de7", 54, "{*", "mikroPascal PRO for PIC v7.1.0"},
        ExampleRow{"MikroC16", Language::C, Family::Pic16, "532c62db5fada8b5fbb6246e8295a3cf22106f3019adcb3dfa03b44954bca4f5", 50, "/*", "mikroC PRO for PIC v7.6.0"},
        ExampleRow{"MikroC18", Language::C, Family::Pic18, "37c584938acb5fedca03044855e8904713e6a1facb419df806e7538d54925ccc", 49, "/*", "mikroC PRO for PIC v7.6.0"},
        ExampleRow{"PicBasic16", Language::PicBasic, Family::Pic16, "a79315175fc665a9e660e7f946aafea2b95fdb5a0f05560ab3832d7664cc29fb", 60, "' *", "PICBASIC PRO Compiler 3.1"},
        ExampleRow{"PicBasic18", Language::PicBasic, Family::Pic18, "b9c75f951f8957d79409de5c2d4d373dde50ab2ef61d10190de985ce0b259dce", 59, "' *", "PICBASIC PRO Compiler 3.1"},
        ExampleRow{"Assembler16", Language::Assembler, Family::Pic16, "7acead60535eeb7017f15bfc7d1c931e925954c644739b92e486755a4c1bfbce", 92, "; *", "MPASM v5.87, gpasm 1.4.0"},
        ExampleRow{"Assembler18", Language::Assembler, Family::Pic18, "7db16a80135fe873e117a1e94c76ebfe82e8587ba632d4dfbfc69f994bb695a9", 76, "; *", "MPASM v5.87, gpasm 1.4.0"},
        ExampleRow{"XC8_16", Language::XC8, Family::Pic16, "16a7d1e6acf9d85f9e490362d3bf4e20b2107dead0b1f0b9d208332a25e2a778", 56, "/*", "MPLAB XC8 C Compiler v2.40, C99"},
        ExampleRow{"XC8_18", Language::XC8, Family::Pic18, "7ee55a3e18de74426afb5858dafcc6629f15323a8a27e837a032c0adee8a6c2e", 54, "/*", "MPLAB XC8 C Compiler v2.40, C99"}),
    [](const testing::TestParamInfo<ExampleRow>& info) { return info.param.name; });
// clang-format on

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
  const std::string pic16 = SourceCodeWindow::exampleText(GetParam().language, Family::Pic16);
  const std::string pic18 = SourceCodeWindow::exampleText(GetParam().language, Family::Pic18);
  ASSERT_FALSE(pic16.empty());
  ASSERT_FALSE(pic18.empty());
  EXPECT_NE(pic16, pic18);
  EXPECT_EQ(window.tabText(1), pic16);
  EXPECT_EQ(window.tabText(2), pic18);
  // The box shows the lines without their CR.
  EXPECT_EQ(window.textBox(2)->toPlainText().toStdString(),
            QString::fromStdString(pic18).remove(QLatin1Char('\r')).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SourceCodeLanguageTest,
    testing::Values(LanguageRow{"Basic", Language::Basic, "mikroBasic source code example"},
                    LanguageRow{"Pascal", Language::Pascal, "mikroPascal source code example"},
                    LanguageRow{"C", Language::C, "mikroC source code example"},
                    LanguageRow{"PicBasic", Language::PicBasic, "PicBasic source code example"},
                    LanguageRow{"Assembler", Language::Assembler, "Assembler source code example"},
                    LanguageRow{"XC8", Language::XC8, "XC8 source code example"}),
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
  for (const Language language : {Language::Basic, Language::Pascal, Language::C, Language::PicBasic,
                                  Language::Assembler, Language::XC8})
  for (const int tab : {1, 2}) {
    SCOPED_TRACE(tab);
    SCOPED_TRACE(static_cast<int>(language));
    test::FakePlatform platform;
    SourceCodeWindow window(platform, nullptr);
    window.showLanguage(language);
    window.show();
    clickTab(window.tabs(), tab - 1);
    QTest::mouseClick(window.copyButton(), Qt::LeftButton);
    EXPECT_EQ(platform.clipboardWrites, 1);
    EXPECT_EQ(platform.clipboard,
              SourceCodeWindow::exampleText(language, tab == 1 ? Family::Pic16 : Family::Pic18));
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


// The six example buttons of the main window: each opens its language's
// example, and the window with them still fits the smallest screen it allows.
TEST(ExampleButtons, EachOpensItsLanguageAndTheWindowFits1024x768) {
  test::FakePlatform platform;
  AppRecord app;
  initAppRecord(app);
  Calculator calc(app, platform);
  MainWindow window(app, calc, platform);
  calc.Form_Load();
  window.refresh();
  window.show();
  // Room within 1024 x 768 for the window frame and a title bar.
  EXPECT_LE(window.minimumSizeHint().width(), 1024 - 10);
  EXPECT_LE(window.minimumSizeHint().height(), 768 - 40);

  struct Row {
    const char* name;
    const char* title;
    const char* start;  // the opening of its PIC16 example's comment header
  };
  const Row buttons[] = {
      {"cmdBasic", "mikroBasic source code example", "' *"},
      {"cmdPascal", "mikroPascal source code example", "{*"},
      {"cmdC", "mikroC source code example", "/*"},
      {"cmdPicbasic", "PicBasic source code example", "' *"},
      {"cmdAssembler", "Assembler source code example", "; *"},
      {"cmdXC8", "XC8 source code example", "/*"},
  };
  for (const auto& [name, title, start] : buttons) {
    SCOPED_TRACE(name);
    auto* button = qobject_cast<QPushButton*>(window.widget(name));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), QStringLiteral("Should be available in Version 1.0"));
    QString shown;
    std::string pic16;
    QTimer::singleShot(0, [&] {
      auto* example = qobject_cast<SourceCodeWindow*>(QApplication::activeModalWidget());
      if (!example) {
        ADD_FAILURE() << "no modal source code window";
        return;
      }
      shown = example->titleLine();
      pic16 = example->tabText(1);
      QTest::mouseClick(example->closeButton(), Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(shown, QString::fromUtf8(title));
    EXPECT_TRUE(pic16.starts_with(std::string(start) + "\r\n")) << pic16.substr(0, 10);
  }
}

}  // namespace
}  // namespace tickwell
