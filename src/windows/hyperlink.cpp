#include "hyperlink.h"

#include <QEnterEvent>
#include <QMessageBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "icons.h"

namespace tickwell {

std::optional<std::string> hyperlinkTarget(const std::string& target) {
  if (target.starts_with("http://") || target.starts_with("https://") || target.starts_with("mailto:"))
    return target;
  if (target.starts_with("www.")) return "http://" + target;
  return std::nullopt;
}

std::string linkFailureNote(const std::string& address) {
  const bool mail = address.starts_with("mailto:");
  return std::string(mail ? "No mail program could be started for this address:"
                          : "No web browser could be started for this address:") +
         "\n\n" + (mail ? address.substr(7) : address) + "\n\nYou can copy it from here.";
}

bool pointerOverLink(double x, double y, double width, double height) {
  return x >= 0 && y >= 0 && x <= width && y <= height;
}

HyperlinkLabel::HyperlinkLabel(const QString& text, const std::string& target, Platform& platform,
                               QWidget* parent)
    : QLabel(text, parent), target_(target), platform_(platform) {
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
  setAutoFillBackground(false);  // the window's own background shows through
  setFont(tahomaFont(font().pointSizeF(), true));
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setHovered(false);
}

QColor HyperlinkLabel::textColor() const { return palette().color(QPalette::WindowText); }

void HyperlinkLabel::setHovered(bool hovered) {
  hovered_ = hovered;
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, hovered ? kHoverColor : kNormalColor);
  setPalette(pal);
  QFont f = font();
  f.setUnderline(hovered);
  setFont(f);
}

void HyperlinkLabel::hoverAt(const QPointF& pos) {
  const bool over = pointerOverLink(pos.x(), pos.y(), width(), height());
  if (over != hovered_) setHovered(over);
}

void HyperlinkLabel::follow() {
  hoverAt(QPointF(-1, -1));
  const auto address = hyperlinkTarget(target_);
  if (!address || platform_.openAddress(*address)) return;
  // Not modal: the note stays beside the window until the user closes it.
  if (note_) note_->close();
  auto* note = new QMessageBox(QMessageBox::Information, QStringLiteral("Tickwell"),
                               QString::fromStdString(linkFailureNote(*address)), QMessageBox::Close, window());
  note->setAttribute(Qt::WA_DeleteOnClose);
  note->setWindowModality(Qt::NonModal);
  note->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  note->setWindowIcon(tickwellIcon());
  note->show();
  note_ = note;
}

QWidget* HyperlinkLabel::failureNote() const { return note_.data(); }

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
  hoverAt(event->position());
  QLabel::enterEvent(event);
}

// Qt tells us when the pointer leaves, however fast it goes: that stands in
// for holding the mouse capture while the pointer is over the link.
void HyperlinkLabel::leaveEvent(QEvent* event) {
  hoverAt(QPointF(-1, -1));
  QLabel::leaveEvent(event);
}

void HyperlinkLabel::mouseMoveEvent(QMouseEvent* event) {
  hoverAt(event->position());
  QLabel::mouseMoveEvent(event);
}

void HyperlinkLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
    follow();
    return;
  }
  QLabel::keyPressEvent(event);
}

void HyperlinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.backgroundColor = palette().color(QPalette::Window);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton &&
      pointerOverLink(event->position().x(), event->position().y(), width(), height()))
    follow();
}

}  // namespace tickwell
