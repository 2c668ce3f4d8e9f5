// The command line: what it reads from its values; the binary's answers (commands.out); calc and listing = the window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <fstream>
#include <iomanip>
#include <memory>
#include <sstream>

#include "calculator/apply.h"
#include "calculator/render.h"
#include "cli/cli.h"
#include "cli/cli_values.h"
#include "cli/json_writer.h"

namespace tickwell {
namespace {

// A value as read: numbers as they are, a list joined by commas, "-" for a refusal.
template <class T>
std::string shown(const std::optional<T>& v) {
  std::string list;
  if (!v) return "-";
  if constexpr (std::is_arithmetic_v<T>) return QString::number(static_cast<double>(*v), 'g', 15).toStdString();
  else for (const long long x : *v) list += (list.empty() ? "" : ",") + std::to_string(x);
  return list;
}

const auto F = +[](const std::string& t) { return shown(cli::parseFrequency(t)); };  // Hz
const auto T = +[](const std::string& t) { return shown(cli::parseTime(t)); };       // ns
const auto W = +[](const std::string& t) { return shown(cli::parseWhole(t)); };
const auto L = +[](const std::string& t) { return shown(cli::parseList(t)); };
const auto J = +[](const std::string& t) { return cli::jsonString(t); };
const auto C = +[](const std::string& t) -> std::string {  // the command line (not the window) for this argument?
  const std::vector<std::string> arguments{"tickwell", t};  // "": none
  return cli::wantsCommandLine({arguments.begin(), arguments.end() - (t.empty() ? 1 : 0)}) ? "yes" : "no";
};

TEST(CliTest, ReadsTheValuesAsWritten) {
  struct Row { std::string (*read)(const std::string&); const char* text; const char* expected; };
  const Row rows[] = {  // "\xC2\xB5": the micro sign, "\xCE\xBC": the Greek mu, "\xCE\x9C": its capital
      {F, "20 mhz", "20000000"}, {F, "20000KHZ", "20000000"}, {F, "32.768kHz", "32768"}, {F, "1e3", "1000"},
      {F, " 4 MHz ", "4000000"}, {F, "0.5hz", "0.5"}, {F, "", "-"}, {F, "MHz", "-"}, {F, "-1MHz", "-"}, {F, "0", "-"},
      {F, "20 MHz MHz", "-"}, {F, "20MHzz", "-"}, {F, "1,000Hz", "-"}, {F, "nan", "-"}, {F, "1e400", "-"},
      {F, "20ms", "-"}, {T, "1ms", "1000000"}, {T, "1000us", "1000000"}, {T, "1000\xC2\xB5s", "1000000"},
      {T, "1000\xCE\xBCs", "1000000"}, {T, "1000\xCE\x9C" "S", "1000000"}, {T, "1e6NS", "1000000"},
      {T, "0.001", "1000000"}, {T, "1 m", "-"}, {T, "ms", "-"}, {T, "-1ms", "-"}, {T, "0s", "-"}, {T, "1e-400s", "-"},
      {W, "+3", "3"}, {W, "2.5", "-"}, {W, "0x10", "-"}, {W, "99999999999999999999", "-"}, {L, "0,1,2", "0,1,2"},
      {L, " 0 , 2", "0,2"}, {L, "0,,1", "-"}, {L, "", "-"}, {C, "", "no"}, {C, "calc", "yes"}, {C, "Calc", "yes"},
      {C, "--", "yes"}, {C, "-h", "yes"}, {C, "--version", "yes"}, {C, "--osc=20MHz", "yes"}, {C, "-osc", "no"},
      {C, "--bogus", "no"}, {C, "-style=fusion", "no"},
      {J, "\"\\\t\x01\r\n\xC2\xB5", R"("\"\\\t\u0001\r\n)" "\xC2\xB5\""},
  };
  for (const Row& r : rows) EXPECT_EQ(r.read(r.text), r.expected) << "row " << &r - rows << ": \"" << r.text << '"';
}

// commands.out: lines "$ tickwell ARGS", each followed by what the tickwell binary, started as a user starts it
// without a display, writes (standard output, or standard error when it fails) and its exit status unless 0.
TEST(CliTest, TheBinaryAnswersWithoutADisplayAsCommandsOutShows) {
  std::ifstream file(COMMANDS_OUT, std::ios::binary);
  const std::string expected{std::istreambuf_iterator<char>(file), {}};
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) qunsetenv(name);
  qputenv("QT_DEBUG_PLUGINS", "1");  // a plugin loaded would write to stderr
  std::vector<std::pair<std::string, std::unique_ptr<QProcess>>> runs;  // all started at once
  std::istringstream lines(expected);
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("$ tickwell")) continue;
    QProcess& p = *runs.emplace_back(line, std::make_unique<QProcess>()).second;
    p.start(QStringLiteral(TICKWELL_BINARY), QString::fromStdString(line.substr(10)).split(' ', Qt::SkipEmptyParts));
  }
  std::string actual;
  for (const auto& [line, p] : runs) {
    const int status = p->waitForFinished(30000) && p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
    const std::string out = p->readAllStandardOutput().replace(TICKWELL_BINARY, "tickwell").toStdString();  // help
    const std::string err = p->readAllStandardError().toStdString();
    EXPECT_EQ(status ? out : err, "") << line;  // nothing written half, no plugin's message
    actual += line + "\n" + out + err + (status ? "[exit " + std::to_string(status) + "]\n" : "");
  }
  if (actual != expected) std::ofstream("commands.actual", std::ios::binary) << actual;
  EXPECT_EQ(actual, expected) << "written to commands.actual";
}

TEST(CliTest, CalcAndListingShowWhatTheWindowShows) {
  using enum Width;
  using enum Family;
  using namespace action;
  struct Row { const char* name; TimerSettings s; int periodPresses, frequencyPresses; };  // on the unit captions
  const Row rows[] = {
      {"4 MHz 1:256", {.prescale = 256, .preload = 130, .tmr0Adjust = true, .timeout = 3, .overhead = 12.5}, 2, 1},
      {"crystal", {.timer = 1, .width = Bits16, .oscHz = 32768, .fosc4 = false, .prescale = 8, .preload = 61440}, 1, 1},
      {"PR2 Adjust", {.timer = 2, .prescale = 4, .postscale = 5, .preload = 249, .pr2Adjust = true}, 0, 0},
      {"16-bit", {.family = PIC18, .width = Bits16, .prescale = 256, .preload = 26474, .tmr0Adjust = true}, 3, 2},
      {"99,999,999 Hz", {.timer = 2, .oscHz = 99999999, .prescale = 16, .postscale = 3, .preload = 255}, 0, 2},
  };
  for (const Row& r : rows)
    for (int language = 0; language < static_cast<int>(kListingLanguages.size()); ++language) {
      SCOPED_TRACE(std::string(r.name) + ", language " + std::to_string(language));
      WindowState w = tickwell::apply(WindowState{}, ApplySettings{r.s}).state;
      for (int i = 0; i < r.periodPresses + r.frequencyPresses; ++i)
        w = tickwell::apply(w, Press{i < r.periodPresses ? Command::PeriodUnit : Command::FrequencyUnit}).state;
      const WindowView v = tickwell::render(tickwell::apply(w, Pick{List::Language, language}).state);
      std::ostringstream a;
      a << std::setprecision(17) << "tickwell calc --family pic" << (r.s.family == PIC16 ? 16 : 18) << " --osc "
        << r.s.oscHz << " --timer " << r.s.timer << " --width " << (r.s.width == Bits8 ? 8 : 16) << " --prescaler "
        << r.s.prescale << " --postscaler " << r.s.postscale << " --preload " << r.s.preload << " --timeout "
        << r.s.timeout << " --overhead " << r.s.overhead << " --period-unit " << caption(w.periodUnit)
        << " --frequency-unit " << caption(w.frequencyUnit) << (r.s.fosc4 ? "" : " --no-fosc4")
        << (r.s.tmr0Adjust ? " --tmr0-adjust" : "") << (r.s.pr2Adjust ? " --pr2-adjust" : "");
      QStringList args = QString::fromStdString(a.str()).split(QLatin1Char(' '));
      const std::string calc = cli::run(args).out;  // each value at the end of its line "caption   value"
      const auto l = [](const auto& value, const auto& unit) { return value.caption + " " + unit.caption; };
      for (const std::string& value :
           {l(v.lblCycle, v.LabelCycle), l(v.lblFreq, v.LabelHz), l(v.lblClockFreq, v.LabelHz2), v.lblToInterrupt.caption,
            l(v.lblInterrupt, v.btnInterrupt), l(v.lblHz, v.btnHertz), l(v.lblMin, v.lblMinTxt) + " to " +
            l(v.lblMax, v.lblMaxTxt) + ", " + l(v.lblMinFreq, v.lblMinTxtFreq) + " to " + l(v.lblMaxFreq, v.lblMaxTxtFreq),
            "HEX " + v.txtHexH.text + " " + v.txtHexL.text + ", DEC " + v.txtDecH.text + " " + v.txtDecL.text +
                ", BIN " + v.txtBin.text})
        EXPECT_NE(calc.find("  " + value + "\n"), std::string::npos) << value << " in\n" << calc;
      args[1] = "listing";
      args << "--crlf" << "--language" << kListingLanguages[static_cast<std::size_t>(language)];
      EXPECT_EQ(cli::run(args).out, v.txtTimer[static_cast<std::size_t>(r.s.timer)].text);
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
