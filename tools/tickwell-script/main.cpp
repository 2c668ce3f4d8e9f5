// tickwell-script [FILE]: runs a scenario against the calculator window's
// logic and prints what the window shows.
#include <fstream>
#include <iostream>
#include <string>

#include "script_runner.h"

int main(int argc, char** argv) {
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
  runner.start();
  return 0;
}
