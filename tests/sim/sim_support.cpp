#include "sim_support.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace tickwell::sim {

namespace fs = std::filesystem;

// ---------------------------------------------------------------- processes

CommandResult runCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.output.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string shellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string missingTools() {
  std::string missing;
  for (const char* tool : {"gpasm", "gpsim"}) {
    if (runCommand(std::string("command -v ") + tool).status != 0) missing += missing.empty() ? tool : std::string(" and ") + tool;
  }
  return missing;
}

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "tickwell-sim-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  if (std::getenv("TICKWELL_SIM_KEEP") == nullptr) fs::remove_all(path_, ignored);
}

void writeFile(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary);
  out << text;
}

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// ---------------------------------------------------------------- the window

namespace {

std::string unescape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char c = text[++i];
    out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
  }
  return out;
}

double nanosecondsPer(const std::string& unit) {
  if (unit == "ns") return 1;
  if (unit == "µs") return 1e3;
  if (unit == "ms") return 1e6;
  if (unit == "s") return 1e9;
  throw std::runtime_error("unknown period unit " + unit);
}

double shownNumber(std::string text) {
  std::erase(text, ',');
  return std::stod(text);
}

}  // namespace

WindowView showWindow(const Config& c) {
  std::ostringstream scenario;
  if (c.frequency != nullptr) scenario << "type txtFreq " << c.frequency << "\n";
  if (c.timer != 0) scenario << "click opTmr(" << c.timer << ")\n";
  if (c.chip == Chip::PIC18F4520) scenario << "click opPIC18\n";
  if (c.sixteenBit) scenario << "click opMode(1)\n";
  scenario << "pick cbPre " << c.pre << "\n";
  if (c.timer == 2) scenario << "pick cbPost " << c.post << "\n";
  scenario << "slide sl1 " << c.preload << "\n";
  if (c.adjust) scenario << (c.timer == 2 ? "click chkPR2\n" : "click chkTMR0\n");
  for (int language = 0; language < 5; ++language)
    scenario << "pick cbComment " << language << "\nprint txtTimer(" << c.timer << ")\n";
  scenario << "print sl1\nprint PreScale\nprint PostScale\nprint TimerMode\nprint OscFreq\n"
              "print lblInterrupt\nprint btnInterrupt\n";

  TempDir dir;
  const fs::path file = dir.path() / "window.scn";
  writeFile(file, scenario.str());
  const CommandResult run = runCommand(shellQuote(TICKWELL_SCRIPT) + " " + shellQuote(file.string()));
  if (run.status != 0) throw std::runtime_error("tickwell-script failed:\n" + run.output);

  WindowView view;
  std::size_t language = 0;
  std::string periodText, periodUnit;
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key.starts_with("txtTimer(") && language < view.listings.size()) view.listings[language++] = unescape(value);
    else if (key == "sl1.value") view.preset = std::stol(value);
    else if (key == "PreScale") view.preScale = std::stoi(value);
    else if (key == "PostScale") view.postScale = std::stoi(value);
    else if (key == "TimerMode") view.timerMode = std::stoi(value);
    else if (key == "OscFreq") view.oscillator = std::stod(value);
    else if (key == "lblInterrupt.caption") periodText = value;
    else if (key == "btnInterrupt.caption") periodUnit = value;
  }
  if (language != view.listings.size()) throw std::runtime_error("missing listings in:\n" + run.output);
  view.periodNs = shownNumber(periodText) * nanosecondsPer(periodUnit);
  return view;
}

// ---------------------------------------------------------------- devices

namespace {

Device parseDevice(const std::string& text) {
  Device d;
  static const std::regex equ(R"(^([A-Za-z_][A-Za-z0-9_]*)\s+EQU\s+H'([0-9A-Fa-f]+)')");
  static const std::regex section(R"(^;-----\s*(.*?)\s*-*\s*$)");
  enum class Part { None, Registers, Bits } part = Part::None;
  std::string owner;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with(";====")) part = Part::None;  // a new chapter (configuration bits ...)
    std::smatch m;
    if (std::regex_match(line, m, section)) {
      const std::string title = m[1];
      if (title == "Register Files") {
        part = Part::Registers;
      } else if (title.ends_with(" Bits")) {
        part = Part::Bits;
        owner = title.substr(0, title.size() - 5);
      } else if (title.starts_with("Bank")) {
        // a bank heading inside the register files
      } else {
        part = Part::None;
      }
      continue;
    }
    if (!std::regex_search(line, m, equ)) continue;
    const int value = std::stoi(m[2].str(), nullptr, 16);
    if (part == Part::Registers) d.registers.emplace(m[1], value);
    if (part == Part::Bits && value < 8) d.bits[owner].emplace(m[1], value);
  }
  return d;
}

}  // namespace

const char* processorName(Chip chip) { return chip == Chip::PIC16F877A ? "16F877A" : "18F4520"; }
const char* includeFile(Chip chip) { return chip == Chip::PIC16F877A ? "p16f877a.inc" : "p18f4520.inc"; }

const Device& device(Chip chip) {
  static const std::array<Device, 2> devices = [] {
    std::array<Device, 2> d;
    for (Chip c : {Chip::PIC16F877A, Chip::PIC18F4520}) {
      const std::string text = readFile(fs::path(GPUTILS_HEADER_DIR) / includeFile(c));
      if (text.empty()) throw std::runtime_error(std::string("cannot read ") + GPUTILS_HEADER_DIR + "/" + includeFile(c));
      d[static_cast<std::size_t>(c)] = parseDevice(text);
    }
    return d;
  }();
  return devices[static_cast<std::size_t>(chip)];
}

std::vector<std::string> controlRegisters(Chip chip, int timer) {
  switch (timer) {
    case 0: return {chip == Chip::PIC16F877A ? "OPTION_REG" : "T0CON"};
    case 1: return {"T1CON"};
    case 2: return {"T2CON", "PR2"};
    default: return {"T3CON"};
  }
}

std::vector<std::string> countRegisters(Chip chip, int timer) {
  switch (timer) {
    case 0: return chip == Chip::PIC16F877A ? std::vector<std::string>{"TMR0"} : std::vector<std::string>{"TMR0H", "TMR0L"};
    case 1: return {"TMR1H", "TMR1L"};
    case 2: return {};
    default: return {"TMR3H", "TMR3L"};
  }
}

// ---------------------------------------------------------------- gpasm, gpsim

::testing::AssertionResult assemble(const fs::path& dir, const std::string& name, const std::string& source) {
  writeFile(dir / (name + ".asm"), source);
  const CommandResult run =
      runCommand("cd " + shellQuote(dir.string()) + " && gpasm -I " + shellQuote(GPUTILS_HEADER_DIR) + " " + name + ".asm");
  // Messages (302: "not in bank 0", 1301: access bank taken) are advice, not
  // faults; a warning or an error is.
  if (run.status != 0 || run.output.find("Warning[") != std::string::npos ||
      run.output.find("Error[") != std::string::npos || !fs::exists(dir / (name + ".cod"))) {
    return ::testing::AssertionFailure() << "gpasm:\n" << run.output << "\nsource:\n" << source;
  }
  return ::testing::AssertionSuccess();
}

std::vector<Printed> simulate(const fs::path& dir, const std::string& name, const std::vector<std::string>& script) {
  std::string text = "load s " + name + ".cod\n";
  for (const std::string& line : script) text += line + "\n";
  text += "quit\n";
  writeFile(dir / (name + ".stc"), text);
  const CommandResult run =
      runCommand("cd " + shellQuote(dir.string()) + " && timeout 120 gpsim -i -c " + name + ".stc </dev/null");
  if (run.status != 0) throw std::runtime_error("gpsim failed:\n" + run.output);
  static const std::regex printed(R"((?:\*\*gpsim> )*([A-Za-z0-9_]+) = 0x([0-9A-Fa-f]+)\s*$)");
  std::vector<Printed> values;
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (std::regex_match(line, m, printed)) values.push_back({m[1], std::stoull(m[2].str(), nullptr, 16)});
  }
  return values;
}

// ---------------------------------------------------------------- register images

namespace {

std::string trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

int parseNumber(const std::string& text) {
  auto digits = [&](std::size_t skip, int base) { return std::stoi(text.substr(skip), nullptr, base); };
  if (text.starts_with("%")) return digits(1, 2);
  if (text.starts_with("0b")) return digits(2, 2);
  if (text.starts_with("$")) return digits(1, 16);
  if (text.starts_with("0x")) return digits(2, 16);
  return std::stoi(text);
}

}  // namespace

Registers runDialectListing(Chip chip, const std::string& listing, Registers regs) {
  const Device& d = device(chip);
  std::istringstream lines(listing);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t comment = std::min(line.find('\''), line.find("//"));
    line = trim(line.substr(0, comment));
    if (line.empty()) continue;
    if (line.back() == ';') line = trim(line.substr(0, line.size() - 1));
    const std::size_t assign = line.find(":=") != std::string::npos ? line.find(":=") : line.find('=');
    if (assign == std::string::npos) throw std::runtime_error("no assignment: " + line);
    const std::string target = trim(line.substr(0, assign));
    const int value = parseNumber(trim(line.substr(assign + (line[assign] == ':' ? 2 : 1))));
    const std::size_t dot = target.find('.');
    const std::string reg = target.substr(0, dot);
    if (!d.registers.contains(reg)) throw std::runtime_error("unknown register: " + line);
    if (dot == std::string::npos) {
      if (value < -128 || value > 255) throw std::runtime_error("value out of a byte: " + line);
      regs[reg] = value & 0xFF;
      continue;
    }
    const std::string bit = target.substr(dot + 1);
    const auto owner = d.bits.find(reg);
    if (owner == d.bits.end() || !owner->second.contains(bit)) throw std::runtime_error("unknown bit: " + line);
    if (value != 0 && value != 1) throw std::runtime_error("not a bit value: " + line);
    const int mask = 1 << owner->second.at(bit);
    regs[reg] = value != 0 ? (regs[reg] | mask) : (regs[reg] & ~mask);
  }
  return regs;
}

std::string xc8Header(Chip chip) {
  const Device& d = device(chip);
  std::ostringstream h;
  h << "/* Made from " << includeFile(chip) << " of gputils: each register a byte of tw_sfr at its address,\n"
       "   each bit of its ...bits structure at the position the include file gives. */\n"
       "extern volatile unsigned char tw_sfr[4096];\n";
  for (const auto& [name, address] : d.registers) {
    h << "#define " << name << " (tw_sfr[" << address << "])\n";
    const auto bits = d.bits.find(name);
    if (bits == d.bits.end()) continue;
    h << "typedef union {\n  unsigned char byte;\n";
    for (const auto& [bit, position] : bits->second) {
      // XC8 spells the active-low names of the include files nNAME.
      std::string field = bit;
      if (field.starts_with("NOT_")) field.replace(0, 4, "n");
      h << "  struct {";
      if (position > 0) h << " unsigned char : " << position << ";";
      h << " unsigned char " << field << " : 1; };\n";
    }
    h << "} " << name << "bits_t;\n";
    h << "#define " << name << "bits (*(volatile " << name << "bits_t*)&tw_sfr[" << address << "])\n";
  }
  return h.str();
}

}  // namespace tickwell::sim
