// The command line of tickwell: `tickwell solve|calc|listing [options]`.
// It parses with Qt's QCommandLineParser, needs no display (QtCore only) and
// builds the whole output before anything is written, so that a failure never
// leaves half a result behind. `calc` and `listing` evaluate the
// configuration and write it with the window's own formatting and listings,
// so they show what the window shows; `solve` lists the solver's rows as the
// solutions dialog does.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

namespace tickwell::cli {

// Exit statuses: done; nothing within reach (or the output could not be
// written); bad usage; an internal error (a fault of ours, never of the
// command line given).
inline constexpr int kDone = 0;
inline constexpr int kOutOfReach = 1;
inline constexpr int kBadUsage = 2;
inline constexpr int kInternalError = 3;

struct Result {
  int status = kDone;
  std::string out;  // for standard output
  std::string err;  // one line for standard error, or nothing
};

// Whether the program's arguments (its name first) ask for the command line:
// a first argument that is not an option (a command, or a mistyped one), or
// one of the command line's own options. Anything else (no argument, or Qt's
// window options such as -style) starts the window.
bool wantsCommandLine(const std::vector<std::string>& arguments);

// Runs the command line on the program's arguments, its name first. A
// QCoreApplication must exist (the help text names the program through it).
Result run(const QStringList& arguments);

}  // namespace tickwell::cli
