// The command line: what it reads from its values; the tickwell binary started
// as a user starts it, without a display; and calc and listing, run in the
// process, against what the window shows for the same configuration.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <algorithm>
#include <iomanip>
#include <sstream>

#include "calculator/apply.h"
#include "calculator/render.h"
#include "cli/cli.h"
#include "cli/cli_values.h"

namespace tickwell {
namespace {

// A value as read: numbers as they are, units by their caption, "-" for a refusal.
template <class T>
std::string shown(const std::optional<T>& v) {
  if constexpr (std::is_enum_v<T>) return v ? std::string(caption(*v)) : "-";
  else return v ? QString::number(static_cast<double>(*v), 'g', 15).toStdString() : "-";
}

std::string read(char kind, const std::string& text) {
  const auto list = cli::parseList(text);
  switch (kind) {
    case 'f': return shown(cli::parseFrequency(text));  // Hz
    case 't': return shown(cli::parseTime(text));       // ns
    case 'w': return shown(cli::parseWhole(text));
    case 'r': return shown(cli::parseRatio(text));
    case 'T': return shown(cli::parseTimeUnit(text));
    case 'F': return shown(cli::parseFrequencyUnit(text));
    case 'L': return shown(cli::parseLanguage(text));  // the place in the window's list
  }
  std::string out = list ? "" : "-";  // 'l'
  for (const long long v : list.value_or(std::vector<long long>{})) out += (out.empty() ? "" : ",") + std::to_string(v);
  return out;
}

TEST(CliTest, ReadsTheValuesAsWritten) {
  struct Row { char kind; const char* text; const char* expected; };
  const Row rows[] = {
      {'f', "20 mhz", "20000000"}, {'f', "20000KHZ", "20000000"}, {'f', "32.768kHz", "32768"}, {'f', "1e3", "1000"},
      {'f', " 4 MHz ", "4000000"}, {'f', "0.5hz", "0.5"}, {'f', "", "-"}, {'f', "MHz", "-"}, {'f', "-1MHz", "-"},
      {'f', "0", "-"}, {'f', "20 MHz MHz", "-"}, {'f', "20MHzz", "-"}, {'f', "1,000Hz", "-"}, {'f', "nan", "-"},
      {'f', "1e400", "-"}, {'f', "20ms", "-"},
      {'t', "1ms", "1000000"}, {'t', "1000us", "1000000"}, {'t', "1000\xC2\xB5s", "1000000"},  // micro sign
      {'t', "1000\xCE\xBCs", "1000000"}, {'t', "1000\xCE\x9C" "S", "1000000"},  // Greek mu, capital mu
      {'t', "1e6NS", "1000000"}, {'t', "0.001", "1000000"}, {'t', "1 m", "-"}, {'t', "ms", "-"}, {'t', "-1ms", "-"},
      {'t', "0s", "-"}, {'t', "1e-400s", "-"},
      {'w', "+3", "3"}, {'w', "2.5", "-"}, {'w', "0x10", "-"}, {'w', "99999999999999999999", "-"},
      {'r', "32", "32"}, {'r', "1:32", "32"}, {'r', "1:", "-"}, {'r', "2:4", "-"},
      {'l', "0,1,2", "0,1,2"}, {'l', " 0 , 2", "0,2"}, {'l', "0,,1", "-"}, {'l', "", "-"},
      {'T', "US", "\xC2\xB5s"}, {'T', "\xC2\xB5s", "\xC2\xB5s"}, {'T', "ks", "-"}, {'F', "khz", "kHz"},
      {'F', "GHz", "-"}, {'L', "MIKROC", "1"}, {'L', "xc8", "3"}, {'L', "mikroPascal", "-"},  // microPascal in the list
  };
  for (const Row& r : rows) EXPECT_EQ(read(r.kind, r.text), r.expected) << r.kind << " \"" << r.text << '"';
}

TEST(CliTest, TheBinaryAnswersWithoutADisplay) {
  struct Row { const char* args; int status; const char* part; };  // part: of stdout when done, else of stderr
  const Row rows[] = {
      {"solve --osc 20MHz --period 1ms", 0, "35 solutions, 6 exact. The best 10:\n"},
      {"solve --osc 20MHz --frequency 1kHz --json", 0, "\"preload\": 60536, \"counts\": 5000, \"period_s\": 0.001,"},
      {"calc --osc 20MHz --prescaler 1:32 --preload 100", 0, "\nInterrupt Period           998,400 ns\n"},
      {"calc --osc 20MHz --prescaler 32 --preload 100 --json", 0, "\"frequency_hz\": 1001.60256410256,"},
      {"calc --osc 0.001Hz", 0, "; oscillator 0.001 Hz / 4;"},
      {"listing --timer 2 --pr2-adjust --preload 249 --language mikroC", 0, "\nPR2 = 249;           // PR2 (Timer2"},
      {"listing --json --crlf --language xc8", 0, "\"line_end\": \"crlf\", \"text\": \"// Timer0 Registers: \\r\\n// "},
      {"solve --period 10s", 1, "tickwell: nothing reaches a period of 10 s: the timers considered reach 1 \xC2\xB5s"},
      {"calc --osc 2E+15Hz", 2, "is outside the oscillator frequencies the model takes (0.001 Hz to 1E+15 Hz)\n"},
      {"calc --timer 3", 2, "tickwell: Timer3 exists on PIC18 only\n"},
      {"calc --bogus", 2, "tickwell: unknown option 'bogus'\n"},  // Qt's parser, its message made one line
  };
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
  env.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));  // a plugin loaded would write to stderr
  for (const Row& r : rows) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TICKWELL_BINARY), QString::fromUtf8(r.args).split(QLatin1Char(' ')));
    EXPECT_TRUE(p.waitForFinished(30000)) << r.args;
    const std::string out = p.readAllStandardOutput().toStdString(), err = p.readAllStandardError().toStdString();
    EXPECT_EQ(p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, r.status) << r.args;
    EXPECT_TRUE(err.empty() || (std::count(err.begin(), err.end(), '\n') == 1 && err.back() == '\n')) << err;
    EXPECT_EQ(out.empty(), r.status != 0) << r.args << ": " << out;  // nothing printed half
    EXPECT_NE((r.status ? err : out).find(r.part), std::string::npos) << r.args << ": " << out << err;
  }
}

TEST(CliTest, CalcAndListingShowWhatTheWindowShows) {
  using enum Width;
  using enum Family;
  using namespace action;
  struct Row { const char* name; TimerSettings s; int periodPresses, frequencyPresses; };  // on the unit buttons
  const Row rows[] = {
      {"20 MHz", {.oscHz = 20e6, .prescale = 32, .preload = 100}, 0, 0},
      {"4 MHz 1:256", {.prescale = 256, .preload = 130, .tmr0Adjust = true, .timeout = 3, .overhead = 12.5}, 2, 1},
      {"crystal", {.timer = 1, .width = Bits16, .oscHz = 32768, .fosc4 = false, .prescale = 8, .preload = 61440}, 1, 1},
      {"PR2 Adjust", {.timer = 2, .prescale = 4, .postscale = 5, .preload = 249, .pr2Adjust = true}, 0, 2},
      {"16-bit", {.family = PIC18, .width = Bits16, .prescale = 256, .preload = 26474, .tmr0Adjust = true}, 3, 2},
      {"PIC18 8-bit", {.family = PIC18, .oscHz = 16e6, .prescale = 8, .preload = 6}, 1, 0},
      {"PIC18 Timer2", {.family = PIC18, .timer = 2, .oscHz = 10e6, .prescale = 16, .postscale = 16}, 0, 0},
      {"Timer3", {.family = PIC18, .timer = 3, .width = Bits16, .oscHz = 64e6, .preload = 1000, .overhead = 7}, 0, 1},
      {"1 Hz", {.oscHz = 1, .prescale = 2, .preload = 200}, 3, 0},
      {"100 kHz", {.timer = 1, .width = Bits16, .oscHz = 1e5, .prescale = 8}, 3, 0},
      {"99,999,999 Hz", {.timer = 2, .oscHz = 99999999, .prescale = 16, .postscale = 3, .preload = 255}, 0, 2},
  };
  for (const Row& r : rows) {
    for (std::size_t language = 0; language < kListingLanguages.size(); ++language) {
      SCOPED_TRACE(std::string(r.name) + ", " + kListingLanguages[language]);
      WindowState w = tickwell::apply(WindowState{}, ApplySettings{r.s}).state;
      ASSERT_EQ(settingsOf(w), r.s);  // the window holds the configuration
      for (int i = 0; i < r.periodPresses + r.frequencyPresses; ++i)
        w = tickwell::apply(w, Press{i < r.periodPresses ? Command::PeriodUnit : Command::FrequencyUnit}).state;
      w = tickwell::apply(w, Pick{List::Language, static_cast<int>(language)}).state;
      const WindowView v = tickwell::render(w);

      std::ostringstream a;
      a << std::setprecision(17) << "tickwell calc --family " << (r.s.family == PIC16 ? "pic16" : "pic18")
        << " --osc " << r.s.oscHz << " --timer " << r.s.timer << " --width " << (r.s.width == Bits8 ? 8 : 16)
        << " --prescaler " << r.s.prescale << " --postscaler " << r.s.postscale << " --preload " << r.s.preload
        << " --timeout " << r.s.timeout << " --overhead " << r.s.overhead << " --period-unit "
        << caption(w.periodUnit) << " --frequency-unit " << caption(w.frequencyUnit) << (r.s.fosc4 ? "" : " --no-fosc4")
        << (r.s.tmr0Adjust ? " --tmr0-adjust" : "") << (r.s.pr2Adjust ? " --pr2-adjust" : "");
      QStringList args = QString::fromStdString(a.str()).split(QLatin1Char(' '));
      const cli::Result calc = cli::run(args);
      std::vector<std::string> values;  // of the lines "caption   value" below the configuration's summary
      std::istringstream lines(calc.out.substr(calc.out.find('\n') + 1));
      for (std::string line; std::getline(lines, line);)
        values.push_back(line.substr(line.find_first_not_of(' ', line.find("  "))));
      const auto l = [](const auto& value, const auto& unit) { return value.caption + " " + unit.caption; };
      EXPECT_EQ(values, (std::vector<std::string>{
          l(v.lblCycle, v.LabelCycle), l(v.lblFreq, v.LabelHz), l(v.lblClockFreq, v.LabelHz2), v.lblToInterrupt.caption,
          l(v.lblInterrupt, v.btnInterrupt), l(v.lblHz, v.btnHertz), l(v.lblMin, v.lblMinTxt) + " to " +
          l(v.lblMax, v.lblMaxTxt) + ", " + l(v.lblMinFreq, v.lblMinTxtFreq) + " to " + l(v.lblMaxFreq, v.lblMaxTxtFreq),
          "HEX " + v.txtHexH.text + " " + v.txtHexL.text + ", DEC " + v.txtDecH.text + " " + v.txtDecL.text + ", BIN " +
              v.txtBin.text})) << calc.err;

      args[1] = "listing";
      args << "--crlf" << "--language" << kListingLanguages[language];
      EXPECT_EQ(cli::run(args).out, v.txtTimer[static_cast<std::size_t>(r.s.timer)].text);
    }
  }
}

}  // namespace
}  // namespace tickwell

// The help text and the binary want a QCoreApplication.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  QCoreApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
