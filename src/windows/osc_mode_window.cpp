#include "osc_mode_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "icons.h"

namespace tickwell {

namespace {

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kColumns = 4;

}  // namespace

OscModeWindow::OscModeWindow(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
  setWindowTitle(QStringLiteral("OSCILLATOR CONFIGURATION"));
  setWindowIcon(tickwellIcon());
  setModal(true);

  Ts1 = new QTabWidget(this);
  optOSCType = new QButtonGroup(this);
  const std::array<QString, 2> tabCaptions{QStringLiteral("PIC16 Series"), QStringLiteral("PIC18 Series")};
  for (std::size_t family = 0; family < frMode.size(); ++family) {
    auto* page = new QWidget(Ts1);
    auto* frame = new QGroupBox(QStringLiteral("Oscillator modes"), page);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(18);
    const std::size_t first = family == 0 ? 0 : kPic16ModeCount;
    const std::size_t last = family == 0 ? kPic16ModeCount : kOscModes.size();
    for (std::size_t i = first; i < last; ++i) {
      auto* option = new QRadioButton(toQString(kOscModes[i].caption), frame);
      const int slot = static_cast<int>(i - first);
      grid->addWidget(option, slot / kColumns, slot % kColumns);
      optOSCType->addButton(option, static_cast<int>(i));
    }
    // Both lists take the height of the longer one, so the window keeps its size.
    grid->setRowStretch(3, 1);
    for (int column = 0; column < kColumns; ++column) grid->setColumnStretch(column, 1);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(frame);
    frMode[family] = frame;
    Ts1->addTab(page, tabCaptions[family]);
  }
  connect(optOSCType, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    // The selected mode is shown in bold, as in every option group.
    QAbstractButton* button = optOSCType->button(id);
    QFont f = button->font();
    f.setBold(checked);
    button->setFont(f);
    if (checked) optOSCType_Click(id);
  });
  connect(Ts1, &QTabWidget::currentChanged, this, &OscModeWindow::Ts1_Click);

  auto* Frame1 = new QGroupBox(this);
  lblType = new QLabel(Frame1);
  lblType->setWordWrap(true);
  lblType->setTextFormat(Qt::PlainText);
  lblType->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // Two lines always: the longest descriptions wrap, and the window does not jump.
  lblType->setMinimumHeight(lblType->fontMetrics().lineSpacing() * 2 + 4);
  auto* frameLayout = new QVBoxLayout(Frame1);
  frameLayout->addWidget(lblType);

  cmdClose = new QPushButton(QStringLiteral("&Close"), this);
  cmdClose->setDefault(true);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdClose);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Ts1);
  layout->addWidget(Frame1);
  layout->addLayout(buttons);
  setMinimumWidth(560);

  // First state: the PIC16 list with "LP" picked.
  Ts1->setCurrentIndex(0);
  CurTab = 1;
  modeButton(0)->setChecked(true);
  optOSCType_Click(0);
}

QRadioButton* OscModeWindow::modeButton(int index) const {
  return qobject_cast<QRadioButton*>(optOSCType->button(index));
}

int OscModeWindow::selectedMode() const { return optOSCType->checkedId(); }

QString OscModeWindow::description() const { return lblType->text(); }

void OscModeWindow::optOSCType_Click(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= kOscModes.size()) return;
  lblType->setText(toQString(kOscModes[static_cast<std::size_t>(index)].description));
}

void OscModeWindow::Ts1_Click(int tabIndex) {
  CurTab = tabIndex + 1;
  const int first = (CurTab - 1) * static_cast<int>(kPic16ModeCount);
  modeButton(first)->setChecked(true);
  optOSCType_Click(first);
}

void OscModeWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous() || placed_) return;
  placed_ = true;
  const ScreenSize screen = platform_.screenSize();
  if (screen.width > 0 && screen.height > 0)
    move(screen.width / 2 - width() / 2, screen.height / 2 - height() / 2);
}

}  // namespace tickwell
