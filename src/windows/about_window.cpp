#include "about_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "hyperlink.h"
#include "icons.h"

namespace tickwell {

namespace {

QLabel* plainLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

}  // namespace

std::string AboutWindow::descriptionText() {
  return "This is a little application for calculate the register values of the timers from the "
         "Microchip\u2122 PIC Microcontrollers."
         "\r\n"
         "This programm was developed for use of the PIC16 and Pic18 Series, but should work with other"
         " microcontrollers with similar register."
         "\r\n\r\n"
         "For any error, bug, hint or suggestion please email me.";
}

std::string AboutWindow::disclaimerText() {
  return "I decline all responsibility for any direct or indirect damage possibly arising from the use of  "
         "this program.";
}

std::string AboutWindow::versionText(const AppVersion& version) {
  return "Version " + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
         std::to_string(version.revision);
}

AboutWindow::AboutWindow(Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
  const QString appName = QString::fromLatin1(kAppName);
  setWindowTitle(QStringLiteral("About ") + appName);
  setWindowIcon(tickwellIcon());
  setModal(true);

  Image1 = new QLabel(this);
  Image1->setPixmap(aboutChipPixmap(devicePixelRatioF()));
  Image1->setFixedSize(129, 281);
  Image1->setAlignment(Qt::AlignCenter);

  lblTitle = new QLabel(appName, this);
  lblTitle->setFont(tahomaFont(20, true));
  lblVersion = new QLabel(QString::fromStdString(versionText(platform.version())), this);
  lblVersion->setFont(tahomaFont(font().pointSizeF(), false));

  // A label breaks lines on LF; the CR LF text itself stays in descriptionText().
  QString description = QString::fromStdString(descriptionText());
  description.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lblDescription = plainLabel(description, this);

  auto* Shape1 = new QFrame(this);
  Shape1->setFrameShape(QFrame::HLine);
  Shape1->setFrameShadow(QFrame::Sunken);

  Label2 = plainLabel(QString::fromStdString(disclaimerText()), this);
  QFont small = Label2->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  Label2->setFont(small);
  Label1 = plainLabel(QString::fromLatin1(kLegalNotice), this);

  txtMail = new HyperlinkLabel(QStringLiteral("Click here for send email"), kAuthorMail, platform, this);

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

  auto* text = new QVBoxLayout;
  text->addWidget(lblTitle);
  text->addWidget(lblVersion);
  text->addSpacing(10);
  text->addWidget(lblDescription);
  text->addSpacing(6);
  text->addWidget(Shape1);
  text->addSpacing(6);
  text->addWidget(Label2);
  text->addWidget(Label1);
  text->addStretch(1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(txtMail, 0, Qt::AlignVCenter);
  bottom->addStretch(1);
  bottom->addWidget(cmdOK);
  text->addLayout(bottom);

  // A fixed column width, so that the wrapped texts decide the height.
  auto* column = new QWidget(this);
  column->setLayout(text);
  text->setContentsMargins(0, 0, 0, 0);
  column->setFixedWidth(400);

  auto* layout = new QHBoxLayout(this);
  layout->setSpacing(18);
  layout->addWidget(Image1, 0, Qt::AlignTop);
  layout->addWidget(column);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutWindow::runModal(Platform& platform, QWidget* parent) {
  AboutWindow window(platform, parent);
  window.exec();
}

void AboutWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  // Centred across, a little above the middle.
  const ScreenSize screen = platform_.screenSize();
  if (screen.width > 0 && screen.height > 0)
    move(screen.width / 2 - width() / 2, static_cast<int>(screen.height * 0.85 / 2 - height() / 2.0));
}

}  // namespace tickwell
