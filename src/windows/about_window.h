// The modal About window: title, version, description, disclaimer, rights
// line, the chip picture and a link that starts a mail to the developers.
#pragma once

#include <QDialog>
#include <string>

#include "app/startup.h"
#include "forms/platform.h"

class QLabel;
class QPushButton;

namespace tickwell {

class HyperlinkLabel;

class AboutWindow : public QDialog {
  Q_OBJECT

public:
  // Texts come from the application record: AppName, LegalNotice, AuthorMail.
  AboutWindow(Platform& platform, QWidget* parent = nullptr);

  // Opens a fresh About window modally; returns when it closed.
  static void runModal(Platform& platform, QWidget* parent = nullptr);

  // The description with its CR LF line breaks.
  static std::string descriptionText();
  static std::string disclaimerText();
  static std::string versionText(const AppVersion& version);

  QLabel* titleLabel() const { return lblTitle; }
  QLabel* versionLabel() const { return lblVersion; }
  QLabel* descriptionLabel() const { return lblDescription; }
  QLabel* disclaimerLabel() const { return Label2; }
  QLabel* rightsLabel() const { return Label1; }
  QLabel* pictureLabel() const { return Image1; }
  HyperlinkLabel* mailLink() const { return txtMail; }
  QPushButton* okButton() const { return cmdOK; }

protected:
  void showEvent(QShowEvent* event) override;

private:
  Platform& platform_;

  QLabel* Image1 = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblDescription = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;
  HyperlinkLabel* txtMail = nullptr;
  QPushButton* cmdOK = nullptr;
};

}  // namespace tickwell
