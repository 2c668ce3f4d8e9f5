// The windows opened from the calculator window: modal, the source code window
// over the cover panel and copying its example whole; the solutions dialog
// putting a row into the window; a link opening only what it may.
#include "about_window.h"
#include "hyperlink.h"
#include "osc_mode_window.h"
#include "solutions_dialog.h"
#include "source_code_window.h"
#include "test_support.h"

namespace tickwell {
namespace {

using Language = SourceCodeWindow::Language;
using OtherWindowsTest = test::WindowTest;

TEST_F(OtherWindowsTest, EachOpensModallyAndTheSourceCodeWindowOverTheCoverPanel) {
  const QMetaObject& code = SourceCodeWindow::staticMetaObject;
  const struct {
    const char* button;
    const QMetaObject* window;         // its class
    std::optional<Language> language;  // of a source code window
  } rows[] = {
      {"cmdBasic", &code, Language::Basic},         {"cmdPascal", &code, Language::Pascal},
      {"cmdC", &code, Language::C},                 {"cmdPicbasic", &code, Language::PicBasic},
      {"cmdAssembler", &code, Language::Assembler}, {"cmdXC8", &code, Language::XC8},
      {"cmdCrystalModes", &OscModeWindow::staticMetaObject, std::nullopt},
      {"cmdInfo", &AboutWindow::staticMetaObject, std::nullopt},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.button);
    withModal(r.button, [&](QDialog& dialog) {
      EXPECT_STREQ(dialog.metaObject()->className(), r.window->className());
      EXPECT_EQ(w("p1")->isVisible(), r.language.has_value()) << "the cover panel";
      auto* code = qobject_cast<SourceCodeWindow*>(&dialog);
      if (!code) return;
      // "Copy all to clipboard" on the PIC18 tab: the example as stored, CR LF and all.
      QTabBar* tabs = code->tabs()->tabBar();
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
      click(code->copyButton());
      const std::string pic18 = SourceCodeWindow::exampleText(*r.language, SourceCodeWindow::Family::Pic18);
      EXPECT_NE(pic18.find("\r\n"), std::string::npos);
      EXPECT_EQ(platform.clipboard, pic18);
      click(code->closeButton());
    });
    EXPECT_FALSE(w("p1")->isVisible()) << "the cover panel after";
  }
}

TEST_F(OtherWindowsTest, ASolutionChosenInTheDialogIsPutIntoTheWindow) {
  for (const bool doubleClick : {false, true}) {
    SCOPED_TRACE(doubleClick ? "double-click" : "Apply");
    open();
    type(w("txtSearchInt"), "1000000");
    TimerSettings chosen;
    withModal("cmdSolutions", [&](QDialog& dialog) {
      auto& solutions = dynamic_cast<SolutionsDialog&>(dialog);
      QTableWidget* table = solutions.table();
      const int row = table->rowCount() - (doubleClick ? 3 : 1);
      ASSERT_GE(row, 1);
      chosen = solutions.model().solution(std::size_t(row)).settings;
      EXPECT_FALSE(chosen == settingsOf(window->state())) << "a row the window does not hold yet";
      table->scrollToItem(table->item(row, 0));
      const QPoint cell = table->visualItemRect(table->item(row, 0)).center();
      QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
      doubleClick ? QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell) : click(solutions.applyButton());
    });
    EXPECT_TRUE(settingsOf(window->state()) == chosen);
    EXPECT_EQ(test::shownWrongly(*window), "");
  }
}

TEST(Hyperlink, OpensOnlyWebAndMailAddresses) {
  const struct {
    const char* target;
    const char* opened;  // "" for none
  } rows[] = {
      {"www.a.example", "http://www.a.example"}, {"http://a.example/x?y", "http://a.example/x?y"},
      {"https://a.example", "https://a.example"}, {"mailto:dev@a.example", "mailto:dev@a.example"},
      {"WWW.a.example", ""}, {"HTTP://a.example", ""}, {" www.a.example", ""}, {"wwwa.example", ""},
      {"ftp://a.example", ""}, {"file:///etc/passwd", ""}, {"javascript:alert(1)", ""}, {"a.example", ""},
  };
  test::FakePlatform platform;
  HyperlinkLabel link(QStringLiteral("Homepage"), "", platform);
  link.show();
  for (const auto& r : rows) {
    SCOPED_TRACE(r.target);
    platform.opened.clear();
    link.setTarget(r.target);
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(platform.opened, *r.opened ? std::vector<std::string>{r.opened} : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace tickwell
