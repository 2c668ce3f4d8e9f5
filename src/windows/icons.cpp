#include "icons.h"

#include <QFontDatabase>
#include <QImage>
#include <QPixmap>
#include <QStringList>

#include "app_icon_pixels.h"

namespace tickwell {

QIcon tickwellIcon() {
  static const QIcon icon = [] {
    QIcon i;
    for (const IconPixels& p : appIconPixels())
      i.addPixmap(QPixmap::fromImage(
          QImage(reinterpret_cast<const uchar*>(p.argb), p.size, p.size, QImage::Format_ARGB32)));
    return i;
  }();
  return icon;
}

QPixmap aboutChipPixmap(qreal devicePixelRatio) {
  return QIcon(QStringLiteral(":/icons/about_chip.svg")).pixmap(QSize(129, 281), devicePixelRatio);
}

namespace {

// Gives the font the first family of the list that is installed. Naming a
// family that is missing makes Qt ask fontconfig for an alias of it, for each
// font (with Tahoma, Verdana and Lucida Console missing, a twentieth of all the
// work before the window shows). An installed family needs no style hint, and
// without one a font equal to the window's own shares its engine. When none is
// installed, the list and the hint let fontconfig find a similar one.
void setFamily(QFont& font, const QStringList& families, QFont::StyleHint hint) {
  static const QStringList installed = QFontDatabase::families();
  for (const QString& family : families) {
    if (installed.contains(family, Qt::CaseInsensitive)) {
      font.setFamily(family);
      return;
    }
  }
  font.setFamilies(families);
  font.setStyleHint(hint);
}

}  // namespace

QFont tahomaFont(qreal pointSize, bool bold) {
  QFont font;
  setFamily(font, {QStringLiteral("Tahoma"), QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")},
            QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

QFont consoleFont(qreal pointSize) {
  QFont font;
  setFamily(font,
            {QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono")},
            QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace tickwell
