#include "app/startup.h"

#include <string>

namespace tickwell {

bool CheckScreenResolution(Platform& platform) {
  const ScreenSize screen = platform.screenPixels();
  if (screen.width < 1024 || screen.height < 768) {
    platform.messageBox(std::string("Sorry, min. resolution for this programm") + kCrLf + "is: 1024 x 768",
                        MsgIcon::Critical, MsgButtons::Ok, kAppName);
    return false;
  }
  return true;
}

}  // namespace tickwell
