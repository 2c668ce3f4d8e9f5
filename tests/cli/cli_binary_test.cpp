// The tickwell binary run as a script runs it, without a display: exit
// statuses and messages, JSON read back with Qt's parser, every spelling of
// the units giving the same answer, and listings and results identical to
// what the calculator window shows for the same configuration entered by hand.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <sstream>
#include <string>
#include <vector>

#include "app/number_text.h"
#include "listing/listing.h"
#include "script_runner.h"

namespace tickwell {
namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// The binary with no display and no platform chosen: a window could not start.
Outcome tickwell(const std::vector<std::string>& args, const std::vector<std::pair<QString, QString>>& extraEnv = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
  for (const auto& [name, value] : extraEnv) env.insert(name, value);
  p.setProcessEnvironment(env);
  QStringList list;
  for (const auto& a : args) list << QString::fromStdString(a);
  p.start(QStringLiteral(TICKWELL_BINARY), list);
  EXPECT_TRUE(p.waitForFinished(30000));
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
          p.readAllStandardError().toStdString()};
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

QJsonObject json(const Outcome& r) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out;
  return doc.object();
}

TEST(CliBinaryTest, ExitStatusesAndMessages) {
  struct Row {
    const char* args;
    int status;
    const char* err;  // the whole of standard error
  };
  // clang-format off
  const Row rows[] = {
      {"solve --period 1ms", 0, ""},
      {"--version", 0, ""},
      {"--json", 2, "tickwell: give a command: solve, calc or listing\n"},
      {"frobnicate", 2, "tickwell: unknown command 'frobnicate': use solve, calc or listing\n"},
      {"calc --bogus", 2, "tickwell: unknown option 'bogus'\n"},
      {"calc --osc", 2, "tickwell: missing value after '--osc'\n"},
      {"calc --osc 20XHz", 2, "tickwell: --osc 20XHz is not a positive frequency such as 20MHz\n"},
      {"calc --osc 4MHz --osc 8MHz", 2, "tickwell: --osc is given more than once\n"},
      {"calc --family pic17", 2, "tickwell: --family pic17 is not pic16 or pic18\n"},
      {"calc --timer 4", 2, "tickwell: --timer 4 is not a timer from 0 to 3\n"},
      {"calc --timer 3", 2, "tickwell: Timer3 exists on PIC18 only\n"},
      {"calc --timer 1 --width 8", 2, "tickwell: Timer1 has no 8-bit mode\n"},
      {"calc --width 16", 2, "tickwell: a 16-bit Timer0 exists on PIC18 only\n"},
      {"calc --timer 2 --prescaler 8", 2, "tickwell: Timer2 has no prescaler 1:8; it has 1:1, 1:4, 1:16\n"},
      {"calc --timer 1 --postscaler 2", 2, "tickwell: Timer1 has no postscaler\n"},
      {"calc --timer 2 --postscaler 17", 2, "tickwell: postscaler 1:17 is not one of 1:1 to 1:16\n"},
      {"calc --preload 256", 2, "tickwell: --preload 256 is outside 0 to 255, the range of an 8-bit timer\n"},
      {"calc --timer 2 --preload 256", 2, "tickwell: --preload 256 is outside 0 to 255, the range of PR2\n"},
      {"calc --family pic18 --width 16 --preload 65536", 2,
       "tickwell: --preload 65536 is outside 0 to 65535, the range of a 16-bit timer\n"},
      {"calc --preload -1", 2, "tickwell: --preload -1 is outside 0 to 255, the range of an 8-bit timer\n"},
      {"calc --tmr0-adjust --preload 1", 2,
       "tickwell: --tmr0-adjust needs a preload of 2 or more (below, the adjustment switches itself off)\n"},
      {"calc --timer 1 --pr2-adjust", 2, "tickwell: --pr2-adjust applies to Timer2 only\n"},
      {"calc --timeout 16", 2, "tickwell: --timeout 16 is not a whole number of cycles from 0 to 15\n"},
      {"calc --overhead 40000", 2, "tickwell: --overhead 40000 is not a number of cycles from 0 to 32767\n"},
      {"calc --crlf", 2, "tickwell: --crlf applies to listing only\n"},
      {"calc --period 1ms", 2, "tickwell: --period applies to solve only\n"},
      {"listing --language cobol", 2, "tickwell: --language cobol is not one of "},  // then the list
      {"solve", 2, "tickwell: solve needs --period TIME or --frequency FREQ\n"},
      {"solve --period 1ms --frequency 1kHz", 2, "tickwell: give --period or --frequency, not both\n"},
      {"solve --period 1ms --preload 4", 2, "tickwell: --preload applies to calc and listing only\n"},
      {"solve --period 0ms", 2, "tickwell: --period 0ms is not a positive time such as 1ms\n"},
      {"solve --period 1ms --timers 0,3", 2, "tickwell: Timer3 exists on PIC18 only\n"},
      {"solve --period 1ms --timer 1 --width 8", 2, "tickwell: none of the timers asked for counts in 8-bit\n"},
      {"solve --period 1ms --prescaler 3", 2, "tickwell: none of the timers considered has prescaler 1:3\n"},
      {"solve --period 1ms --timers 0,1 --postscaler 2", 2,
       "tickwell: only Timer2 has a postscaler, and it is not considered\n"},
      {"solve --period 1ms --limit -1", 2, "tickwell: --limit -1 is not a whole number from 0\n"},
      // 4 MHz: one 1 µs cycle at the shortest, Timer1 1:8 x 65,536 at the longest.
      {"solve --period 10s", 1, "tickwell: nothing reaches a period of 10 s: the timers considered reach 1 \xC2\xB5s to 524.288 ms\n"},
      {"solve --frequency 3MHz", 1,
       "tickwell: nothing reaches a frequency of 3 MHz: the timers considered reach 1.907348633 Hz to 1 MHz\n"},
      // 1,000 cycles of overhead: Timer0 1:1 ends at 1,256 cycles, 1:2 starts at 2,002.
      {"solve --period 1.5ms --overhead 1000 --timers 0,2", 1,
       "tickwell: nothing reaches a period of 1.5 ms: the nearest are 1.256 ms and 2.002 ms\n"},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.args);
    const Outcome got = tickwell(words(r.args));
    EXPECT_EQ(got.status, r.status);
    if (r.status != 0) {
      EXPECT_EQ(got.out, "");  // nothing printed half
      EXPECT_EQ(got.err.substr(0, std::string(r.err).size()), r.err);
      EXPECT_EQ(std::count(got.err.begin(), got.err.end(), '\n'), 1);
    } else {
      EXPECT_EQ(got.err, r.err);
      EXPECT_NE(got.out, "");
    }
  }
  EXPECT_EQ(tickwell({"--version"}).out, "tickwell 0.9.5\n");
}

TEST(CliBinaryTest, NeedsNoDisplayAndLoadsNoPlatformPlugin) {
  // Qt reports every plugin it loads; a command loads none.
  const Outcome r = tickwell({"calc"}, {{QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1")}});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const Outcome help = tickwell({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("solve|calc|listing"), std::string::npos);
  EXPECT_NE(help.out.find("--period <TIME>"), std::string::npos);
}

TEST(CliBinaryTest, SolveJsonReadsBack) {
  const Outcome r = tickwell(words("solve --family pic16 --osc 20MHz --period 1ms --json"));
  ASSERT_EQ(r.status, 0);
  const QJsonObject doc = json(r);
  EXPECT_EQ(doc.keys(), (QStringList{"solutions", "wanted"}));
  EXPECT_EQ(doc["wanted"].toObject()["period_s"].toDouble(), 0.001);
  const QJsonArray rows = doc["solutions"].toArray();
  ASSERT_EQ(rows.size(), 10);  // the default limit
  // 5,000 cycles of 200 ns: Timer1 1:1 counts them all (65,536 - 5,000).
  const QJsonObject first = rows[0].toObject();
  EXPECT_EQ(first.keys(), (QStringList{"counts", "error_ppm", "frequency_hz", "period_s", "postscaler", "preload",
                                       "prescaler", "timer", "width"}));
  EXPECT_EQ(first["timer"].toInt(), 1);
  EXPECT_EQ(first["width"].toInt(), 16);
  EXPECT_EQ(first["prescaler"].toInt(), 1);
  EXPECT_EQ(first["preload"].toInt(), 60536);
  EXPECT_EQ(first["counts"].toInt(), 5000);
  EXPECT_EQ(first["period_s"].toDouble(), 0.001);
  EXPECT_EQ(first["frequency_hz"].toDouble(), 1000);
  EXPECT_EQ(first["error_ppm"].toDouble(), 0);
  // Timer2 1:4 1:5 PR2 250, the fifth.
  const QJsonObject timer2 = rows[4].toObject();
  EXPECT_EQ(timer2["timer"].toInt(), 2);
  EXPECT_EQ(timer2["postscaler"].toInt(), 5);
  EXPECT_EQ(timer2["preload"].toInt(), 250);
  // 139 x 36 cycles of 200 ns = 1.0008 ms, +800 ppm.
  EXPECT_EQ(rows[6].toObject()["error_ppm"].toDouble(), 800);
  EXPECT_EQ(rows[6].toObject()["period_s"].toDouble(), 0.0010008);
  // Ranked by the size of the error.
  for (int i = 1; i < rows.size(); ++i)
    EXPECT_LE(std::abs(rows[i - 1].toObject()["error_ppm"].toDouble()),
              std::abs(rows[i].toObject()["error_ppm"].toDouble()));

  const Outcome all = tickwell(words("solve --osc 20MHz --period 1ms --json --limit 0"));
  EXPECT_EQ(json(all)["solutions"].toArray().size(), 35);
  // With PR2 Adjust the same 250 counts take PR2 249.
  const Outcome adjusted = tickwell(words("solve --osc 20MHz --period 1ms --json --pr2-adjust --timer 2 --limit 1"));
  EXPECT_EQ(json(adjusted)["solutions"].toArray()[0].toObject()["preload"].toInt(), 249);
  const Outcome frequency = tickwell(words("solve --osc 20MHz --frequency 1kHz --json --limit 1"));
  EXPECT_EQ(json(frequency)["wanted"].toObject()["frequency_hz"].toDouble(), 1000);
}

TEST(CliBinaryTest, EverySpellingOfTheUnitsGivesTheSameAnswer) {
  const std::string reference = tickwell(words("solve --osc 20000000 --period 0.001 --json --limit 0")).out;
  ASSERT_NE(reference, "");
  struct Row {
    const char* osc;
    const char* period;
  };
  const Row rows[] = {
      {"20MHz", "1ms"},        {"20mhz", "1MS"},       {"20000kHz", "1000us"}, {"20000KHZ", "1000\xC2\xB5s"},
      {"20000000Hz", "1e6ns"}, {"20 MHz", "1 ms"},     {"2e7", "1e-3s"},       {"20000000hz", "1000\xCE\xBCs"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.osc) + " " + r.period);
    const Outcome got = tickwell({"solve", "--osc", r.osc, "--period", r.period, "--json", "--limit", "0"});
    EXPECT_EQ(got.status, 0);
    EXPECT_EQ(got.out, reference);
  }
  // The frequency spelt three ways.
  const std::string hz = tickwell(words("solve --osc 20MHz --frequency 2500 --json")).out;
  for (const char* f : {"2.5kHz", "0.0025MHz", "2500HZ"})
    EXPECT_EQ(tickwell({"solve", "--osc", "20MHz", "--frequency", f, "--json"}).out, hz) << f;
}

// One configuration, entered in the window by hand and on the command line.
struct Entry {
  const char* name;
  std::vector<std::string> scenario;  // user actions on the window
  std::vector<std::string> args;      // the same on the command line
  int timer;
};

std::vector<Entry> entries() {
  return {
      {"timer0 20 MHz 1:32 preload 100",
       {"type txtFreq 20", "pick cbPre 5", "type txtRegVal 100"},
       {"--osc", "20MHz", "--prescaler", "32", "--preload", "100"},
       0},
      {"timer0 adjusted with corrections in ms",
       {"type txtFreq 8", "pick cbPre 2", "click chkTMR0", "type txtRegVal 130", "type txtTimeout 3",
        "type txtOverhead 12", "click btnInterrupt", "click btnInterrupt"},
       {"--osc", "8MHz", "--prescaler", "4", "--tmr0-adjust", "--preload", "130", "--timeout", "3", "--overhead", "12",
        "--period-unit", "ms"},
       0},
      {"timer2 pr2 adjusted 1 ms",
       {"type txtFreq 20", "click opTmr(2)", "pick cbPre 1", "pick cbPost 4", "click chkPR2", "type txtRegVal 249"},
       {"--osc", "20MHz", "--timer", "2", "--prescaler", "4", "--postscaler", "5", "--pr2-adjust", "--preload", "249"},
       2},
      {"timer1 32.768 kHz without fosc4, kHz",
       {"type txtFreq 32768", "click chkFosc", "click opTmr(1)", "pick cbPre 3", "type txtRegVal 61440",
        "click btnHertz"},
       {"--osc", "32.768kHz", "--no-fosc4", "--timer", "1", "--prescaler", "8", "--preload", "61440",
        "--frequency-unit", "kHz"},
       1},
      {"pic18 timer0 16-bit",
       {"type txtFreq 40", "click opMode(1)", "pick cbPre 8", "type txtRegVal 26474"},
       {"--family", "pic18", "--osc", "40MHz", "--width", "16", "--prescaler", "256", "--preload", "26474"},
       0},
      {"pic18 timer0 8-bit",
       {"type txtFreq 16", "click opPIC18", "pick cbPre 3", "type txtRegVal 6"},
       {"--family", "pic18", "--osc", "16MHz", "--prescaler", "8", "--preload", "6"},
       0},
      {"pic18 timer3",
       {"type txtFreq 64000000", "click opTmr(3)", "pick cbPre 1", "type txtRegVal 1000", "type txtOverhead 7"},
       {"--family", "pic18", "--osc", "64MHz", "--timer", "3", "--prescaler", "2", "--preload", "1000", "--overhead",
        "7"},
       3},
      {"pic18 timer2",
       {"type txtFreq 10", "click opTmr(2)", "click opPIC18", "pick cbPre 2", "pick cbPost 15", "type txtRegVal 0"},
       {"--family", "pic18", "--osc", "10MHz", "--timer", "2", "--prescaler", "16", "--postscaler", "16"},
       2},
  };
}

// The window after the user's actions.
struct Shown {
  std::string listing;
  std::string period;
  std::string frequency;
  std::string cycle;
};

Shown window(const std::vector<std::string>& scenario, int language, int timer) {
  std::ostringstream sink;
  ScriptRunner runner(sink);
  for (const auto& line : scenario) EXPECT_EQ(runner.runLine(line), std::nullopt) << line;
  EXPECT_EQ(runner.runLine("pick cbComment " + std::to_string(language)), std::nullopt);
  const Calculator& c = *runner.calculator();
  EXPECT_EQ(sink.str(), "");  // no message box on the way
  return {c.txtTimer[static_cast<std::size_t>(timer)].text(), c.lblInterrupt.caption() + " " + c.btnInterrupt.caption,
          c.lblHz.caption() + " " + c.btnHertz.caption, c.lblCycle.caption() + " " + c.LabelCycle.caption()};
}

TEST(CliBinaryTest, ListingIsTheWindowsByteForByte) {
  for (const Entry& e : entries()) {
    for (std::size_t language = 0; language < kListingLanguages.size(); ++language) {
      SCOPED_TRACE(std::string(e.name) + ", " + kListingLanguages[language]);
      const Shown shown = window(e.scenario, static_cast<int>(language), e.timer);
      std::vector<std::string> args = {"listing", "--language", kListingLanguages[language]};
      args.insert(args.end(), e.args.begin(), e.args.end());
      args.push_back("--crlf");
      const Outcome crlf = tickwell(args);
      ASSERT_EQ(crlf.status, 0) << crlf.err;
      EXPECT_EQ(crlf.out, shown.listing);
      // By default the same text with LF line ends.
      args.pop_back();
      std::string lf = shown.listing;
      for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
      EXPECT_EQ(tickwell(args).out, lf);
    }
  }
}

TEST(CliBinaryTest, CalcShowsWhatTheWindowShows) {
  for (const Entry& e : entries()) {
    SCOPED_TRACE(e.name);
    const Shown shown = window(e.scenario, 0, e.timer);
    std::vector<std::string> args = {"calc", "--json"};
    args.insert(args.end(), e.args.begin(), e.args.end());
    const Outcome r = tickwell(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const QJsonObject doc = json(r);
    const QJsonObject texts = doc["shown"].toObject();
    EXPECT_EQ(texts["period"].toString().toStdString(), shown.period);
    EXPECT_EQ(texts["frequency"].toString().toStdString(), shown.frequency);
    EXPECT_EQ(texts["instruction_cycle"].toString().toStdString(), shown.cycle);
    // The numbers describe one interrupt: frequency x period = 1.
    EXPECT_NEAR(doc["period_s"].toDouble() * doc["frequency_hz"].toDouble(), 1, 1e-12);
    EXPECT_EQ(doc["configuration"].toObject()["timer"].toInt(), e.timer);
    // The text form carries the same values.
    args.erase(args.begin() + 1);
    const std::string text = tickwell(args).out;
    const auto line = text.find("\nInterrupt Period ");
    ASSERT_NE(line, std::string::npos) << text;
    const std::string rest = text.substr(line + 18);
    EXPECT_EQ(rest.substr(rest.find_first_not_of(' '), shown.period.size() + 1), shown.period + "\n");
  }
}

}  // namespace
}  // namespace tickwell
