// Every entry of the calculator window fed with texts that are no number, no
// plain number, or a number just inside or outside its range: what the box
// shows afterwards and the one result that tells the entry was taken or
// refused. The window must stay sound after each.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "../support/hostile_texts.h"
#include "../support/invariants.h"

namespace tickwell {
namespace {

using checks::Window;

using checks::kLongOnes;

TextBox& box(Calculator& c, const std::string& name) {
  for (const auto& nc : c.controls())
    if (nc.name == name) return *std::get<TextBox*>(nc.control);
  throw std::invalid_argument(name);
}

// The result that shows whether the entry was taken.
std::string keyResult(Window& w, const std::string& key) {
  if (key == "OscFreq") return recordNumber(w.app.OscFreq);
  if (key == "sl1") return std::to_string(w->sl1.value());
  if (key == "slTimeout") return std::to_string(w->slTimeout.value());
  if (key == "lblInterrupt") return w->lblInterrupt.caption();
  return box(*w, key).text();
}

std::string printable(const std::string& s) {
  std::string out;
  for (char ch : s.substr(0, 24)) out += (static_cast<unsigned char>(ch) < 32) ? "\\x" + std::to_string(ch) : std::string(1, ch);
  return s.size() > 24 ? out + "...(" + std::to_string(s.size()) + ")" : out;
}

struct Row {
  const char* box;
  std::string typed;
  std::string shows;  // the box's text afterwards
  const char* key;
  std::string result;
};

// Before each row the entry holds a valid value of its own, so that a refused
// text is told from one that was never taken: 20 MHz, preload 100, timeout 7,
// overhead 9; the other search entry holds a value.
void prepare(Window& w, const std::string& entry) {
  if (entry == "txtFreq") checks::typeInto(w->txtFreq, "20");
  if (entry == "txtRegVal") checks::typeInto(w->txtRegVal, "100");
  if (entry == "txtTimeout") checks::typeInto(w->txtTimeout, "7");
  if (entry == "txtOverhead") checks::typeInto(w->txtOverhead, "9");
  if (entry == "txtSearchInt") checks::typeInto(w->txtSearchFreq, "100");
  if (entry == "txtSearchFreq") checks::typeInto(w->txtSearchInt, "5000");
}

void runRows(const std::vector<Row>& rows, const std::function<void(Window&)>& setup = {}) {
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.box) + " <- \"" + printable(r.typed) + "\"");
    Window w;
    if (setup) setup(w);
    prepare(w, r.box);
    checks::typeInto(box(*w, r.box), r.typed);
    EXPECT_EQ(box(*w, r.box).text(), r.shows);
    EXPECT_EQ(keyResult(w, r.key), r.result) << r.key;
    EXPECT_TRUE(w.desktop.prompts.empty()) << "an entry never shows a message";
    const auto failed = checks::violations(*w, w.app);
    EXPECT_TRUE(failed.empty()) << checks::joined(failed);
  }
}

TEST(BadInputTest, NoEntryTakesATextThatIsNoNumber) {
  // Each entry falls back to its own text, and the window then is what the
  // fallback typed by hand gives. The oscillator box keeps 8 characters, so
  // of a long run of ones it keeps the number 11111111.
  const struct { const char* entry; const char* fallback; } entries[] = {
      {"txtFreq", "4"}, {"txtRegVal", "0"}, {"txtTimeout", "0"}, {"txtOverhead", "0"},
      {"txtSearchInt", "0"}, {"txtSearchFreq", "0"}};
  for (const auto& e : entries) {
    Window byHand;
    prepare(byHand, e.entry);
    checks::typeInto(box(*byHand, e.entry), e.fallback);
    for (const std::string& text : checks::kHostileTexts) {
      if (std::string(e.entry) == "txtFreq" && text == kLongOnes) continue;
      SCOPED_TRACE(std::string(e.entry) + " <- \"" + printable(text) + "\"");
      Window w;
      prepare(w, e.entry);
      checks::typeInto(box(*w, e.entry), text);
      EXPECT_EQ(box(*w, e.entry).text(), e.fallback);
      EXPECT_EQ(w.app.OscFreq, byHand.app.OscFreq);
      EXPECT_EQ(w->sl1.value(), byHand->sl1.value());
      EXPECT_EQ(w->slTimeout.value(), byHand->slTimeout.value());
      EXPECT_EQ(w->lblInterrupt.caption(), byHand->lblInterrupt.caption());
      EXPECT_EQ(w->txtSearchInt.text(), byHand->txtSearchInt.text());
      EXPECT_EQ(w->txtSearchFreq.text(), byHand->txtSearchFreq.text());
      EXPECT_TRUE(w.desktop.prompts.empty()) << "an entry never shows a message";
      const auto failed = checks::violations(*w, w.app);
      EXPECT_TRUE(failed.empty()) << checks::joined(failed);
    }
  }
}

TEST(BadInputTest, OscillatorEntry) {
  // Numbers that are negative, zero or out of range bring back 4 MHz; the
  // box holds 8 characters.
  runRows({
      {"txtFreq", "-1", "4", "OscFreq", "4000000"},
      {"txtFreq", "0", "4", "OscFreq", "4000000"},
      {"txtFreq", "-0", "4", "OscFreq", "4000000"},
      {"txtFreq", "-0.5", "4", "OscFreq", "4000000"},
      {"txtFreq", "1e-400", "4", "OscFreq", "4000000"},
      {"txtFreq", "1e-320", "4", "OscFreq", "4000000"},
      {"txtFreq", kLongOnes, "11111111", "OscFreq", "11111111"},
      {"txtFreq", "\t5 ", "\t5 ", "OscFreq", "5000000"},
      // Lowest: 1e-9 MHz is 0.001 Hz; the same typed in full does not fit.
      {"txtFreq", "1e-9", "1e-9", "OscFreq", "0.001"},
      {"txtFreq", "9.99e-10", "4", "OscFreq", "4000000"},
      {"txtFreq", "0.000000001", "4", "OscFreq", "4000000"},
      // The unit by magnitude, at its borders.
      {"txtFreq", "48", "48", "OscFreq", "48000000"},
      {"txtFreq", "49", "49", "OscFreq", "49000"},
      {"txtFreq", "999", "999", "OscFreq", "999000"},
      {"txtFreq", "1000", "1000", "OscFreq", "1000"},
      {"txtFreq", "4.8e8", "4.8e8", "OscFreq", "480000000"},
      {"txtFreq", "4.81e8", "4.81e8", "OscFreq", "481000000000000"},
      {"txtFreq", "480000001", "48000000", "OscFreq", "48000000"},
      // Highest: 1e9 MHz is 1e15 Hz.
      {"txtFreq", "1e9", "1e9", "OscFreq", "1e+15"},
      {"txtFreq", "1.01e9", "4", "OscFreq", "4000000"},
      {"txtFreq", "1000000001", "10000000", "OscFreq", "10000000"},
  });
}

TEST(BadInputTest, PreloadEntry) {
  runRows({
      {"txtRegVal", "-1", "0", "sl1", "0"},
      {"txtRegVal", "0", "0", "sl1", "0"},
      {"txtRegVal", "-0", "0", "sl1", "0"},
      {"txtRegVal", "1e-400", "0", "sl1", "0"},
      {"txtRegVal", "1e-320", "0", "sl1", "0"},
      {"txtRegVal", " 7 ", "7", "sl1", "7"},
      {"txtRegVal", "2e2", "200", "sl1", "200"},
      {"txtRegVal", "12.7", "13", "sl1", "13"},
      {"txtRegVal", "0.5", "0", "sl1", "0"},
      {"txtRegVal", "1.5", "2", "sl1", "2"},
      {"txtRegVal", "254.5", "254", "sl1", "254"},
      {"txtRegVal", "255", "255", "sl1", "255"},
      {"txtRegVal", "255.5", "255", "sl1", "255"},
      {"txtRegVal", "256", "255", "sl1", "255"},
      {"txtRegVal", "-65536", "0", "sl1", "0"},
  });
}

TEST(BadInputTest, PreloadEntry16Bit) {
  runRows(
      {
          {"txtRegVal", "65535", "65535", "sl1", "65535"},
          {"txtRegVal", "65534.5", "65534", "sl1", "65534"},
          {"txtRegVal", "65535.5", "65535", "sl1", "65535"},
          {"txtRegVal", "65536", "65535", "sl1", "65535"},
          {"txtRegVal", "-1", "0", "sl1", "0"},
      },
      [](Window& w) { w->opMode.select(1); });
}

TEST(BadInputTest, TimeoutEntry) {
  // Cut to 0..15; the box shows the value taken.
  runRows({
      {"txtTimeout", "-1", "0", "slTimeout", "0"},
      {"txtTimeout", "0", "0", "slTimeout", "0"},
      {"txtTimeout", "-0", "0", "slTimeout", "0"},
      {"txtTimeout", "1e-400", "0", "slTimeout", "0"},
      {"txtTimeout", "1e-320", "0", "slTimeout", "0"},
      {"txtTimeout", " 3 ", "3", "slTimeout", "3"},
      {"txtTimeout", "1e1", "10", "slTimeout", "10"},
      {"txtTimeout", "14.5", "14", "slTimeout", "14"},
      {"txtTimeout", "15", "15", "slTimeout", "15"},
      {"txtTimeout", "15.5", "15", "slTimeout", "15"},
      {"txtTimeout", "16", "15", "slTimeout", "15"},
      {"txtTimeout", "-15", "0", "slTimeout", "0"},
  });
}

TEST(BadInputTest, OverheadEntry) {
  // Default timing: 1 µs per count, 256 counts, so the period is
  // (256 + overhead) x 1000 ns.
  runRows({
      {"txtOverhead", "-1", "0", "lblInterrupt", "256,000"},
      {"txtOverhead", "-0.5", "0", "lblInterrupt", "256,000"},
      {"txtOverhead", "-1e-320", "0", "lblInterrupt", "256,000"},
      {"txtOverhead", "0", "0", "lblInterrupt", "256,000"},
      {"txtOverhead", "-0", "-0", "lblInterrupt", "256,000"},
      {"txtOverhead", "1e-400", "1e-400", "lblInterrupt", "256,000"},
      {"txtOverhead", "1e-320", "1e-320", "lblInterrupt", "256,000"},
      {"txtOverhead", "0.5", "0.5", "lblInterrupt", "256,500"},
      {"txtOverhead", " 4 ", " 4 ", "lblInterrupt", "260,000"},
      {"txtOverhead", "32767", "32767", "lblInterrupt", "33,023,000"},
      {"txtOverhead", "32767.0", "32767.0", "lblInterrupt", "33,023,000"},
      {"txtOverhead", "32767.5", "32767", "lblInterrupt", "33,023,000"},
      {"txtOverhead", "32768", "32767", "lblInterrupt", "33,023,000"},
      {"txtOverhead", "1e300", "32767", "lblInterrupt", "33,023,000"},
  });
}

TEST(BadInputTest, SearchEntries) {
  // A number (any sign) stays and clears the other entry, which holds a
  // value; anything else becomes "0" and leaves the other entry alone.
  std::vector<Row> rows;
  for (const auto& [entry, other, kept] : {std::tuple{"txtSearchInt", "txtSearchFreq", "100"},
                                           std::tuple{"txtSearchFreq", "txtSearchInt", "5000"}}) {
    for (const std::string& refused : checks::kHostileTexts)
      rows.push_back({entry, refused, "0", other, kept});
    for (const char* taken : {"-1", "-0", "1e-400", "1e-320", " 5 ", "0.0", "65536000", "1e308"})
      rows.push_back({entry, taken, taken, other, "0"});
  }
  runRows(rows);
}

TEST(BadInputTest, SearchLimits) {
  // Default set-up: periods 1,000 .. 65,536,000 ns, frequencies
  // 15.2587890625 .. 1,000,000 Hz; the limits themselves are accepted.
  const std::string tooHigh = "Number input is higher than max. interrupt.\r\nUse 16-Bit or counter in loop!";
  const std::string tooLow = "Number input is lower than min. interrupt.\r\nUse min. 1000 ns or higher";
  const std::string noScaler = "Wrong input data !";
  const std::string inexact = "No exact match found! Setting nearest value.   ";
  const std::string freqHigh = "Number input is higher than max. frequency.\r\nUse 16-Bit, counter in loop or change scaler!";
  const std::string freqLow = "Number input is lower than min. frequency.\r\nUse min. 15.2587890625 Hz or higher";
  // clang-format off
  const struct { const char* entry; const char* wanted; std::string message; const char* shows; int preload; } rows[] = {
      {"txtSearchInt", "1000", "", "1000", 255},
      {"txtSearchInt", "999.999", tooLow, "0", 0},
      {"txtSearchInt", "-5", tooLow, "0", 0},
      {"txtSearchInt", "1e-320", tooLow, "0", 0},
      {"txtSearchInt", "65536000", noScaler, "65536000", 0},
      {"txtSearchInt", "65536001", tooHigh, "0", 0},
      {"txtSearchInt", "1e308", tooHigh, "0", 0},
      {"txtSearchFreq", "1000000", "", "1000000", 255},
      {"txtSearchFreq", "1000001", freqHigh, "0", 0},
      {"txtSearchFreq", "1e308", freqHigh, "0", 0},
      // The lowest frequency assumes prescaler 1:256, which the search keeps
      // at 1:1: the preload is cut to 0 and the result reported inexact.
      {"txtSearchFreq", "15.2587890625", inexact, "15.2587890625", 0},
      {"txtSearchFreq", "15.25", freqLow, "0", 0},
      {"txtSearchFreq", "-0", freqLow, "0", 0},
  };
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.entry) + " <- " + r.wanted);
    Window w;
    checks::typeInto(box(*w, r.entry), r.wanted);
    w->cmdSearch.click();
    EXPECT_EQ(w.desktop.prompts.empty() ? "" : w.desktop.prompts.front(), r.message);
    EXPECT_LE(w.desktop.prompts.size(), 1u);
    EXPECT_EQ(box(*w, r.entry).text(), r.shows);
    EXPECT_EQ(w->sl1.value(), r.preload);
    const auto failed = checks::violations(*w, w.app);
    EXPECT_TRUE(failed.empty()) << checks::joined(failed);
  }
}

}  // namespace
}  // namespace tickwell
