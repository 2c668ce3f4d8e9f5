// The solutions dialog: every configuration that reaches the wanted value of
// the search frame, in a table the user can sort, with an "exact only" filter,
// a choice of timers and of the two adjustments. Applying a row (double-click
// or "Apply") hands it to the calculator window, which puts it in through its
// own controls. What the table holds and how its cells read is SolutionsTable.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "app/solutions_table.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tickwell {

class SolutionsDialog : public QDialog {
  Q_OBJECT

public:
  using Apply = std::function<void(const Solution&)>;
  SolutionsDialog(SolutionsTable table, Apply apply, QWidget* parent = nullptr);

  const SolutionsTable& model() const { return model_; }
  QTableWidget* table() const { return table_; }
  QCheckBox* exactOnlyBox() const { return exactOnly_; }
  QCheckBox* timerBox(std::size_t choice) const { return timers_.at(choice); }
  QLabel* summaryLabel() const { return summary_; }
  QPushButton* applyButton() const { return apply_; }

private:
  // Shows the rows of the model.
  void fill();
  // Applies the row at `row` and closes.
  void applyRow(int row);
  void sortBy(int column);

  SolutionsTable model_;
  Apply onApply_;
  QLabel* heading_ = nullptr;
  QLabel* summary_ = nullptr;
  QTableWidget* table_ = nullptr;
  QCheckBox* exactOnly_ = nullptr;
  std::vector<QCheckBox*> timers_;
  QPushButton* apply_ = nullptr;
};

}  // namespace tickwell
