#include "main_window.h"

#include <algorithm>
#include <map>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QStackedLayout>
#include <QStandardItemModel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QSlider>
#include <QTabBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QVBoxLayout>

#include "about_window.h"
#include "forms/gestures.h"
#include "calculator/render.h"
#include "hyperlink.h"
#include "icons.h"
#include "osc_mode_window.h"
#include "source_code_window.h"

namespace tickwell {

namespace {

const QColor kYellow(255, 255, 0);

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Draws the style's focus frame around a widget that has the focus.
void paintFocusFrame(QWidget* w) {
  if (!w->hasFocus()) return;
  QStylePainter painter(w);
  QStyleOptionFocusRect option;
  option.initFrom(w);
  option.backgroundColor = w->palette().color(QPalette::Window);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

bool activates(const QKeyEvent* event) {
  return event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// A label that remembers its size hints for each text it has shown: result
// and unit captions cycle through a few texts, and QLabel lays the text out
// anew for every hint after every change of text.
class HintCachingLabel : public QLabel {
public:
  using QLabel::QLabel;
  QSize sizeHint() const override { return hints().first; }
  QSize minimumSizeHint() const override { return hints().second; }

private:
  const std::pair<QSize, QSize>& hints() const {
    if (font() != font_) {
      font_ = font();
      cache_.clear();
    }
    auto it = cache_.find(text());
    if (it == cache_.end()) it = cache_.emplace(text(), std::pair{QLabel::sizeHint(), QLabel::minimumSizeHint()}).first;
    return it->second;
  }
  mutable std::map<QString, std::pair<QSize, QSize>> cache_;
  mutable QFont font_;
};

// An option button as wide as its text in bold: the selected option of a
// group turns bold, and no column of options widens with the selection. Its
// hint is measured once for each text and size.
class HintCachingRadio : public QRadioButton {
public:
  using QRadioButton::QRadioButton;
  QSize sizeHint() const override {
    if (text() != text_ || font().pointSizeF() != pointSize_) {
      text_ = text();
      pointSize_ = font().pointSizeF();
      QFont bold = font();
      bold.setBold(true);
      const int extra = QFontMetrics(bold).horizontalAdvance(text_) - fontMetrics().horizontalAdvance(text_);
      hint_ = QRadioButton::sizeHint() + QSize(font().bold() ? 0 : std::max(0, extra), 0);
    }
    return hint_;
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

private:
  mutable QString text_;
  mutable qreal pointSize_ = -1;
  mutable QSize hint_;
};

// A label that answers clicks, for the unit captions: reachable with Tab,
// shows a focus frame, and acts on Space and Enter as on a click.
class ClickLabel : public HintCachingLabel {
public:
  std::function<void()> onClick;
  using HintCachingLabel::HintCachingLabel;

protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    HintCachingLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (activates(event) && onClick) {
      onClick();
      return;
    }
    HintCachingLabel::keyPressEvent(event);
  }
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    paintFocusFrame(this);
  }
};

// A result value: it always takes the width of the widest text it is meant to
// show, so that no value moves the window's layout, and a text wider still
// (an extreme oscillator) is drawn in a smaller font rather than cut off.
class ValueLabel : public QLabel {
public:
  using QLabel::QLabel;
  void setWidest(const QString& widest) {
    widest_ = widest;
    width_ = -1;
    updateGeometry();
  }
  QSize sizeHint() const override {
    if (height_ < 0 || font() != font_) {
      const QMargins m = contentsMargins();
      height_ = fontMetrics().height() + 2 * margin() + m.top() + m.bottom();
    }
    return {widestWidth(), height_};
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

protected:
  void paintEvent(QPaintEvent* event) override {
    const QRect area = contentsRect();
    const int needed = fontMetrics().horizontalAdvance(text());
    if (needed <= area.width()) {
      QLabel::paintEvent(event);
      return;
    }
    QPainter painter(this);
    QFont smaller = font();
    smaller.setPointSizeF(std::max(4.0, font().pointSizeF() * area.width() / needed));
    painter.setFont(smaller);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, static_cast<int>(alignment()), text());
  }

private:
  int widestWidth() const {
    if (font() != font_ || width_ < 0) {
      font_ = font();
      const QMargins m = contentsMargins();
      width_ = fontMetrics().horizontalAdvance(widest_) + m.left() + m.right() + 2 * margin() + 2;
    }
    return width_;
  }
  QString widest_;
  mutable QFont font_;
  mutable int width_ = -1;
  mutable int height_ = -1;
};

// A frame that measures its title once for each title and font: a layout
// pass asks every frame for its minimum size, and QGroupBox measures its
// title anew each time (the frames here are not checkable).
class HintCachingFrame : public QGroupBox {
public:
  using QGroupBox::QGroupBox;
  QSize minimumSizeHint() const override {
    if (title() != title_ || font() != font_) {
      title_ = title();
      font_ = font();
      QStyleOptionGroupBox option;
      initStyleOption(&option);
      const QFontMetrics metrics(font_);
      const QSize text(metrics.horizontalAdvance(title_) + metrics.horizontalAdvance(QLatin1Char(' ')), metrics.height());
      titleSize_ = style()->sizeFromContents(QStyle::CT_GroupBox, &option, text, this);
    }
    return titleSize_.expandedTo(QWidget::minimumSizeHint());
  }

private:
  mutable QString title_ = QStringLiteral("\x01");
  mutable QFont font_;
  mutable QSize titleSize_;
};

// Widgets that come and go, one over the other in a place of their own, as
// large as the largest of them. A widget shown or hidden there lays out
// nothing else, where one shown or hidden in a layout lays out the whole
// window again; only a change of their size hints reaches the window.
class Place : public QWidget {
public:
  explicit Place(const std::vector<QWidget*>& widgets) {
    for (QWidget* w : widgets) w->setParent(this);
    hints_ = hints();
  }
  QSize sizeHint() const override { return largest(&QWidget::sizeHint); }
  QSize minimumSizeHint() const override { return largest(&QWidget::minimumSizeHint); }
  bool hasHeightForWidth() const override {
    return std::any_of(children().begin(), children().end(),
                       [](QObject* o) { return o->isWidgetType() && static_cast<QWidget*>(o)->hasHeightForWidth(); });
  }
  int heightForWidth(int width) const override {
    int height = 0;
    for (QWidget* w : widgets())
      height = std::max(height, w->hasHeightForWidth() ? w->heightForWidth(width) : w->sizeHint().height());
    return height;
  }

protected:
  void resizeEvent(QResizeEvent* event) override {
    for (QWidget* w : widgets()) w->setGeometry(rect());
    QWidget::resizeEvent(event);
  }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::LayoutRequest) {
      if (const auto now = hints(); now != hints_) {
        hints_ = now;
        updateGeometry();
      }
      return true;
    }
    return QWidget::event(event);
  }

private:
  QList<QWidget*> widgets() const { return findChildren<QWidget*>(Qt::FindDirectChildrenOnly); }
  QSize largest(QSize (QWidget::*hint)() const) const {
    QSize size(0, 0);
    for (QWidget* w : widgets()) size = size.expandedTo((w->*hint)());
    return size;
  }
  std::vector<QSize> hints() const {
    std::vector<QSize> all;
    for (QWidget* w : widgets()) all.push_back(w->sizeHint());
    return all;
  }
  std::vector<QSize> hints_;
};

// A push button that Enter presses as Space does.
class Button : public QPushButton {
public:
  using QPushButton::QPushButton;

protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      animateClick();
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};

// A flat unit button that still shows where the focus is.
class UnitButton : public Button {
public:
  using Button::Button;

protected:
  void paintEvent(QPaintEvent* event) override {
    QPushButton::paintEvent(event);
    paintFocusFrame(this);
  }
};

}  // namespace

// One option group as one Tab stop: only its selected option takes the focus
// by Tab, and the arrow keys select the nearest usable option in their
// direction (as in any desktop program) instead of only moving the focus.
class OptionKeys : public QObject {
public:
  OptionKeys(QObject* parent, std::function<void(QRadioButton*)> select) : QObject(parent), select_(std::move(select)) {}
  void add(QRadioButton* r) {
    buttons_.push_back(r);
    r->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    QPoint step;
    if (key == Qt::Key_Left) step = {-1, 0};
    else if (key == Qt::Key_Right) step = {1, 0};
    else if (key == Qt::Key_Up) step = {0, -1};
    else if (key == Qt::Key_Down) step = {0, 1};
    else return QObject::eventFilter(watched, event);
    if (QRadioButton* next = nearest(static_cast<QRadioButton*>(watched), step)) {
      select_(next);
      next->setFocus(Qt::TabFocusReason);
    }
    return true;
  }

private:
  // The usable option nearest to `from` whose centre lies in the direction of
  // `step`, on the same row or column first.
  QRadioButton* nearest(QRadioButton* from, QPoint step) const {
    const QPoint origin = from->mapToGlobal(from->rect().center());
    QRadioButton* best = nullptr;
    long bestCost = 0;
    for (QRadioButton* r : buttons_) {
      if (r == from || !r->isEnabled() || !r->isVisible()) continue;
      const QPoint d = r->mapToGlobal(r->rect().center()) - origin;
      const long along = d.x() * step.x() + d.y() * step.y();
      const long across = std::abs(step.x() ? d.y() : d.x());
      if (along <= 0) continue;
      const long cost = along + 4 * across;
      if (!best || cost < bestCost) {
        best = r;
        bestCost = cost;
      }
    }
    return best;
  }

  std::function<void(QRadioButton*)> select_;
  std::vector<QRadioButton*> buttons_;
};

namespace {

// A word-wrapped label that remembers its size hints: a layout pass asks for
// them many times over, and QLabel lays the whole text out anew each time.
class WrappedLabel : public QLabel {
public:
  using QLabel::QLabel;
  int heightForWidth(int width) const override {
    refreshCache();
    auto it = heights_.find(width);
    if (it == heights_.end()) it = heights_.emplace(width, QLabel::heightForWidth(width)).first;
    return it->second;
  }
  QSize sizeHint() const override {
    refreshCache();
    if (!hint_.isValid()) hint_ = QLabel::sizeHint();
    return hint_;
  }
  QSize minimumSizeHint() const override {
    refreshCache();
    if (!minimumHint_.isValid()) minimumHint_ = QLabel::minimumSizeHint();
    return minimumHint_;
  }

private:
  void refreshCache() const {
    if (text() == text_ && font() == font_) return;
    text_ = text();
    font_ = font();
    heights_.clear();
    hint_ = minimumHint_ = QSize();
  }

  // The layout asks for a few widths over and over.
  mutable std::map<int, int> heights_;
  mutable QSize hint_;
  mutable QSize minimumHint_;
  mutable QString text_;
  mutable QFont font_;
};

// Runs a function when the watched widget receives the focus.
class FocusWatcher : public QObject {
public:
  FocusWatcher(QObject* parent, std::function<void()> onFocus) : QObject(parent), onFocus_(std::move(onFocus)) {}

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) onFocus_();
    return QObject::eventFilter(watched, event);
  }

private:
  std::function<void()> onFocus_;
};

// A listing box: read-only, monospace, both scroll bars. Copying keeps the
// listing's CR LF line ends, so what lands in a program is byte for byte
// what the listing holds.
class ListingBox : public QPlainTextEdit {
public:
  explicit ListingBox(QWidget* parent = nullptr) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(consoleFont(9));
    document()->setUndoRedoEnabled(false);
  }

protected:
  QMimeData* createMimeDataFromSelection() const override {
    QString text = textCursor().selection().toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    auto* data = new QMimeData;
    data->setText(text);
    return data;
  }
};

void setBackColor(QWidget* w, BackColor c) {
  QPalette pal = QApplication::palette(w);
  if (c == BackColor::Yellow) {
    pal.setColor(QPalette::Base, kYellow);
    pal.setColor(QPalette::Button, kYellow);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
  }
  w->setPalette(pal);
}

void setBold(QWidget* w, bool bold) {
  QFont f = w->font();
  if (f.bold() == bold) return;
  f.setBold(bold);
  w->setFont(f);
}

// Shows a control's common state.
void showState(QWidget* w, const ControlView& c) {
  if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
  if (w->isVisibleTo(w->parentWidget()) != c.visible) w->setVisible(c.visible);
}

}  // namespace

MainWindow::MainWindow(Platform& platform) : platform_(platform), view_(tickwell::render(state_)) {
  controls_ = namedControls(view_);
  setWindowIcon(tickwellIcon());
  build();
  wireOtherWindows();
  showView();
}

MainWindow::~MainWindow() = default;

const std::string& MainWindow::nameOf(const void* control) const {
  static const std::string none;
  for (const NamedControl& c : controls_)
    if (std::visit([](auto* p) { return static_cast<const void*>(p); }, c.control) == control) return c.name;
  return none;
}

QWidget* MainWindow::widget(const std::string& name) const {
  // "txtTimer": the listing box shown.
  if (name == "txtTimer") {
    for (const TextBoxView& box : view_.txtTimer)
      if (box.visible) return widget(nameOf(&box));
    return view_.device.listing.visible ? widget("txtChipListing") : nullptr;
  }
  const auto it = widgets_.find(name);
  return it == widgets_.end() ? nullptr : it->second;
}

void MainWindow::act(const Action& action) {
  Outcome outcome = tickwell::apply(state_, action);
  state_ = std::move(outcome.state);
  refresh();
  if (outcome.exit) {
    close();
    return;
  }
  showSelection(action);
  if (!outcome.message) return;
  // The box stands in front of the values it speaks of.
  const Message& m = *outcome.message;
  if (platform_.messageBox(m.prompt, m.icon, m.buttons, kAppName) == MsgAnswer::Ok && m.onOk) act(*m.onOk);
}

void MainWindow::showSelection(const Action& action) {
  // SEARCH (and a refused search putting "0" back) selects the wanted period
  // in the state, so that what the user types next replaces it; the entry
  // shows that selection. (A box that gets
  // the focus shows its selection once the click that gave it has placed
  // the caret.)
  const auto* press = std::get_if<action::Press>(&action);
  const bool searched = press && press->command == action::Command::Search;
  if (!searched && !std::holds_alternative<action::RefuseSearch>(action)) return;
  const TextBoxView& box = view_.txtSearchInt;
  if (auto* edit = qobject_cast<QLineEdit*>(widget(nameOf(&box))); edit && box.selLength > 0)
    edit->setSelection(box.selStart, box.selLength);
}

void MainWindow::refresh() {
  view_ = tickwell::render(state_);
  showView();
}

void MainWindow::showView() {
  // Showing a widget lays the whole window out at once; with the layout off
  // while the refreshers run, the window is laid out once at the end.
  QLayout* top = page_ ? page_->layout() : nullptr;
  if (top) top->setEnabled(false);
  for (const auto& r : refreshers_) r();
  if (top) {
    top->setEnabled(true);
    top->activate();
  }
}

QWidget* MainWindow::place(const std::vector<QWidget*>& widgets) { return new Place(widgets); }

QPushButton* MainWindow::pushButton(const QString& caption) {
  auto* b = new Button(caption);
  b->setAutoDefault(false);
  return b;
}

void MainWindow::reserveWidth(QWidget* value, const QString& widest) {
  if (auto* v = dynamic_cast<ValueLabel*>(value)) v->setWidest(widest);
}

void MainWindow::centre() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  // The frame is the window manager's and known once the window is shown;
  // before, a title bar and borders as the style draws them stand for it.
  QSize frame = frameGeometry().size() - size();
  if (frame.isNull()) {
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    frame = QSize(2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 2 * border);
  }
  // Taller or wider than the screen leaves (a 768-line laptop with a panel,
  // 150 % on 1080 lines): the window scrolls, so every control stays
  // reachable.
  if (height() + frame.height() > area.height() || width() + frame.width() > area.width()) {
    const QSize wanted = size() + QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this), 0);
    auto* scroll = new QScrollArea;
    scroll->setWidget(takeCentralWidget());
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    setCentralWidget(scroll);
    // The minimum size the page set on the window goes with it.
    layout()->activate();
    resize(wanted.boundedTo(area.size() - frame));
  }
  const QSize outer = size() + frame;
  move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The window's own close control ends the program without asking.
  if (oscWindow_) oscWindow_->close();
  event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (cover_) cover_->setGeometry(cover_->parentWidget()->rect());
}

// ------------------------------------------------------------ bound widgets

QWidget* MainWindow::textBox(TextBoxView& box, bool output) {
  const std::string& name = nameOf(&box);
  auto* edit = new QLineEdit;
  edit->setToolTip(qs(box.tooltip));
  if (box.maxLength) edit->setMaxLength(static_cast<int>(box.maxLength));
  edit->setReadOnly(output);
  if (output) edit->setAlignment(Qt::AlignRight);
  QObject::connect(edit, &QLineEdit::textEdited, this, [this, &box, &name](const QString& text) {
    if (box.usable()) maybeAct(typeAction(name, text.toStdString()));
  });
  edit->installEventFilter(new FocusWatcher(edit, [this, &box, &name, edit] {
    if (box.usable()) maybeAct(focusAction(name));
    // After the click that gave the focus has placed the caret.
    QTimer::singleShot(0, edit, [edit, &box] {
      if (box.selLength > 0) edit->setSelection(box.selStart, box.selLength);
    });
  }));
  refreshers_.push_back([edit, &box, last = std::string("\x01"), shown = QString(), color = BackColor::Window]() mutable {
    QSignalBlocker block(edit);
    if (box.text != last) {
      last = box.text;
      shown = qs(last);
    }
    // A text the model kept as typed stays untouched, caret and all; one the
    // model replaced shows at once.
    if (edit->text() != shown) edit->setText(shown);
    if (box.backColor != color) {
      color = box.backColor;
      setBackColor(edit, color);
    }
    showState(edit, box);
  });
  keep(name, edit);
  return edit;
}

QWidget* MainWindow::listingBoxes(std::array<TextBoxView, 4>& boxes, TextBoxView& chipListing) {
  // The four listing boxes and the chip's lie one over the other with one
  // shown, as in the view, each updating its text only while shown, line by
  // line where the number of lines stays: a change of tab is a change of the
  // box shown, not of a text.
  std::vector<QWidget*> edits;
  std::vector<TextBoxView*> all;
  for (TextBoxView& box : boxes) all.push_back(&box);
  all.push_back(&chipListing);
  for (TextBoxView* shown : all) {
    TextBoxView& box = *shown;
    auto* edit = new ListingBox;
    edit->hide();
    edits.push_back(edit);
    keep(shown == &chipListing ? std::string("txtChipListing") : nameOf(&box), edit);
    refreshers_.push_back([edit, &box, last = std::string("\x01"), lines = QStringList()]() mutable {
      if (box.visible && box.text != last) {
        last = box.text;
        QString text = qs(last);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QStringList now = text.split(QLatin1Char('\n'));
        if (now.size() != lines.size()) {
          edit->setPlainText(text);
        } else {
          // Only the lines that differ are replaced, and laid out again.
          QTextDocument* doc = edit->document();
          QTextCursor cursor(doc);
          cursor.beginEditBlock();
          for (int i = 0; i < now.size(); ++i) {
            if (now[i] == lines[i]) continue;
            const QTextBlock block = doc->findBlockByNumber(i);
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            cursor.insertText(now[i]);
          }
          cursor.endEditBlock();
        }
        lines = std::move(now);
      }
      if (edit->isVisibleTo(edit->parentWidget()) != box.visible) edit->setVisible(box.visible);
    });
  }
  return place(edits);
}

QWidget* MainWindow::label(LabelView& label, LabelKind kind) {
  const std::string& name = nameOf(&label);
  QLabel* l = nullptr;
  if (kind == LabelKind::Wrapped) {
    l = new WrappedLabel;
    l->setWordWrap(true);
  } else if (kind == LabelKind::Value) {
    l = new ValueLabel;
  } else if (kind == LabelKind::Clickable) {
    auto* c = new ClickLabel;
    c->onClick = [this, &label, &name] {
      if (label.usable()) maybeAct(clickAction(name));
    };
    c->setCursor(Qt::PointingHandCursor);
    c->setFocusPolicy(Qt::StrongFocus);
    QFont f = c->font();
    f.setUnderline(true);
    c->setFont(f);
    l = c;
  } else {
    l = new HintCachingLabel;
  }
  l->setToolTip(qs(label.tooltip));
  l->setTextFormat(Qt::PlainText);
  refreshers_.push_back([l, &label, last = std::string("\x01")]() mutable {
    if (label.caption != last) {
      last = label.caption;
      l->setText(qs(last));
    }
    showState(l, label);
  });
  keep(name, l);
  return l;
}

QWidget* MainWindow::button(ButtonView& button, bool unit) {
  const std::string& name = nameOf(&button);
  QPushButton* b = unit ? new UnitButton(qs(button.caption)) : pushButton(qs(button.caption));
  b->setToolTip(qs(button.tooltip));
  b->setAutoDefault(false);
  if (unit) {
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setMinimumWidth(34);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  }
  QObject::connect(b, &QPushButton::clicked, this, [this, &button, &name] {
    if (button.usable()) maybeAct(clickAction(name));
  });
  refreshers_.push_back([b, &button, last = button.caption]() mutable {
    if (button.caption != last) {
      last = button.caption;
      b->setText(qs(last));
    }
    showState(b, button);
  });
  keep(name, b);
  return b;
}

QWidget* MainWindow::checkBox(CheckBoxView& box) {
  const std::string& name = nameOf(&box);
  auto* c = new QCheckBox(qs(box.caption));
  c->setToolTip(qs(box.tooltip));
  QObject::connect(c, &QCheckBox::clicked, this, [this, &box, &name] {
    if (box.usable()) maybeAct(clickAction(name));
  });
  refreshers_.push_back([c, &box] {
    QSignalBlocker block(c);
    if (c->isChecked() != box.checked) c->setChecked(box.checked);
    showState(c, box);
  });
  keep(name, c);
  return c;
}

QWidget* MainWindow::option(OptionView* group, int size, int index) {
  OptionView& o = group[index];
  const std::string& name = nameOf(&o);
  auto* r = new HintCachingRadio(qs(o.caption));
  // The state decides which option is selected.
  r->setAutoExclusive(false);
  QObject::connect(r, &QRadioButton::clicked, this, [this, &o, &name] {
    if (o.usable()) maybeAct(clickAction(name));
  });
  OptionKeys*& keys = optionKeys_[group];
  if (!keys)
    keys = new OptionKeys(this, [this, group, size](QRadioButton* chosen) {
      for (int i = 0; i < size; ++i)
        if (widget(nameOf(&group[i])) == chosen && group[i].usable()) maybeAct(clickAction(nameOf(&group[i])));
    });
  keys->add(r);
  refreshers_.push_back([r, &o] {
    QSignalBlocker block(r);
    if (r->isChecked() != o.selected) r->setChecked(o.selected);
    // Tab reaches the group at its selected option only.
    const Qt::FocusPolicy policy = o.selected ? Qt::StrongFocus : Qt::ClickFocus;
    if (r->focusPolicy() != policy) r->setFocusPolicy(policy);
    setBold(r, o.bold);
    showState(r, o);
  });
  keep(name, r);
  return r;
}

QWidget* MainWindow::comboBox(ComboBoxView& box) {
  const std::string& name = nameOf(&box);
  auto* c = new QComboBox;
  c->setToolTip(qs(box.tooltip));
  // As wide as the longest entry it has shown: a new list needs no new size.
  c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  // Every list it has shown stays in its model, under a row of its own; a
  // change of list is a change of the root the box shows, not of the model.
  auto* model = new QStandardItemModel(c);
  c->setModel(model);
  QObject::connect(c, &QComboBox::activated, this, [this, &box, &name](int index) {
    if (box.usable() && index >= 0 && index < box.count()) maybeAct(pickAction(name, index));
  });
  refreshers_.push_back([c, model, &box, list = static_cast<const std::vector<std::string>*>(nullptr),
                         rows = std::map<const std::vector<std::string>*, int>(), color = BackColor::Window]() mutable {
    QSignalBlocker block(c);
    if (box.list != list) {
      list = box.list;
      auto row = rows.find(list);
      if (row == rows.end()) {
        auto* parent = new QStandardItem;
        for (const auto& entry : *list) {
          parent->appendRow(new QStandardItem(qs(entry)));
          c->setMinimumContentsLength(std::max(c->minimumContentsLength(), static_cast<int>(entry.size())));
        }
        model->appendRow(parent);
        row = rows.emplace(list, model->rowCount() - 1).first;
      }
      c->setRootModelIndex(model->index(row->second, 0));
      c->setCurrentIndex(-1);  // the index held belongs to the list before
    }
    if (c->currentIndex() != box.index) c->setCurrentIndex(box.index);
    if (box.backColor != color) {
      color = box.backColor;
      setBackColor(c, color);
    }
    showState(c, box);
  });
  keep(name, c);
  return c;
}

QWidget* MainWindow::deviceChooser(ComboBoxView& chooser) {
  auto* c = new QComboBox;
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setToolTip(qs(chooser.tooltip) + QStringLiteral(": type a part of its name (\"18f45\"), then pick it"));
  // The list is the constant table: measured by its longest generic entry,
  // not item by item.
  c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c->setMinimumContentsLength(static_cast<int>(std::string_view(kGenericFamilyNames[0]).size()));
  // The generic entries at once; the chips when the chooser is first used
  // (focused, or showing a chip), so that start-up does not pay for them.
  for (const char* generic : kGenericFamilyNames) c->addItem(QString::fromLatin1(generic));
  const auto addChips = [c, &chooser] {
    if (c->count() >= chooser.count()) return;
    QSignalBlocker block(c);
    QStringList chips;
    for (int i = c->count(); i < chooser.count(); ++i) chips << qs((*chooser.list)[static_cast<std::size_t>(i)]);
    c->addItems(chips);
  };
  c->installEventFilter(new FocusWatcher(c, addChips));
  c->lineEdit()->installEventFilter(new FocusWatcher(c, addChips));
  c->completer()->setFilterMode(Qt::MatchContains);
  c->completer()->setCaseSensitivity(Qt::CaseInsensitive);
  c->completer()->setCompletionMode(QCompleter::PopupCompletion);
  c->completer()->setMaxVisibleItems(12);
  QObject::connect(c, &QComboBox::activated, this, [this, &chooser](int index) {
    if (chooser.usable() && index >= 0 && index < chooser.count())
      maybeAct(action::SelectDevice{(*chooser.list)[static_cast<std::size_t>(index)]});
  });
  // A name typed whole ("pic18f45k22", "16F1823") is looked up as typed.
  QObject::connect(c->lineEdit(), &QLineEdit::returnPressed, this, [this, c, &chooser] {
    if (chooser.usable() && c->currentText() != qs(chooser.text()))
      maybeAct(action::SelectDevice{c->currentText().trimmed().toStdString()});
  });
  refreshers_.push_back([c, &chooser, addChips] {
    if (chooser.index >= c->count()) addChips();
    QSignalBlocker block(c);
    // What was typed and not chosen gives way to the chosen entry.
    if (c->currentIndex() != chooser.index) c->setCurrentIndex(chooser.index);
    if (const QString shown = qs(chooser.text()); c->currentText() != shown) c->setEditText(shown);
    showState(c, chooser);
  });
  keep("cbDevice", c);
  return c;
}

namespace {

bool sameTimers(const std::vector<ChipTimerView>& a, const std::vector<ChipTimerView>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ChipTimerView& x, const ChipTimerView& y) {
    return x.number == y.number && x.enabled == y.enabled && x.caption == y.caption;
  });
}

}  // namespace

QWidget* MainWindow::chipTimerList() {
  auto* c = new QComboBox;
  c->setToolTip(QStringLiteral("The chip's timers; one the program does not support yet says why"));
  c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c->setMinimumContentsLength(8);  // "Timer12"
  auto* model = new QStandardItemModel(c);
  c->setModel(model);
  QObject::connect(c, &QComboBox::activated, this, [this](int index) {
    const auto& timers = view_.device.timers;
    if (index >= 0 && index < static_cast<int>(timers.size()) && timers[static_cast<std::size_t>(index)].usable())
      maybeAct(action::SelectTimer{timers[static_cast<std::size_t>(index)].number});
  });
  refreshers_.push_back([this, c, model, shown = std::vector<ChipTimerView>()]() mutable {
    const auto& timers = view_.device.timers;
    QSignalBlocker block(c);
    if (!sameTimers(shown, timers)) {
      shown = timers;
      model->clear();
      for (const ChipTimerView& t : timers) {
        auto* item = new QStandardItem(qs(t.caption));
        item->setToolTip(qs(t.tooltip));
        item->setEnabled(t.enabled);
        model->appendRow(item);
      }
    }
    const auto selected = std::find_if(timers.begin(), timers.end(), [](const ChipTimerView& t) { return t.selected; });
    const int index = selected == timers.end() ? -1 : static_cast<int>(selected - timers.begin());
    if (c->currentIndex() != index) c->setCurrentIndex(index);
    if (c->isVisibleTo(c->parentWidget()) == timers.empty()) c->setVisible(!timers.empty());
  });
  keep("cbChipTimer", c);
  return c;
}

QTabBar* MainWindow::listingTabs() {
  auto* bar = new QTabBar;
  bar->setFont(tahomaFont(bar->font().pointSizeF(), false));
  bar->setExpanding(false);
  // However many timers a chip has, the bar keeps its size and scrolls.
  bar->setUsesScrollButtons(true);
  bar->setElideMode(Qt::ElideNone);
  bar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  QObject::connect(bar, &QTabBar::currentChanged, this, [this](int index) {
    const auto& timers = view_.device.timers;
    if (timers.empty()) return maybeAct(tabAction(index + 1));
    if (index >= 0 && index < static_cast<int>(timers.size()) && timers[static_cast<std::size_t>(index)].usable())
      maybeAct(action::SelectTimer{timers[static_cast<std::size_t>(index)].number});
  });
  auto setTabs = [bar](const auto& captions) {
    while (bar->count() > 0) bar->removeTab(bar->count() - 1);
    for (const auto& caption : captions) bar->addTab(caption);
  };
  refreshers_.push_back([this, bar, setTabs, generic = std::optional<bool>()]() mutable {
    const auto& timers = view_.device.timers;
    QSignalBlocker block(bar);
    if (generic != timers.empty() || !sameTimers(tabsShown_, timers)) {
      generic = timers.empty();
      tabsShown_ = timers;
      QStringList captions;
      if (*generic)
        for (const auto& t : *view_.Ts1.tabs) captions << qs(t);
      else
        for (const ChipTimerView& t : timers) captions << qs(t.caption).toUpper();
      setTabs(captions);
      for (std::size_t i = 0; i < timers.size(); ++i) {
        bar->setTabEnabled(static_cast<int>(i), timers[i].enabled);
        bar->setTabToolTip(static_cast<int>(i), qs(timers[i].tooltip));
      }
    }
    if (bar->currentIndex() != view_.Ts1.index - 1) bar->setCurrentIndex(view_.Ts1.index - 1);
  });
  return bar;
}

QWidget* MainWindow::slider(SliderView& slider) {
  const std::string& name = nameOf(&slider);
  auto* s = new QSlider(Qt::Horizontal);
  s->setTickPosition(QSlider::TicksBelow);
  QObject::connect(s, &QSlider::valueChanged, this, [this, &slider, &name](int value) {
    if (slider.usable()) maybeAct(slideAction(name, value));
  });
  refreshers_.push_back([s, &slider] {
    QSignalBlocker block(s);
    if (s->maximum() != slider.max) {
      s->setMaximum(slider.max);
      s->setPageStep(slider.tick);
    }
    if (s->tickInterval() != slider.tick) s->setTickInterval(slider.tick);
    if (s->value() != slider.value) s->setValue(slider.value);
  });
  keep(name, s);
  return s;
}

QGroupBox* MainWindow::frame(FrameView& frame) {
  const std::string& name = nameOf(&frame);
  auto* g = new HintCachingFrame(qs(frame.caption));
  g->setToolTip(qs(frame.tooltip));
  refreshers_.push_back([g, &frame, last = frame.caption]() mutable {
    if (frame.caption != last) {
      last = frame.caption;
      g->setTitle(qs(last));
    }
  });
  keep(name, g);
  return g;
}

}  // namespace tickwell
