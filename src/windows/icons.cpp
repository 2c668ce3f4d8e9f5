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

// The first family of the list that is installed. Naming a family that is
// missing makes Qt ask fontconfig for an alias of it (as does
// QFontDatabase::hasFamily): with Tahoma, Verdana and Lucida Console missing,
// that was a twentieth of all the work before the window shows.
QString firstInstalled(const QStringList& families) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families)
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  return families.back();
}

}  // namespace

QFont tahomaFont(qreal pointSize, bool bold) {
  QFont font;
  static const QString family =
      firstInstalled({QStringLiteral("Tahoma"), QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
  font.setFamily(family);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

QFont consoleFont(qreal pointSize) {
  QFont font;
  static const QString family = firstInstalled(
      {QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono")});
  font.setFamily(family);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace tickwell
