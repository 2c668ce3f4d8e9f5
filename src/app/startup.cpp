#include "app/startup.h"

namespace tickwell {

void initAppRecord(AppRecord& app) {
  app.HomePage = kHomePage;
  app.AuthorMail = kAuthorMail;
  app.AppName = "Tickwell";
  app.LegalNotice = kLegalNotice;
  app.PeriodUnit = 1;
  app.FreqUnit = 1;
  app.TimerMode = 0;
  app.CmtMark = "'";
  app.AssignOp = "=";
  app.BinPrefix = "%";
  app.HexPrefix = "$";
  app.StmtEnd = " ";
  app.CrLf = "\r\n";
}

bool CheckScreenResolution(const AppRecord& app, Platform& platform) {
  const std::string message = "Sorry, min. resolution for this programm" + app.CrLf + "is: 1024 x 768";
  const ScreenSize screen = platform.screenSize();
  if (screen.width < 1024 || screen.height < 768) {
    platform.messageBox(message, MsgIcon::Critical, MsgButtons::Ok, app.AppName);
    return false;
  }
  return true;
}

}  // namespace tickwell
