// The program's own artwork and the fonts its windows share.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>

namespace tickwell {

// The application icon (a chip with a clock face), for every window.
QIcon tickwellIcon();

// The upright DIP chip of the About window, at its 129 x 281 layout size and
// rendered sharply for the given device pixel ratio.
QPixmap aboutChipPixmap(qreal devicePixelRatio);

// Tahoma where installed, otherwise the desktop's sans serif.
QFont tahomaFont(qreal pointSize, bool bold);

// Lucida Console where installed, otherwise a fixed-pitch font.
QFont consoleFont(qreal pointSize);

}  // namespace tickwell
