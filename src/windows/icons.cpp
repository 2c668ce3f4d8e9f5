#include "icons.h"

#include <QStringList>

namespace tickwell {

QIcon tickwellIcon() {
  static const QIcon icon = [] {
    QIcon i;
    // With its size given, a rendition is decoded only when it is used.
    for (int size : {16, 32, 48, 64})
      i.addFile(QStringLiteral(":/app-icon/%1.png").arg(size), QSize(size, size));
    return i;
  }();
  return icon;
}

QPixmap aboutChipPixmap(qreal devicePixelRatio) {
  return QIcon(QStringLiteral(":/icons/about_chip.svg")).pixmap(QSize(129, 281), devicePixelRatio);
}

QFont tahomaFont(qreal pointSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

QFont consoleFont(qreal pointSize) {
  QFont font;
  font.setFamilies({QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"),
                    QStringLiteral("Noto Sans Mono")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace tickwell
