// Process start: fills the application record and checks the screen.
#pragma once

#include "app/app_record.h"
#include "forms/platform.h"

namespace tickwell {

inline constexpr const char* kHomePage = "http://www.tickwell.example";
inline constexpr const char* kAuthorMail = "mailto:developers@tickwell.example";
inline constexpr const char* kLegalNotice = "(c) 2026 The Tickwell developers";

// The start values of the record: product texts, unit factors, the listing
// syntax of the first language, the line end.
void initAppRecord(AppRecord& app);

// True when the screen is at least 1024 x 768. Otherwise shows the critical
// message box with AppName as title and returns false: the program must then
// end without showing a window.
bool CheckScreenResolution(const AppRecord& app, Platform& platform);

}  // namespace tickwell
