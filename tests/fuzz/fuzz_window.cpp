// libFuzzer target: user actions on the calculator window through the scenario
// driver, the window's invariants checked after each. Input: after a first byte
// 'S' scenario text (the golden scenarios seed the corpus so), else three bytes
// a line: a command, a control, a text or number. A violated invariant prints
// what failed and the scenario that led there, then aborts;
// TICKWELL_FUZZ_PRINT=1 prints every line run, to make a finding a scenario.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "invariants.h"
#include "script_runner.h"

namespace {

const std::vector<std::string>& kTexts = tickwell::checks::kEdgeTexts;
const long long kValues[] = {0, 1, 2, 253, 254, 255, 256, 65535, 70000, -5};
const char* const kCommands[] = {"type", "click", "pick", "slide", "tab", "focus", "answer"};

std::string line(std::uint8_t command, std::uint8_t control, std::uint8_t value, const std::vector<std::string>& names) {
  const std::string c = kCommands[command % 7];
  const std::string& name = names[control % names.size()];
  if (c == "type") return c + " " + name + " " + kTexts[value % kTexts.size()];
  if (c == "pick") return c + " " + name + " " + std::to_string(value % 17);
  if (c == "slide") return c + " " + name + " " + std::to_string(kValues[value % std::size(kValues)]);
  if (c == "tab") return "tab Ts1 " + std::to_string(value % 4 + 1);
  if (c == "answer") return value % 2 ? "answer ok" : "answer cancel";
  return c + " " + name;
}

void run(const std::vector<std::string>& lines) {
  std::ostringstream sink;
  tickwell::ScriptRunner runner(sink);
  runner.start();
  const bool print = std::getenv("TICKWELL_FUZZ_PRINT") != nullptr;
  for (std::size_t i = 0; i < lines.size() && !runner.ended(); ++i) {
    if (print) std::printf("%s\n", lines[i].c_str());
    runner.runLine(lines[i]);  // a line the driver refuses is simply skipped
    if (runner.ended()) return;
    const auto failed = tickwell::checks::violations(runner.state(), runner.view());
    if (failed.empty()) continue;
    std::fprintf(stderr, "\n=== invariant violated after line %zu ===\n", i + 1);
    for (const auto& f : failed) std::fprintf(stderr, "%s\n", f.c_str());
    std::fprintf(stderr, "=== scenario ===\n");
    for (std::size_t j = 0; j <= i; ++j) std::fprintf(stderr, "%s\n", lines[j].c_str());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::string> names = [] {
    tickwell::WindowView view;
    std::vector<std::string> all;
    for (const auto& c : tickwell::namedControls(view)) all.push_back(c.name);
    return all;
  }();
  std::vector<std::string> lines;
  if (size > 0 && data[0] == 'S') {
    std::istringstream text(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    for (std::string l; std::getline(text, l) && lines.size() < 4000;) lines.push_back(l);
  } else {
    for (std::size_t i = 0; i + 2 < size; i += 3) lines.push_back(line(data[i], data[i + 1], data[i + 2], names));
  }
  run(lines);
  return 0;
}
