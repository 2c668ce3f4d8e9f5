// The product's texts and the check of the screen at start-up.
#pragma once

#include "forms/platform.h"

namespace tickwell {

inline constexpr const char* kHomePage = "http://www.tickwell.example";
inline constexpr const char* kAuthorMail = "mailto:developers@tickwell.example";
inline constexpr const char* kLegalNotice = "(c) 2026 The Tickwell developers";
// The program's name, the title of its message boxes.
inline constexpr const char* kAppName = "Tickwell";
// The line end of the listings, the example programs and the messages.
inline constexpr const char* kCrLf = "\r\n";

// True when the screen has at least 1024 x 768 device pixels. Otherwise shows the critical
// message box and returns false: the program must then end without showing a
// window.
bool CheckScreenResolution(Platform& platform);

}  // namespace tickwell
