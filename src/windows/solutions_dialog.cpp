#include "solutions_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tickwell {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

using Column = SolutionsTable::Column;

bool isNumber(Column c) { return c != Column::Timer && c != Column::Width; }

}  // namespace

SolutionsDialog::SolutionsDialog(SolutionsTable table, Apply apply, QWidget* parent)
    : QDialog(parent), model_(std::move(table)), onApply_(std::move(apply)) {
  setWindowTitle(QStringLiteral("Tickwell: All Solutions"));
  auto* page = new QVBoxLayout(this);

  heading_ = new QLabel(qs(model_.heading()));
  heading_->setTextFormat(Qt::PlainText);
  page->addWidget(heading_);

  auto* filters = new QHBoxLayout;
  filters->addWidget(new QLabel(QStringLiteral("Timers:")));
  for (std::size_t i = 0; i < model_.choices().size(); ++i) {
    auto* box = new QCheckBox(qs(model_.choiceCaption(i)));
    box->setChecked(model_.considers(i));
    connect(box, &QCheckBox::toggled, this, [this, i](bool on) {
      model_.consider(i, on);
      fill();
    });
    timers_.push_back(box);
    filters->addWidget(box);
  }
  filters->addSpacing(16);
  auto* tmr0 = new QCheckBox(QStringLiteral("TMR0 Adjust"));
  auto* pr2 = new QCheckBox(QStringLiteral("PR2 Adjust"));
  tmr0->setChecked(model_.request().tmr0Adjust);
  pr2->setChecked(model_.request().pr2Adjust);
  for (QCheckBox* box : {tmr0, pr2}) {
    connect(box, &QCheckBox::toggled, this, [this, tmr0, pr2] {
      model_.setAdjust(tmr0->isChecked(), pr2->isChecked());
      fill();
    });
    filters->addWidget(box);
  }
  filters->addSpacing(16);
  auto* byWindow = new QCheckBox(QStringLiteral("Window's figures"));
  byWindow->setToolTip(QStringLiteral("Rank by the window's own figures instead of the interval the chip produces"));
  byWindow->setChecked(model_.request().by == Figures::Window);
  connect(byWindow, &QCheckBox::toggled, this, [this](bool on) {
    model_.setFigures(on ? Figures::Window : Figures::Chip);
    heading_->setText(qs(model_.heading()));
    fill();
  });
  filters->addWidget(byWindow);
  exactOnly_ = new QCheckBox(QStringLiteral("Exact only"));
  connect(exactOnly_, &QCheckBox::toggled, this, [this](bool on) {
    model_.setExactOnly(on);
    fill();
  });
  filters->addWidget(exactOnly_);
  filters->addStretch();
  page->addLayout(filters);

  table_ = new QTableWidget(0, SolutionsTable::kColumnCount);
  QStringList headers;
  for (int c = 0; c < SolutionsTable::kColumnCount; ++c) headers << qs(std::string(SolutionsTable::header(Column(c))));
  table_->setHorizontalHeaderLabels(headers);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->setVisible(false);
  table_->horizontalHeader()->setSectionsClickable(true);
  table_->horizontalHeader()->setSortIndicatorShown(true);
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setAlternatingRowColors(true);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  // The columns take their contents' width and the last the rest, whatever
  // the rows: no blank strip after a sort or a new solve.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(SolutionsTable::kColumnCount - 1, QHeaderView::Stretch);
  connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) { sortBy(column); });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { applyRow(row); });
  page->addWidget(table_, 1);

  summary_ = new QLabel;
  summary_->setTextFormat(Qt::PlainText);
  page->addWidget(summary_);

  auto* buttons = new QDialogButtonBox;
  apply_ = buttons->addButton(QStringLiteral("Apply"), QDialogButtonBox::AcceptRole);
  // Enter applies the current row, wherever the focus is.
  apply_->setDefault(true);
  apply_->setToolTip(QStringLiteral("Put the selected configuration into the calculator"));
  buttons->addButton(QDialogButtonBox::Close);
  connect(apply_, &QPushButton::clicked, this, [this] { applyRow(table_->currentRow()); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(table_, &QTableWidget::currentCellChanged, this,
          [this](int row) { apply_->setEnabled(row >= 0 && row < table_->rowCount()); });
  page->addWidget(buttons);

  fill();
  resize(980, 560);
  // The table is where the user looks and moves: it has the focus, on the
  // first row.
  table_->setFocus();
}

void SolutionsDialog::fill() {
  table_->setUpdatesEnabled(false);
  table_->clearContents();
  table_->setRowCount(static_cast<int>(model_.rowCount()));
  for (std::size_t r = 0; r < model_.rowCount(); ++r) {
    for (int c = 0; c < SolutionsTable::kColumnCount; ++c) {
      auto* item = new QTableWidgetItem(qs(model_.cell(r, Column(c))));
      if (isNumber(Column(c))) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(static_cast<int>(r), c, item);
    }
  }
  table_->setUpdatesEnabled(true);
  if (table_->rowCount() > 0) table_->setCurrentCell(0, 0);
  apply_->setEnabled(table_->rowCount() > 0);
  summary_->setText(qs(model_.summary()));
}

void SolutionsDialog::sortBy(int column) {
  const auto c = Column(column);
  // A second click on the same column turns the order round.
  const bool ascending = model_.sortColumn() == c ? !model_.ascending() : true;
  model_.sortBy(c, ascending);
  table_->horizontalHeader()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
  fill();
}

void SolutionsDialog::applyRow(int row) {
  if (row < 0 || row >= static_cast<int>(model_.rowCount())) return;
  const Solution chosen = model_.solution(static_cast<std::size_t>(row));
  if (onApply_) onApply_(chosen);
  accept();
}

}  // namespace tickwell
