// Turns fuzzer bytes into what a user does on the calculator window, written
// as scenario lines of tickwell-script (so that every finding can be replayed
// and kept as a scenario). Each action reads a few bytes; the texts typed mix
// edge texts, numbers built digit by digit, near-limit values, long texts and
// raw bytes.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calculator/calculator.h"
#include "hostile_texts.h"

namespace tickwell::fuzz {

class ByteReader {
public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return size_ == 0; }
  std::uint8_t byte() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }
  std::uint16_t word() { return static_cast<std::uint16_t>(byte() << 8 | byte()); }
  std::size_t below(std::size_t n) { return n == 0 ? 0 : byte() % n; }

private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// Numbers at and beside the limits of the entries, and numbers in the forms
// the entries do take (blanks around, signs, exponents).
inline const char* const kEdgeNumbers[] = {
    "-1",      "0",         "-0",         "0.0",       "+0",        "1e-400",    "1e-320",     "-1e-320",
    "4.9e-324", "4",        "48",         "48.000001", "49",        "999",       "999.9999",   "1000",
    "480000000", "48000001", "1e9",       "1.1e9",     "1e-9",      "9e-10",     "0.001",      "1",
    "2",       "253",       "254",        "255",       "255.5",     "254.5",     "256",        "65535",
    "65535.5", "65536",     "-65536",     "15",        "15.5",      "16",        "-15",        "32767",
    "32767.5", "32768",     "1e15",       "1.7976931348623157e308",  "  5  ",    "\t7",        "+5",
    "1.",      ".5",        "1e+3",       "1E3",       "0.0000001", "99999999",  "12345678",   "5\r",
    "256000",  "1000000",
};

// A text no entry takes as a number, or an edge number; the long hostile
// texts are left to typedText's own long case.
inline std::string edgeText(ByteReader& r) {
  const auto& hostile = checks::kHostileTexts;
  const std::size_t k = r.below(hostile.size() + std::size(kEdgeNumbers));
  if (k >= hostile.size()) return kEdgeNumbers[k - hostile.size()];
  return hostile[k].size() > 100 ? std::string() : hostile[k];
}

// A number written digit by digit: sign, whole digits, fraction, exponent,
// blanks around.
inline std::string numberText(ByteReader& r) {
  const std::uint8_t shape = r.byte();
  std::string s;
  if (shape & 1) s += ' ';
  if (shape & 2) s += (shape & 4) ? '-' : '+';
  const std::size_t whole = r.below(12);
  for (std::size_t i = 0; i < whole; ++i) s += static_cast<char>('0' + r.below(10));
  if (shape & 8) {
    s += '.';
    const std::size_t frac = r.below(8);
    for (std::size_t i = 0; i < frac; ++i) s += static_cast<char>('0' + r.below(10));
  }
  if (shape & 16) {
    s += (shape & 32) ? 'E' : 'e';
    if (shape & 64) s += '-';
    s += std::to_string(r.below(400));
  }
  if (shape & 128) s += ' ';
  return s;
}

// A value one step inside or outside a limit of an entry.
inline std::string nearLimitText(ByteReader& r) {
  static const std::array<double, 14> limits = {0.001, 1e-9, 48, 1000, 480000000, 1e9, 255,
                                                65535, 15, 32767, 1e15, 0, 256000, 3906.25};
  const double v = limits[r.below(limits.size())];
  const int how = static_cast<int>(r.below(6));
  char buf[64];
  switch (how) {
    case 0: std::snprintf(buf, sizeof buf, "%.17g", v); break;
    case 1: std::snprintf(buf, sizeof buf, "%.17g", std::nextafter(v, 2 * v + 1)); break;
    case 2: std::snprintf(buf, sizeof buf, "%.17g", std::nextafter(v, -1.0)); break;
    case 3: std::snprintf(buf, sizeof buf, "%.17g", v + 1); break;
    case 4: std::snprintf(buf, sizeof buf, "%.17g", v - 1); break;
    default: std::snprintf(buf, sizeof buf, "%.6g", v * (1 + static_cast<int>(r.below(200)) / 100.0)); break;
  }
  return buf;
}

// A text that a scenario line can hold: no line feed, no carriage return at
// its end (the driver drops that one).
inline std::string lineSafe(std::string s) {
  for (char& ch : s)
    if (ch == '\n') ch = ' ';
  if (!s.empty() && s.back() == '\r') s += 'x';
  return s;
}

inline std::string rawText(ByteReader& r) {
  std::string s;
  const std::size_t n = r.below(24);
  for (std::size_t i = 0; i < n; ++i) s += static_cast<char>(r.byte());
  return s;
}

// Something a user might type.
inline std::string typedText(ByteReader& r) {
  switch (r.below(8)) {
    case 0:
    case 1: return edgeText(r);
    case 2:
    case 3: return numberText(r);
    case 4: return lineSafe(rawText(r));
    case 5: {
      std::string s = edgeText(r);
      return lineSafe((r.byte() & 1) ? s + rawText(r) : rawText(r) + s);
    }
    case 6: {
      // Long texts cost time on every later action: one in four.
      if (r.byte() % 4) return edgeText(r);
      static const char kFill[] = "09 a.-e,\t\x01";
      const char fill = kFill[r.below(sizeof kFill - 1)];
      std::string s(r.word() % 10001, fill);
      if (r.byte() & 1 && !s.empty()) s.front() = '1';
      return s;
    }
    default: return nearLimitText(r);
  }
}

inline std::string slideValue(ByteReader& r) {
  static const std::array<long long, 16> values = {0, 1, 2, 3, 5, 253, 254, 255, 256, 300,
                                                   65534, 65535, 65536, -1, -100000, 1000000000000LL};
  return (r.byte() & 1) ? std::to_string(values[r.below(values.size())]) : std::to_string(r.word());
}

// The controls of the window by kind, from its control list.
struct ControlNames {
  explicit ControlNames(const Calculator& c) {
    for (const auto& nc : c.controls()) {
      if (std::holds_alternative<TextBox*>(nc.control)) textBoxes.push_back(nc.name);
      if (std::holds_alternative<Button*>(nc.control) || std::holds_alternative<CheckBox*>(nc.control) ||
          std::holds_alternative<Label*>(nc.control) || std::holds_alternative<OptionRef>(nc.control))
        clickables.push_back(nc.name);
    }
  }
  std::vector<std::string> textBoxes;
  std::vector<std::string> clickables;
};

// Boxes that only show results: the desktop program makes them read-only, so
// no user types into them (the scenario driver would let a scenario do it).
inline const std::array<const char*, 11> kReadOnlyBoxes = {
    "txtPreBits", "txtPostBits", "txtHexH",    "txtHexL",    "txtDecH",   "txtDecL",
    "txtBin",     "txtTimer(0)", "txtTimer(1)", "txtTimer(2)", "txtTimer(3)"};

// True for a scenario line that types into a read-only box.
inline bool typesIntoReadOnly(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // as the driver does
  if (line.substr(0, 5) != "type ") return false;
  const std::string_view rest = line.substr(5);
  const std::string_view name = rest.substr(0, rest.find(' '));
  for (const char* box : kReadOnlyBoxes)
    if (name == box) return true;
  return false;
}

// The entries a user types into (each with a Change handler).
inline const std::array<const char*, 6> kEntries = {"txtFreq",     "txtRegVal",    "txtTimeout",
                                                     "txtOverhead", "txtSearchInt", "txtSearchFreq"};
// The unit captions and search, clicked more often than the other controls.
inline const std::array<const char*, 14> kBusyClicks = {
    "LabelCycle", "LabelHz",  "LabelHz2", "lblInputOSC", "btnInterrupt", "btnHertz", "btnSearchInt",
    "btnSearchHertz", "cmdSearch", "chkTMR0", "chkPR2", "chkFosc", "chkUseScaler", "cmdResetData"};

// The next action as scenario lines (usually one). `c` is the window as it
// stands, for the list sizes.
inline std::vector<std::string> nextAction(ByteReader& r, const Calculator& c, const ControlNames& names) {
  const std::uint8_t op = r.byte() % 16;
  switch (op) {
    case 0: case 1: case 2: case 3:
      return {"type " + std::string(kEntries[r.below(kEntries.size())]) + " " + typedText(r)};
    case 4:
      return {"type " + std::string(kEntries[r.below(kEntries.size())]) + " " + numberText(r)};
    case 5: case 6:
      return {"click " + names.clickables[r.below(names.clickables.size())]};
    case 7:
      return {"click " + std::string(kBusyClicks[r.below(kBusyClicks.size())])};
    case 8: {
      const int which = static_cast<int>(r.below(3));
      const ComboBox& box = which == 0 ? c.cbPre : which == 1 ? c.cbPost : c.cbComment;
      const char* name = which == 0 ? "cbPre" : which == 1 ? "cbPost" : "cbComment";
      if (box.count() == 0) return {};
      return {"pick " + std::string(name) + " " + std::to_string(r.below(static_cast<std::size_t>(box.count())))};
    }
    case 9: return {"slide sl1 " + slideValue(r)};
    case 10: return {"slide slTimeout " + slideValue(r)};
    case 11: return {"tab Ts1 " + std::to_string(1 + r.below(4))};
    case 12: return {"focus " + names.textBoxes[r.below(names.textBoxes.size())]};
    case 13: return {(r.byte() & 1) ? "answer ok" : "answer cancel"};
    case 14: {
      const bool period = r.byte() & 1;
      const std::string text = (r.byte() & 1) ? nearLimitText(r) : numberText(r);
      return {std::string(period ? "type txtSearchInt " : "type txtSearchFreq ") + text, "click cmdSearch"};
    }
    default: {
      static const std::array<const char*, 7> options = {"opTmr(0)", "opTmr(1)", "opTmr(2)", "opTmr(3)",
                                                         "opMode(0)", "opMode(1)", "opPIC18"};
      const std::size_t k = r.below(options.size() + 16);
      if (k < options.size()) return {"click " + std::string(options[k])};
      return {"click opFreq(" + std::to_string(k - options.size()) + ")"};
    }
  }
}

}  // namespace tickwell::fuzz
