// A piece of coloured text that works as a link: blue, turning red and
// underlined while the pointer is over it, opening its target when clicked
// or, once Tab has reached it, on Enter or Space.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <optional>
#include <string>

#include "forms/platform.h"

namespace tickwell {

// The address to open for a link target, or nothing for a target we refuse.
// Exact and case-sensitive: "www." gets "http://" in front; "http://",
// "https://" and "mailto:" are opened unchanged; anything else is refused.
std::optional<std::string> hyperlinkTarget(const std::string& target);

// What a link says when no program could be started for its address: what
// failed and the address, for the user to copy.
std::string linkFailureNote(const std::string& address);

// Whether a pointer position relative to a link of the given size is over it.
// The edges count as inside.
bool pointerOverLink(double x, double y, double width, double height);

class HyperlinkLabel : public QLabel {
  Q_OBJECT

public:
  static inline const QColor kNormalColor{0x39, 0x6B, 0xA5};
  static inline const QColor kHoverColor{0xFF, 0x00, 0x00};

  HyperlinkLabel(const QString& text, const std::string& target, Platform& platform,
                 QWidget* parent = nullptr);

  const std::string& target() const { return target_; }
  void setTarget(const std::string& target) { target_ = target; }

  bool isHovered() const { return hovered_; }
  QColor textColor() const;

  // The pointer moved to pos (relative to the link): show the hover look
  // when it is over the link, the normal look otherwise.
  void hoverAt(const QPointF& pos);
  // The link was clicked: restore the normal look, then open the target. When
  // no program can be started for it, a note beside the window says so and
  // shows the address to copy.
  void follow();
  // The note of the last failed opening, while it is shown.
  QWidget* failureNote() const;

protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Reached by Tab like any control: Enter or Space follows the link, and a
  // focus frame shows where the focus is.
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  void setHovered(bool hovered);

  std::string target_;
  Platform& platform_;
  QPointer<QWidget> note_;
  bool hovered_ = false;
};

}  // namespace tickwell
