// The desktop services the window logic needs, behind one small interface so
// that the logic runs without a toolkit: the Qt program supplies the real
// services, the scenario driver and the tests a scripted one.
#pragma once

#include <string>

#include "version.h"

namespace tickwell {

enum class MsgIcon { Critical, Information, Question };
enum class MsgButtons { Ok, OkCancel };
enum class MsgAnswer { Ok, Cancel };

struct ScreenSize {
  int width = 0;
  int height = 0;
};

struct AppVersion {
  int major = kVersionMajor;
  int minor = kVersionMinor;
  int revision = kVersionPatch;
};

class Platform {
public:
  virtual ~Platform() = default;

  // A modal message box; returns the button chosen (always Ok for MsgButtons::Ok).
  virtual MsgAnswer messageBox(const std::string& prompt, MsgIcon icon, MsgButtons buttons,
                               const std::string& title) = 0;
  // Screen size in the windows' own length unit, for placing windows.
  virtual ScreenSize screenSize() = 0;
  // Screen size in the device's pixels, for the start-up check (a screen
  // scaled to 150 % has more pixels than length units).
  virtual ScreenSize screenPixels() { return screenSize(); }
  // Puts a plain text on the clipboard.
  virtual void setClipboardText(const std::string& text) = 0;
  // Opens an address with the desktop's default program; false when no
  // program could be started for it.
  virtual bool openAddress(const std::string& address) = 0;
  // The program's version numbers.
  virtual AppVersion version() { return {}; }
};

}  // namespace tickwell
