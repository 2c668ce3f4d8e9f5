// The arrangement of the calculator window: inputs left to right in the order
// a user thinks (timer, clock, scalers, preload, corrections), the results on
// the right where the eye looks first, the search, the listings and the
// commands below.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "about_window.h"
#include "app/startup.h"
#include "forms/gestures.h"
#include "calculator/render.h"
#include "hyperlink.h"
#include "icons.h"
#include "main_window.h"
#include "osc_mode_window.h"
#include "solutions_dialog.h"
#include "source_code_window.h"

namespace tickwell {

namespace {

template <class L>
L* tight(L* layout, int margin = 6) {
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->setSpacing(4);
  return layout;
}

QWidget* fixedWidth(QWidget* w, int width) {
  w->setFixedWidth(width);
  return w;
}

// A result value: larger, right-aligned.
QWidget* resultValue(QWidget* w, int pointSize, const char* widest) {
  QFont f = w->font();
  f.setPointSize(pointSize);
  f.setBold(true);
  w->setFont(f);
  if (auto* l = qobject_cast<QLabel*>(w)) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  MainWindow::reserveWidth(w, QString::fromLatin1(widest));
  return w;
}

// A label that takes the width of the widest of the texts it shows.
QWidget* widthOf(QWidget* w, std::initializer_list<const char*> texts) {
  int width = 0;
  for (const char* t : texts) width = std::max(width, w->fontMetrics().horizontalAdvance(QString::fromUtf8(t)));
  w->setMinimumWidth(width + 2);
  return w;
}

// A row of widgets with a stretch before the widget at `stretchAt`.
QHBoxLayout* row(std::initializer_list<QWidget*> widgets, int stretchAt) {
  auto* l = new QHBoxLayout;
  l->setSpacing(4);
  int i = 0;
  for (QWidget* w : widgets) {
    if (i++ == stretchAt) l->addStretch();
    l->addWidget(w);
  }
  return l;
}

}  // namespace

void MainWindow::build() {
  WindowView& c = view_;
  auto* central = new QWidget;
  page_ = central;
  setCentralWidget(central);
  auto* page = tight(new QVBoxLayout(central), 6);

  // --- timer, width and family
  auto* top = new QHBoxLayout;
  top->setSpacing(6);
  {
    QGroupBox* g = frame(c.frTimers);
    // The generic timer options, or in their place the chip's timers.
    auto* options = new QWidget;
    auto* l = tight(new QHBoxLayout(options), 0);
    for (int i = 0; i < static_cast<int>(c.opTmr.size()); ++i) l->addWidget(option(c.opTmr, i));
    auto* chipTimers = new QWidget;
    auto* cl = tight(new QHBoxLayout(chipTimers), 0);
    cl->addWidget(chipTimerList());
    cl->addStretch();
    tight(new QHBoxLayout(g))->addWidget(MainWindow::place({options, chipTimers}));
    top->addWidget(g, 3);
  }
  {
    QGroupBox* g = frame(c.frMode);
    auto* l = tight(new QHBoxLayout(g));
    for (int i = 0; i < static_cast<int>(c.opMode.size()); ++i) l->addWidget(option(c.opMode, i));
    top->addWidget(g, 2);
  }
  {
    QGroupBox* g = frame(c.frFamily);
    auto* l = tight(new QHBoxLayout(g));
    l->addWidget(option(c.family, 0));
    l->addWidget(option(c.family, 1));
    auto* chip = new QLabel(QStringLiteral("&Device:"));
    QWidget* chooser = deviceChooser(c.device.chooser);
    chip->setBuddy(chooser);
    l->addWidget(chip);
    l->addWidget(chooser, 1);
    top->addWidget(g, 3);
  }
  page->addLayout(top);

  // --- inputs (left) and results (right)
  auto* middle = new QHBoxLayout;
  middle->setSpacing(6);
  auto* inputs = new QVBoxLayout;
  inputs->setSpacing(4);

  auto* clockAndScalers = new QHBoxLayout;
  clockAndScalers->setSpacing(6);
  {
    QGroupBox* g = frame(c.frOsc);
    auto* grid = tight(new QGridLayout(g));
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    for (int i = 0; i < 15; ++i)
      grid->addWidget(option(c.opFreq, i), i % 4, i / 4);
    auto* other = new QHBoxLayout;
    other->setSpacing(4);
    other->addWidget(option(c.opFreq, 15));
    other->addWidget(fixedWidth(textBox(c.txtFreq), 80));
    other->addWidget(label(c.lblInputOSC, LabelKind::Clickable));
    other->addStretch();
    other->addWidget(checkBox(c.chkFosc));
    grid->addLayout(other, 4, 0, 1, 4);
    clockAndScalers->addWidget(g);
  }
  {
    auto* scalers = new QVBoxLayout;
    scalers->setSpacing(4);
    QGroupBox* pre = frame(c.frPrescaler);
    auto* pl = tight(new QGridLayout(pre));
    pl->addWidget(comboBox(c.cbPre), 0, 0);
    pl->addWidget(fixedWidth(textBox(c.txtPreBits, true), 44), 0, 1);
    pl->addWidget(MainWindow::place({label(c.lblOff1)}), 0, 2);
    pl->addWidget(MainWindow::place({label(c.lblWDT)}), 1, 0, 1, 3);
    pl->setColumnStretch(3, 1);
    scalers->addWidget(pre);
    QGroupBox* post = frame(c.frPostscaler);
    auto* ql = tight(new QGridLayout(post));
    ql->addWidget(comboBox(c.cbPost), 0, 0);
    ql->addWidget(fixedWidth(textBox(c.txtPostBits, true), 44), 0, 1);
    ql->addWidget(MainWindow::place({label(c.lblOff2)}), 0, 2);
    ql->setColumnStretch(3, 1);
    scalers->addWidget(post);
    scalers->addStretch();
    clockAndScalers->addLayout(scalers);
  }
  inputs->addLayout(clockAndScalers);

  {
    QGroupBox* g = frame(c.frPreload);
    auto* grid = tight(new QGridLayout(g));
    grid->addWidget(fixedWidth(button(c.cmdL), 28), 0, 0);
    grid->addWidget(slider(c.sl1), 0, 1);
    grid->addWidget(fixedWidth(button(c.cmdR), 28), 0, 2);
    grid->addWidget(fixedWidth(textBox(c.txtRegVal), 64), 0, 3);
    grid->addWidget(button(c.cmdSl1Min), 0, 4);
    grid->addWidget(button(c.cmdSl1Max), 0, 5);
    grid->setColumnStretch(1, 1);
    // TMR0 Adjust (Timer0) and PR2 Adjust (Timer2) share one place, which
    // stays when neither is shown: nothing below moves with the timer.
    auto* adjust = new QGridLayout;
    adjust->setHorizontalSpacing(6);
    std::vector<QWidget*> notes;
    for (LabelView* note : {&c.lblNoteTMR0, &c.lblNotePR2}) {
      notes.push_back(label(*note, LabelKind::Wrapped));
      QFont f = notes.back()->font();
      f.setPointSizeF(f.pointSizeF() * 0.85);
      notes.back()->setFont(f);
    }
    adjust->addWidget(MainWindow::place({checkBox(c.chkTMR0), checkBox(c.chkPR2)}), 0, 0, Qt::AlignTop);
    adjust->addWidget(MainWindow::place({notes[0], notes[1]}), 0, 1);
    adjust->setColumnStretch(1, 1);
    grid->addLayout(adjust, 1, 0, 1, 6);
    inputs->addWidget(g);
  }

  auto* corrections = new QHBoxLayout;
  corrections->setSpacing(6);
  {
    QGroupBox* g = frame(c.frTimeout);
    auto* l = tight(new QHBoxLayout(g));
    l->addWidget(slider(c.slTimeout), 1);
    l->addWidget(fixedWidth(textBox(c.txtTimeout), 44));
    corrections->addWidget(g, 3);
  }
  {
    QGroupBox* g = frame(c.frOverhead);
    auto* l = tight(new QHBoxLayout(g));
    l->addWidget(fixedWidth(textBox(c.txtOverhead), 64));
    l->addWidget(label(c.lblISRMax));
    l->addStretch();
    corrections->addWidget(g, 2);
  }
  {
    QGroupBox* g = frame(c.frValues);
    auto* grid = tight(new QGridLayout(g));
    grid->setVerticalSpacing(1);
    grid->addWidget(label(c.lblTmrH), 0, 1, Qt::AlignHCenter);
    grid->addWidget(label(c.lblTmrL), 0, 2, Qt::AlignHCenter);
    grid->addWidget(label(c.lblHexTxt), 1, 0);
    grid->addWidget(fixedWidth(textBox(c.txtHexH, true), 44), 1, 1);
    grid->addWidget(fixedWidth(textBox(c.txtHexL, true), 44), 1, 2);
    grid->addWidget(label(c.lblDecTxt), 1, 3);
    grid->addWidget(fixedWidth(textBox(c.txtDecH, true), 44), 1, 4);
    grid->addWidget(fixedWidth(textBox(c.txtDecL, true), 44), 1, 5);
    grid->addWidget(label(c.lblBinTxt), 2, 0);
    grid->addWidget(textBox(c.txtBin, true), 2, 1, 1, 5);
    corrections->addWidget(g, 4);
  }
  inputs->addLayout(corrections);
  middle->addLayout(inputs, 3);

  {
    QGroupBox* g = frame(c.frResult);
    auto* l = tight(new QVBoxLayout(g));
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    int r = 0;
    // The values as wide as those of the oscillators typed in Hz (up to
    // 480 MHz) and of a 32 kHz crystal's slowest tick.
    for (auto [caption, value, unit] : {std::tuple{&c.lblCycleTxt, &c.lblCycle, &c.LabelCycle},
                                        std::tuple{&c.lblFreqTxt, &c.lblFreq, &c.LabelHz},
                                        std::tuple{&c.lblClockFreqTxt, &c.lblClockFreq, &c.LabelHz2}}) {
      grid->addWidget(label(*caption), r, 0);
      grid->addWidget(resultValue(label(*value, LabelKind::Value), 10, "999,999,999"), r, 1);
      grid->addWidget(widthOf(label(*unit, LabelKind::Clickable), {"MHz", "kHz", "\xC2\xB5s"}), r, 2);
      ++r;
    }
    grid->setColumnStretch(1, 1);
    l->addLayout(grid);
    for (auto [fr, value, unit] : {std::tuple{&c.frInterrupt, &c.lblInterrupt, &c.btnInterrupt},
                                   std::tuple{&c.frHertz, &c.lblHz, &c.btnHertz}}) {
      QGroupBox* box = frame(*fr);
      auto* bl = tight(new QHBoxLayout(box), 4);
      bl->addWidget(resultValue(label(*value, LabelKind::Value), 14, "99,999,999,999"), 1);
      bl->addWidget(button(*unit, true));
      l->addWidget(box);
    }
    {
      QGroupBox* box = frame(c.frTmrPreload);
      auto* bl = tight(new QHBoxLayout(box), 4);
      bl->addWidget(widthOf(label(c.lblTicks2Int), {"Cycles to interrupt:", "Counts to TMR2 Reset:"}));
      bl->addWidget(resultValue(label(c.lblToInterrupt, LabelKind::Value), 10, "65536"), 1);
      l->addWidget(box);
    }
    l->addWidget(label(c.lblChip));
    auto* adjusted = static_cast<QLabel*>(label(c.lblAdjust));
    adjusted->setAlignment(Qt::AlignCenter);
    adjusted->setStyleSheet("color: #b00000; font-weight: bold;");
    l->addWidget(MainWindow::place({adjusted}));
    l->addStretch();
    middle->addWidget(g, 2);
  }
  page->addLayout(middle);

  // --- search and its limits
  {
    auto* searchRow = new QHBoxLayout;
    searchRow->setSpacing(6);
    QGroupBox* g = frame(c.frSearch);
    auto* grid = tight(new QGridLayout(g));
    grid->addLayout(row({fixedWidth(textBox(c.txtSearchInt), 100), button(c.btnSearchInt, true),
                         label(c.lblOr), fixedWidth(textBox(c.txtSearchFreq), 100),
                         button(c.btnSearchHertz, true), button(c.cmdSearch), button(c.cmdSolutions)},
                        6),
                    0, 0);
    // As wide as a common result; a longer one is drawn smaller, so that no
    // search moves the window.
    auto* achieved = label(c.lblSearchError, LabelKind::Value);
    MainWindow::reserveWidth(achieved, QStringLiteral("Achieved 12,352,000 ns, error +512.082 ppm"));
    static_cast<QLabel*>(achieved)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    achieved->setToolTip(QStringLiteral("What the last search set, against the wanted value"));
    grid->addLayout(row({checkBox(c.chkUseScaler), achieved}, 2), 1, 0);
    searchRow->addWidget(g, 3);

    QGroupBox* limits = frame(c.FrMinMax);
    auto* lg = tight(new QGridLayout(limits));
    lg->setVerticalSpacing(1);
    // Periods on the first row, frequencies on the second; minimum, then maximum.
    struct Limit {
      LabelView* caption;
      LabelView* value;
      LabelView* unit;
      int row;
      int column;
    };
    for (const Limit& limit : {
             Limit{&c.lblMin1, &c.lblMin, &c.lblMinTxt, 0, 0},
             Limit{&c.lblMax1, &c.lblMax, &c.lblMaxTxt, 0, 3},
             Limit{&c.lblMin2, &c.lblMinFreq, &c.lblMinTxtFreq, 1, 0},
             Limit{&c.lblMax2, &c.lblMaxFreq, &c.lblMaxTxtFreq, 1, 3},
         }) {
      lg->addWidget(label(*limit.caption), limit.row, limit.column);
      lg->addWidget(resultValue(label(*limit.value, LabelKind::Value), 9, "999,999,999.99"), limit.row, limit.column + 1);
      lg->addWidget(widthOf(label(*limit.unit), {"MHz", "kHz", "\xC2\xB5s", "ms"}), limit.row, limit.column + 2);
    }
    searchRow->addWidget(limits, 2);
    page->addLayout(searchRow);
  }

  // --- listings
  {
    auto* listings = new QHBoxLayout;
    listings->setSpacing(6);
    QGroupBox* lang = frame(c.FrLanguage);
    auto* ll = tight(new QVBoxLayout(lang));
    ll->addWidget(comboBox(c.cbComment));
    // The listing shown, byte for byte (CR LF line ends), as the example
    // window's "Copy all to clipboard" copies its example.
    QPushButton* copy = pushButton(QStringLiteral("Copy to clipboard"));
    copy->setToolTip(QStringLiteral("Copy the listing shown, ready to paste into a program"));
    QObject::connect(copy, &QPushButton::clicked, this, [this] {
      for (const TextBoxView& box : view_.txtTimer)
        if (box.visible) platform_.setClipboardText(box.text);
      if (view_.device.listing.visible) platform_.setClipboardText(view_.device.listing.text);
    });
    keep("cmdCopyListing", copy);
    ll->addWidget(copy);
    ll->addStretch();
    listings->addWidget(lang, 0, Qt::AlignTop);

    auto* tabs = new QVBoxLayout;
    tabs->setSpacing(0);
    tabBar_ = listingTabs();
    keep(nameOf(&c.Ts1), tabBar_);
    tabs->addWidget(tabBar_);
    QWidget* box = listingBoxes(c.txtTimer, c.device.listing);
    box->setMinimumHeight(150);
    tabs->addWidget(box, 1);
    listings->addLayout(tabs, 1);
    page->addLayout(listings, 1);
  }

  // --- commands
  {
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    QGroupBox* code = frame(c.frCode);
    auto* cl = tight(new QHBoxLayout(code));
    for (ButtonView* b : {&c.cmdBasic, &c.cmdPascal, &c.cmdC, &c.cmdPicbasic, &c.cmdAssembler, &c.cmdXC8})
      cl->addWidget(button(*b));
    bottom->addWidget(code);
    // The other commands stand on the line of the example buttons: lifted by
    // what the frame keeps below its buttons, the link centred among them.
    auto* commands = new QHBoxLayout;
    commands->setSpacing(6);
    code->ensurePolished();
    commands->setContentsMargins(0, 0, 0, code->contentsMargins().bottom() + cl->contentsMargins().bottom());
    commands->addWidget(button(c.cmdCrystalModes), 0, Qt::AlignVCenter);
    commands->addStretch();
    auto* link = new HyperlinkLabel(QStringLiteral("Homepage"), kHomePage, platform_);
    link->setToolTip(QStringLiteral("Click here to check on homepage for update."));
    keep("txtHyperlink", link);
    commands->addWidget(link, 0, Qt::AlignVCenter);
    for (ButtonView* b : {&c.cmdInfo, &c.cmdResetData, &c.cmdExit})
      commands->addWidget(button(*b), 0, Qt::AlignVCenter);
    bottom->addLayout(commands, 1);
    bottom->setAlignment(commands, Qt::AlignBottom);
    page->addLayout(bottom);
  }

  // The cover panel lies over the whole window while the example window is open.
  cover_ = new QWidget(central);
  cover_->setObjectName("p1");
  cover_->setAttribute(Qt::WA_StyledBackground);
  cover_->setStyleSheet("#p1 { background-color: rgba(40, 50, 70, 110); }");
  cover_->hide();
  refreshers_.push_back([this] {
    if (cover_->isVisible() != coverShown_) {
      cover_->setGeometry(cover_->parentWidget()->rect());
      cover_->raise();
      cover_->setVisible(coverShown_);
    }
  });
  keep(nameOf(&c.p1), cover_);
  refreshers_.push_back([this] {
    const QString caption = QString::fromStdString(view_.frmCalculator.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
  });

  // Enter in either search entry searches.
  for (TextBoxView* entry : {&c.txtSearchInt, &c.txtSearchFreq})
    QObject::connect(static_cast<QLineEdit*>(widget(nameOf(entry))), &QLineEdit::returnPressed, this,
                     [this] { act(action::Press{action::Command::Search}); });
  setReadingOrder();
}

std::vector<QWidget*> MainWindow::readingOrder() const {
  const WindowView& c = view_;
  std::vector<QWidget*> order;
  auto add = [&](const void* control) { order.push_back(widget(nameOf(control))); };
  auto addGroup = [&](const auto& group) {
    for (const OptionView& o : group) add(&o);
  };
  // The top row, then the inputs as a user thinks them (clock, scalers,
  // preload, corrections, the preload's views), the results beside them, the
  // search, the listings and the commands at the bottom.
  addGroup(c.opTmr);
  order.push_back(widget("cbChipTimer"));
  addGroup(c.opMode);
  addGroup(c.family);
  order.push_back(widget("cbDevice"));
  addGroup(c.opFreq);
  for (const void* control : std::initializer_list<const void*>{
           &c.txtFreq, &c.lblInputOSC, &c.chkFosc, &c.cbPre, &c.txtPreBits, &c.cbPost, &c.txtPostBits, &c.cmdL,
           &c.sl1, &c.cmdR, &c.txtRegVal, &c.cmdSl1Min, &c.cmdSl1Max, &c.chkTMR0, &c.chkPR2, &c.slTimeout,
           &c.txtTimeout, &c.txtOverhead, &c.txtHexH, &c.txtHexL, &c.txtDecH, &c.txtDecL, &c.txtBin,
           &c.LabelCycle, &c.LabelHz, &c.LabelHz2, &c.btnInterrupt, &c.btnHertz, &c.txtSearchInt,
           &c.btnSearchInt, &c.txtSearchFreq, &c.btnSearchHertz, &c.cmdSearch, &c.cmdSolutions, &c.chkUseScaler,
           &c.cbComment})
    add(control);
  order.push_back(widget("cmdCopyListing"));
  add(&c.Ts1);
  for (const TextBoxView& box : c.txtTimer) add(&box);
  order.push_back(widget("txtChipListing"));
  for (const ButtonView* b : {&c.cmdBasic, &c.cmdPascal, &c.cmdC, &c.cmdPicbasic, &c.cmdAssembler, &c.cmdXC8,
                              &c.cmdCrystalModes})
    add(b);
  order.push_back(widget("txtHyperlink"));
  for (const ButtonView* b : {&c.cmdInfo, &c.cmdResetData, &c.cmdExit}) add(b);
  return order;
}

void MainWindow::setReadingOrder() {
  // Listing boxes not shown yet are not made yet.
  std::vector<QWidget*> order = readingOrder();
  std::erase(order, nullptr);
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::wireOtherWindows() {
  auto cover = [this](bool shown) {
    coverShown_ = shown;
    showView();
  };
  WindowView& c = view_;
  auto pushButton = [this](ButtonView& b) { return static_cast<QPushButton*>(widget(nameOf(&b))); };
  const std::pair<ButtonView*, SourceCodeWindow::Language> languages[] = {
      {&c.cmdBasic, SourceCodeWindow::Language::Basic},         {&c.cmdPascal, SourceCodeWindow::Language::Pascal},
      {&c.cmdC, SourceCodeWindow::Language::C},                 {&c.cmdPicbasic, SourceCodeWindow::Language::PicBasic},
      {&c.cmdAssembler, SourceCodeWindow::Language::Assembler}, {&c.cmdXC8, SourceCodeWindow::Language::XC8},
  };
  for (const auto& [b, language] : languages) {
    QObject::connect(pushButton(*b), &QPushButton::clicked, this,
                     [this, language, cover] { SourceCodeWindow::runModal(language, platform_, cover, this); });
  }
  QObject::connect(pushButton(c.cmdCrystalModes), &QPushButton::clicked, this, [this] {
    if (!oscWindow_) oscWindow_ = new OscModeWindow(platform_, this);
    oscWindow_->exec();
  });
  QObject::connect(pushButton(c.cmdInfo), &QPushButton::clicked, this,
                   [this] { AboutWindow::runModal(platform_, this); });
  QObject::connect(pushButton(c.cmdSolutions), &QPushButton::clicked, this, [this] { openSolutions(); });
}

void MainWindow::openSolutions() {
  const auto request = solveRequest(state_);
  if (!request) {
    platform_.messageBox("Type a wanted period or frequency into the search entries first.", MsgIcon::Information,
                         MsgButtons::Ok, kAppName);
    return;
  }
  SolutionsDialog dialog(SolutionsTable(*request, state_.periodUnit, state_.frequencyUnit),
                         [this, wanted = request->wanted](const Solution& s) {
                           act(action::ApplySettings{s.settings, wanted});
                         },
                         this);
  dialog.exec();
}

}  // namespace tickwell
