#include "app/startup.h"

namespace tickwell {

void initAppRecord(AppRecord& app) {
  // Texts are moved in whole: assigning a literal to a string trips a false
  // -Wrestrict of g++ 12 at -O3.
  app.HomePage = std::string(kHomePage);
  app.AuthorMail = std::string(kAuthorMail);
  app.AppName = std::string("Tickwell");
  app.LegalNotice = std::string(kLegalNotice);
  app.PeriodUnit = 1;
  app.FreqUnit = 1;
  app.TimerMode = 0;
  app.CmtMark = std::string("'");
  app.AssignOp = std::string("=");
  app.BinPrefix = std::string("%");
  app.HexPrefix = std::string("$");
  app.StmtEnd = std::string(" ");
  app.CrLf = std::string("\r\n");
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
