// The windows the calculator window opens: modal, the source code window over the cover panel copying its
// example whole, the solutions dialog putting a row into the window; a link opening only what it may.
#include "hyperlink.h"
#include "solutions_dialog.h"
#include "source_code_window.h"
#include "test_support.h"

namespace tickwell {
namespace {

using Language = SourceCodeWindow::Language;
using OtherWindowsTest = test::WindowTest;

TEST_F(OtherWindowsTest, EachOpensModallyAndTheSourceCodeWindowOverTheCoverPanel) {
  const char* const code = "tickwell::SourceCodeWindow";
  const struct { const char *button, *window; std::optional<Language> language; } rows[] = {  // window: its class
      {"cmdBasic", code, Language::Basic},         {"cmdPascal", code, Language::Pascal},
      {"cmdC", code, Language::C},                 {"cmdPicbasic", code, Language::PicBasic},
      {"cmdAssembler", code, Language::Assembler}, {"cmdXC8", code, Language::XC8},
      {"cmdCrystalModes", "tickwell::OscModeWindow", std::nullopt}, {"cmdInfo", "tickwell::AboutWindow", std::nullopt},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.button);
    withModal(r.button, [&](QDialog& dialog) {
      EXPECT_STREQ(dialog.metaObject()->className(), r.window);
      EXPECT_EQ(w("p1")->isVisible(), r.language.has_value()) << "the cover panel";
      auto* source = qobject_cast<SourceCodeWindow*>(&dialog);
      if (!source) return;
      // "Copy all to clipboard" on the PIC18 tab: the example as stored, CR LF and all.
      QTabBar* tabs = source->tabs()->tabBar();
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
      click(source->copyButton());
      const std::string pic18 = SourceCodeWindow::exampleText(*r.language, SourceCodeWindow::Family::Pic18);
      EXPECT_EQ(platform.clipboard, pic18);
      click(source->closeButton());
    });
    EXPECT_FALSE(w("p1")->isVisible()) << "the cover panel after";
  }
}

TEST_F(OtherWindowsTest, ASolutionChosenInTheDialogIsPutIntoTheWindow) {
  for (const std::string way : {"Apply", "double-click", "Enter"}) {
    SCOPED_TRACE(way);
    open();
    type(w("txtSearchInt"), "1000000");
    TimerSettings chosen;
    withModal("cmdSolutions", [&](QDialog& dialog) {
      auto& solutions = dynamic_cast<SolutionsDialog&>(dialog);
      QTableWidget* table = solutions.table();
      // It opens on the table's first row, which Enter applies.
      EXPECT_TRUE(dialog.focusWidget() == table && table->currentRow() == 0);
      const int row = way == "Enter" ? 0 : table->rowCount() - (way == "Apply" ? 1 : 3);
      chosen = solutions.model().solution(std::size_t(row)).settings;
      EXPECT_FALSE(chosen == settingsOf(window->state())) << "a row the window does not hold yet";
      if (way == "Enter") return QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
      table->scrollToItem(table->item(row, 0));
      const QPoint cell = table->visualItemRect(table->item(row, 0)).center();
      QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
      if (way == "Apply") click(solutions.applyButton());
      if (way == "double-click") QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
    });
    EXPECT_TRUE(settingsOf(window->state()) == chosen);
  }
}

TEST_F(OtherWindowsTest, ALinkOpensOnlyWebAndMailAddresses) {
  const std::pair<const char*, const char*> rows[] = {  // a target, and what a click or a key opens ("" nothing)
      {"www.a.example", "http://www.a.example"}, {"http://a.example/x?y", "http://a.example/x?y"},
      {"https://a.example", "https://a.example"}, {"mailto:dev@a.example", "mailto:dev@a.example"},
      {"WWW.a.example", ""}, {" www.a.example", ""}, {"wwwa.example", ""}, {"ftp://a.example", ""},
      {"javascript:alert(1)", ""}, {"a.example", ""},
  };
  HyperlinkLabel link(QStringLiteral("Homepage"), "", platform);
  link.show();
  for (const auto& [target, opened] : rows) {
    platform.opened.clear();
    link.setTarget(target);
    QTest::mouseClick(&link, Qt::LeftButton);
    QTest::keyClick(&link, Qt::Key_Space);  // once Tab has reached it
    QTest::keyClick(&link, Qt::Key_Return);
    EXPECT_EQ(platform.opened, *opened ? std::vector<std::string>(3, opened) : std::vector<std::string>{}) << target;
  }
}

}  // namespace
}  // namespace tickwell
