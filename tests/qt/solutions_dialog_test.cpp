// The solutions dialog from the calculator window: it opens for the wanted
// value of the search entries, its filters and sorting change the rows, and a
// row applied by "Apply" or a double-click leaves the window showing that
// row's period.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/result_texts.h"
#include "app/startup.h"
#include "calculator/calculator.h"
#include "main_window.h"
#include "solutions_dialog.h"
#include "test_support.h"

namespace tickwell {
namespace {

class SolutionsDialogTest : public test::MainWindowTestBase {
protected:
  void typeInto(const std::string& name, const QString& typed) {
    auto* edit = get<QLineEdit>(name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
  }
  // Clicks ALL SOLUTIONS and runs `inside` on the dialog while it is open.
  void withDialog(const std::function<void(SolutionsDialog&)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<SolutionsDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      ran = true;
      inside(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    QTest::mouseClick(get<QPushButton>("cmdSolutions"), Qt::LeftButton);
    EXPECT_TRUE(ran);
  }
  // 20 MHz and a wanted period of 1 ms.
  void wantOneMillisecond() {
    QTest::mouseClick(get<QRadioButton>("opFreq(10)"), Qt::LeftButton, {}, QPoint(6, 6));
    QTest::mouseClick(get<QPushButton>("btnSearchInt"), Qt::LeftButton);
    QTest::mouseClick(get<QPushButton>("btnSearchInt"), Qt::LeftButton);
    typeInto("txtSearchInt", "1");
  }
  QString shown(const std::string& label) { return get<QLabel>(label)->text(); }
};

TEST_F(SolutionsDialogTest, NothingWantedAsksForAValue) {
  QTest::mouseClick(get<QPushButton>("cmdSolutions"), Qt::LeftButton);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, "Type a wanted period or frequency into the search entries first.");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Information);
}

TEST_F(SolutionsDialogTest, ApplyPutsTheSelectedRowIntoTheWindow) {
  wantOneMillisecond();
  ASSERT_EQ(app.OscFreq, 20e6);
  Solution chosen;
  withDialog([&](SolutionsDialog& d) {
    EXPECT_EQ(d.table()->rowCount(), 35);
    EXPECT_EQ(d.summaryLabel()->text(), "35 solutions, 6 exact.");
    // Row 6: Timer2 1:4 1:9, PR2 139: 139 x 36 x 200 ns = 1.0008 ms.
    EXPECT_EQ(d.table()->item(6, 3)->text(), "1:9");
    d.table()->selectRow(6);
    chosen = d.model().solution(6);
    QTest::mouseClick(d.applyButton(), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_TRUE(get<QRadioButton>("opTmr(2)")->isChecked());
  EXPECT_EQ(get<QComboBox>("cbPre")->currentText(), "1:4");
  EXPECT_EQ(get<QComboBox>("cbPost")->currentText(), "1:9");
  EXPECT_EQ(get<QLineEdit>("txtRegVal")->text(), "139");
  EXPECT_EQ(shown("lblInterrupt"), "1.0008");
  EXPECT_EQ(shown("lblInterrupt").toStdString(), shownPeriod(chosen.result.periodNs, TimeUnit::Milliseconds));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SolutionsDialogTest, FiltersSortingAndDoubleClick) {
  wantOneMillisecond();
  withDialog([&](SolutionsDialog& d) {
    d.exactOnlyBox()->click();
    EXPECT_EQ(d.table()->rowCount(), 6);
    d.exactOnlyBox()->click();
    d.timerBox(1)->click();  // without Timer1
    EXPECT_EQ(d.table()->rowCount(), 31);
    // Largest error first: a second click on the header turns the order round.
    auto* header = d.table()->horizontalHeader();
    const int errorColumn = static_cast<int>(SolutionsTable::Column::ErrorPpm);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(errorColumn) + 5, header->height() / 2));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(errorColumn) + 5, header->height() / 2));
    EXPECT_EQ(header->sortIndicatorSection(), errorColumn);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    // 20 ticks of 256 cycles: Timer0 1:256, preload 236, 1.024 ms.
    EXPECT_EQ(d.table()->item(0, errorColumn)->text(), "+24,000");
    EXPECT_EQ(d.table()->item(0, 2)->text(), "1:256");
    const QRect cell = d.table()->visualItemRect(d.table()->item(0, 0));
    // An item view takes a double-click as the second click of a pair.
    QTest::mouseClick(d.table()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(d.table()->viewport(), Qt::LeftButton, {}, cell.center());
  });
  EXPECT_TRUE(get<QRadioButton>("opTmr(0)")->isChecked());
  EXPECT_EQ(get<QComboBox>("cbPre")->currentText(), "1:256");
  EXPECT_EQ(get<QLineEdit>("txtRegVal")->text(), "236");
  EXPECT_EQ(shown("lblInterrupt"), "1.024");
}

}  // namespace
}  // namespace tickwell
