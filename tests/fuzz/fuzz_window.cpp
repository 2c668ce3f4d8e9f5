// libFuzzer target: runs a sequence of user actions on the calculator window
// through the scenario driver and checks the window's invariants after each.
//
// Input: when the first byte is 'S', the rest is scenario text (the golden
// scenarios seed the corpus this way); otherwise the bytes are decoded into
// actions (user_actions.h). A violated invariant prints what failed and the
// scenario that led there, then aborts.
//
// TICKWELL_FUZZ_PRINT=1 prints every line run, so that an input found by the
// fuzzer turns into a scenario file. TICKWELL_FUZZ_STATS=1 prints at exit the
// deepest handler nesting seen.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "invariants.h"
#include "script_runner.h"
#include "user_actions.h"

namespace {

class NullBuffer : public std::streambuf {
protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

struct Stats {
  int deepest = 0;
  long runs = 0;
  ~Stats() {
    if (std::getenv("TICKWELL_FUZZ_STATS"))
      std::fprintf(stderr, "tickwell_fuzz: %ld runs, deepest handler nesting %d\n", runs, deepest);
  }
};
Stats stats;
const bool printLines = std::getenv("TICKWELL_FUZZ_PRINT") != nullptr;

class Session {
public:
  Session() : out_(&null_), runner_(out_) {}

  // Runs one scenario line; false once the program has ended. Typing into a
  // read-only box is no user action and is left out.
  bool run(const std::string& line) {
    if (tickwell::fuzz::typesIntoReadOnly(line)) return true;
    if (printLines) std::printf("%s\n", line.c_str());
    lines_.push_back(line);
    runner_.runLine(line);  // a line the driver refuses is simply skipped
    return check();
  }

  // Starts the program (as an empty scenario would) and checks the window.
  bool start() {
    runner_.start();
    return check();
  }
  const tickwell::Calculator& window() { return *runner_.calculator(); }

private:
  bool check() {
    if (runner_.ended()) return false;
    if (tickwell::Calculator* c = runner_.calculator()) {
      if (c->depth.deepest > stats.deepest) stats.deepest = c->depth.deepest;
      const auto failed = tickwell::checks::violations(*c, runner_.record());
      if (!failed.empty()) report(failed);
    }
    return true;
  }

  [[noreturn]] void report(const std::vector<std::string>& failed) {
    std::fprintf(stderr, "\n=== invariant violated after line %zu ===\n%s=== scenario ===\n", lines_.size(),
                 tickwell::checks::joined(failed).c_str());
    for (const auto& l : lines_) std::fprintf(stderr, "%s\n", l.c_str());
    std::fprintf(stderr, "=== end ===\n");
    std::abort();
  }

  NullBuffer null_;
  std::ostream out_;
  tickwell::ScriptRunner runner_;
  std::vector<std::string> lines_;
};

void runScenario(std::string_view text) {
  Session session;
  std::size_t count = 0;
  while (!text.empty() && count++ < 4000) {
    const auto end = text.find('\n');
    const std::string line(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!session.run(line)) return;
  }
}

void runActions(const std::uint8_t* data, std::size_t size) {
  Session session;
  tickwell::fuzz::ByteReader reader(data, size);
  if (!session.start()) return;
  const tickwell::fuzz::ControlNames names(session.window());
  while (!reader.empty()) {
    for (const auto& line : tickwell::fuzz::nextAction(reader, session.window(), names))
      if (!session.run(line)) return;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ++stats.runs;
  if (size > 0 && data[0] == 'S')
    runScenario(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  else
    runActions(data, size);
  return 0;
}
