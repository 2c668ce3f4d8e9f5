// tickwell-script [FILE]: runs a scenario against the calculator window's
// logic and prints what the window shows.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "script_runner.h"

namespace {

constexpr std::string_view usage =
    "usage: tickwell-script [FILE]\n"
    "       tickwell-script --help\n"
    "\n"
    "Runs a scenario from FILE, or from standard input without FILE, against the\n"
    "calculator window's logic and prints what the window shows. Exit status 0\n"
    "when every line was understood; 2 at the first line that is not, named on\n"
    "standard error (the lines before it have run and printed).\n"
    "\n"
    "One command a line; blank lines and lines starting with '#' are skipped.\n"
    "  screen W H          the desktop's size in pixels, before any other command\n"
    "                      (default 1280 1024)\n"
    "  type NAME TEXT      replace the text of text box NAME by TEXT, taken exactly\n"
    "  click NAME          click a button, check box, clickable label or option\n"
    "  pick NAME INDEX     pick entry INDEX (from 0) of drop-down list NAME\n"
    "  slide NAME VALUE    move slider NAME to VALUE\n"
    "  tab NAME INDEX      select tab INDEX (from 1) of tab strip NAME\n"
    "  focus NAME          give text box NAME the focus\n"
    "  answer ok|cancel    how the next message box is answered (default ok)\n"
    "  print NAME[.PROP]   print a property of a control, or a record field\n"
    "  dump                print every property and record field, sorted by name\n"
    "\n"
    "Controls are named as in the window (txtFreq, cbPre, cmdSearch); members of\n"
    "a control array take their index in parentheses: opTmr(2), opFreq(15).\n"
    "Each message box prints msgbox|ICON|BUTTONS|TITLE|PROMPT|ANSWER.\n"
    "The language is described in docs/scenarios.md.\n";

// An argument that names no file but looks like an option is a mistake, not a
// scenario to read: without this, "--hlep" would end as "cannot read --hlep".
bool looksLikeOption(const std::string& argument) {
  std::error_code ignored;
  return argument.size() > 1 && argument.front() == '-' && !std::filesystem::exists(argument, ignored);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
      std::cout << usage;
      return 0;
    }
    if (argc > 2 || looksLikeOption(first)) {
      std::cerr << usage;
      return 2;
    }
  }

  std::ifstream file;
  if (argc > 1) {
    file.open(argv[1], std::ios::binary);
    if (!file) {
      std::cerr << "tickwell-script: cannot read " << argv[1] << '\n';
      return 2;
    }
  }
  std::istream& in = argc > 1 ? static_cast<std::istream&>(file) : std::cin;
  tickwell::ScriptRunner runner(std::cout);
  std::string line;
  long number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (auto error = runner.runLine(line)) {
      std::cout.flush();
      std::cerr << "tickwell-script: line " << number << ": " << *error << '\n';
      return 2;
    }
    if (runner.ended()) break;
  }
  // A read error (a directory opens, then fails to read) must not pass as the
  // end of a shorter scenario.
  if (in.bad()) {
    std::cout.flush();
    std::cerr << "tickwell-script: cannot read " << (argc > 1 ? argv[1] : "standard input") << '\n';
    return 2;
  }
  runner.start();
  return 0;
}
