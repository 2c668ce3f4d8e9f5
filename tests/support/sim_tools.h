// What the simulator tests share: files and commands in a work folder of the build tree (SIM_WORK_DIR), gpasm and
// gpsim on a program, and a chip's registers from its .inc in GPUTILS_HEADER_DIR as a C header for the listings.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#define TICKWELL_REQUIRE_SIM_TOOLS()                                                                   \
  if (std::system("command -v gpasm >/dev/null && command -v gpsim >/dev/null") != 0) {                \
    if (std::getenv("CI") != nullptr) FAIL() << "CI must have gpasm and gpsim (scripts/install-deps)"; \
    GTEST_SKIP() << "gpasm or gpsim not installed: install gputils and gpsim (scripts/install-deps)";  \
  }

namespace tickwell::sim {

namespace fs = std::filesystem;

inline std::string readFile(const fs::path& file) { std::ifstream in(file, std::ios::binary); return {std::istreambuf_iterator<char>(in), {}}; }

inline void writeFile(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

inline std::string run(const fs::path& dir, const std::string& command) {  // in `dir`: its output; throws if it fails
  const int status = std::system(("cd '" + dir.string() + "' && (" + command + ") >output.txt 2>&1").c_str());
  const std::string output = readFile(dir / "output.txt");
  if (status != 0) throw std::runtime_error(command + " failed:\n" + output);
  return output;
}

inline fs::path workDir(const std::string& name) {  // empty, for one test's files, left in the build tree to look at
  const fs::path dir = fs::path(SIM_WORK_DIR) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// Assembles `source` with gpasm (a warning fails, a message is advice) and runs
// gpsim's commands on it: the values it prints (registers, cycles), in order.
inline std::vector<std::uint64_t> simulate(const fs::path& dir, const std::string& source, const std::string& script,
                                           const std::string& gpasmOptions = "") {
  writeFile(dir / "program.asm", source);
  writeFile(dir / "program.stc", "load s program.cod\n" + script + "quit\n");
  const std::string gpasm = run(dir, "gpasm " + gpasmOptions + " -I '" GPUTILS_HEADER_DIR "' program.asm");
  if (gpasm.find("Warning[") != std::string::npos) throw std::runtime_error("gpasm:\n" + gpasm);
  const std::string gpsim = run(dir, "timeout 100 gpsim -i -c program.stc </dev/null");
  if (gpsim.find("is not a valid processor") != std::string::npos) throw std::runtime_error("gpsim:\n" + gpsim);
  static const std::regex value(R"([\w\]] = (?:0x|\$)([0-9A-Fa-f]+))");  // a register (by name or reg(address)), the cycles
  std::vector<std::uint64_t> values;
  for (std::sregex_iterator it(gpsim.begin(), gpsim.end(), value), end; it != end; ++it) values.push_back(std::stoull((*it)[1], nullptr, 16));
  return values;
}

// A chip's registers ("p16f877a") as a C header made from its gputils include file: bytes of
// tw_sfr, their bits fields of REGbits at their positions (NOT_X spelt nX, as XC8 does).
inline std::string registerHeader(const std::string& chip) {
  std::istringstream in(readFile(fs::path(GPUTILS_HEADER_DIR) / (chip + ".inc")));
  static const std::regex equ(R"(^(\w+)\s+EQU\s+H'([0-9A-Fa-f]+)')"), bitsSection(R"(^;-----\s*(\w+) Bits)");
  std::string h = "extern volatile unsigned char tw_sfr[4096];\n", owner = "-";  // "-": not in the register files
  std::map<std::string, std::map<std::string, int>> bits;
  std::smatch m;
  for (std::string line; std::getline(in, line);) {  // owner: "" in the register files, then each bits section's
    if (line.starts_with(";----- Register Files") || line.starts_with(";====")) owner = line[1] == '=' ? "-" : "";
    if (std::regex_search(line, m, bitsSection)) owner = m[1];
    if (owner == "-" || !std::regex_search(line, m, equ)) continue;
    const int value = std::stoi(m[2].str(), nullptr, 16);
    if (owner.empty()) h += "#define " + m[1].str() + " (tw_sfr[" + std::to_string(value) + "])\n";
    else if (value < 8) bits[owner].emplace(std::regex_replace(m[1].str(), std::regex("^NOT_"), "n"), value);
  }
  for (const auto& [reg, fields] : bits) {
    h += "typedef union {\n  unsigned char byte;\n";
    for (const auto& [bit, at] : fields)
      h += "  struct {" + (at > 0 ? " unsigned char : " + std::to_string(at) + ";" : "") + " unsigned char " + bit + " : 1; };\n";
    h += "} " + reg + "bits_t;\n#define " + reg + "bits (*(volatile " + reg + "bits_t*)&" + reg + ")\n";
  }
  return h;
}

}  // namespace tickwell::sim
