#include "source_code_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "icons.h"

namespace tickwell {

namespace {

struct LanguageInfo {
  const char* title;
  const char* file;       // data/examples/<file>-pic16.<extension>, -pic18 likewise
  const char* extension;
};

// In the order of SourceCodeWindow::Language.
constexpr std::array<LanguageInfo, 6> kLanguages{{
    {"mikroBasic source code example", "mikrobasic", "bas"},
    {"mikroPascal source code example", "mikropascal", "mpas"},
    {"mikroC source code example", "mikroc", "c"},
    {"PicBasic source code example", "picbasic", "pbp"},
    {"Assembler source code example", "assembler", "asm"},
    {"XC8 source code example", "xc8", "c"},
}};

const LanguageInfo& info(SourceCodeWindow::Language language) {
  return kLanguages.at(static_cast<std::size_t>(language));
}

std::string readResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

QString SourceCodeWindow::examplePath(Language language, Family family) {
  const LanguageInfo& i = info(language);
  return QStringLiteral(":/examples/%1-%2.%3")
      .arg(QLatin1String(i.file), family == Family::Pic16 ? QLatin1String("pic16") : QLatin1String("pic18"),
           QLatin1String(i.extension));
}

std::string SourceCodeWindow::exampleText(Language language, Family family) {
  return readResource(examplePath(language, family));
}

SourceCodeWindow::SourceCodeWindow(Platform& platform, CoverSwitch cover, QWidget* parent)
    : QDialog(parent), platform_(platform), cover_(std::move(cover)) {
  setWindowTitle(QStringLiteral("Tickwell: Source Code Example"));
  setWindowIcon(tickwellIcon());
  setModal(true);

  lbllang = new QLabel(this);
  QFont titleFont = tahomaFont(font().pointSizeF() + 2, true);
  lbllang->setFont(titleFont);

  TabStrip1 = new QTabWidget(this);
  const QFont boxFont = consoleFont(9);
  for (std::size_t i = 0; i < txt.size(); ++i) {
    auto* box = new QPlainTextEdit(TabStrip1);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFont(boxFont);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txt[i] = box;
  }
  TabStrip1->addTab(txt[0], QStringLiteral("PIC16"));
  TabStrip1->addTab(txt[1], QStringLiteral("PIC18"));
  connect(TabStrip1, &QTabWidget::currentChanged, this, [this](int index) { CurTab = index + 1; });

  // Room for the longest example line with a margin, and about 25 lines.
  const QFontMetrics metrics(boxFont);
  TabStrip1->setMinimumSize(metrics.horizontalAdvance(QString(92, QLatin1Char('M'))),
                            metrics.lineSpacing() * 28);

  cmdCopy = new QPushButton(QStringLiteral("Copy all to clipboard"), this);
  cmdCopy->setAutoDefault(false);
  connect(cmdCopy, &QPushButton::clicked, this, &SourceCodeWindow::cmdCopy_Click);
  OKButton = new QPushButton(QStringLiteral("Close"), this);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdCopy);
  buttons->addStretch(1);
  buttons->addWidget(OKButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lbllang);
  layout->addWidget(TabStrip1, 1);
  layout->addLayout(buttons);
}

SourceCodeWindow::~SourceCodeWindow() { setCover(false); }

void SourceCodeWindow::runModal(Language language, Platform& platform, CoverSwitch cover,
                                QWidget* parent) {
  SourceCodeWindow window(platform, std::move(cover), parent);
  window.showLanguage(language);
  window.exec();
}

void SourceCodeWindow::showLanguage(Language language) {
  lbllang->setText(QString::fromUtf8(info(language).title));
  setTexts(exampleText(language, Family::Pic16), exampleText(language, Family::Pic18));
}

void SourceCodeWindow::basic() { showLanguage(Language::Basic); }
void SourceCodeWindow::pascal() { showLanguage(Language::Pascal); }
void SourceCodeWindow::c() { showLanguage(Language::C); }
void SourceCodeWindow::picbasic() { showLanguage(Language::PicBasic); }
void SourceCodeWindow::assembler() { showLanguage(Language::Assembler); }
void SourceCodeWindow::xc8() { showLanguage(Language::XC8); }

QString SourceCodeWindow::titleLine() const { return lbllang->text(); }

void SourceCodeWindow::setTexts(const std::string& pic16, const std::string& pic18) {
  texts_ = {pic16, pic18};
  for (std::size_t i = 0; i < txt.size(); ++i) txt[i]->setPlainText(QString::fromStdString(texts_[i]));
}

void SourceCodeWindow::cmdCopy_Click() {
  QPlainTextEdit* box = textBox(CurTab);
  QTextCursor all = box->textCursor();
  all.select(QTextCursor::Document);
  box->setTextCursor(all);
  // The box keeps its lines as blocks; the clipboard gets the text with its
  // CR LF line ends exactly as the box was filled.
  platform_.setClipboardText(tabText(CurTab));
}

void SourceCodeWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  TabStrip1->setCurrentIndex(0);
  CurTab = 1;
  const ScreenSize screen = platform_.screenSize();
  if (screen.width > 0 && screen.height > 0)
    move(screen.width / 2 - width() / 2, screen.height / 2 - height() / 2);
  setCover(true);
}

void SourceCodeWindow::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) setCover(false);
}

void SourceCodeWindow::setCover(bool shown) {
  if (shown == coverShown_) return;
  coverShown_ = shown;
  if (cover_) cover_(shown);
}

}  // namespace tickwell
