#include "cli/cli.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>

#include "app/number_text.h"
#include "app/oscillator_entry.h"
#include "app/result_texts.h"
#include "app/solutions_table.h"
#include "app/window_texts.h"
#include "timer/chip_interval.h"
#include "cli/cli_values.h"
#include "cli/json_writer.h"
#include "listing/listing.h"
#include "version.h"

namespace tickwell::cli {

namespace {

// A problem with the command line: exit status 2, the message on stderr.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class Command { Solve, Calc, Listing, Devices };

struct OptionInfo {
  const char* name;
  const char* valueName;  // nullptr for a flag
  const char* description;
  // Which commands take it: s(olve), c(alc), l(isting), d(evices).
  const char* commands;
};

// clang-format off
constexpr OptionInfo kOptions[] = {
    {"family", "pic16|pic18", "Microcontroller family (default pic16).", "scl"},
    {"device", "NAME", "A chip, such as PIC16F1823 or 18f45k22 (any case, PIC optional): its own timers, ratios and register names (see the devices command).", "scl"},
    {"osc", "FREQ", "Oscillator frequency (default 4MHz).", "scl"},
    {"no-fosc4", nullptr, "The timer counts the oscillator itself, not instruction cycles (oscillator / 4).", "scl"},
    {"timer", "N", "Timer 0 to 3, or a timer of the --device (default 0, or the chip's first); for solve, the one timer considered.", "scl"},
    {"width", "8|16", "Counter width (default: 8-bit where the timer has it); for solve, the one width considered.", "scl"},
    {"prescaler", "N", "Prescaler ratio, as 32 for 1:32 (default 1); for solve, the only one considered.", "scl"},
    {"postscaler", "N", "Timer2 postscaler ratio 1 to 16 (default 1); for solve, the only one considered.", "scl"},
    {"preload", "N", "Value written to the timer register, PR2 on Timer2 (default 0).", "cl"},
    {"tmr0-adjust", nullptr, "TMR0 Adjust: count back the two cycles lost when TMR0 is written (Timer0).", "scl"},
    {"pr2-adjust", nullptr, "PR2 Adjust: count the cycle of the PR2 match (Timer2).", "scl"},
    {"timeout", "N", "ISR timeout, 0 to 15: cycles spent getting into the interrupt routine, added to the count as timer ticks, as the window does (default 0).", "scl"},
    {"overhead", "N", "ISR overhead, 0 to 32767: cycles the interrupt routine spends before it reloads the timer, added alike (default 0).", "scl"},
    {"period", "TIME", "Wanted interrupt period.", "s"},
    {"frequency", "FREQ", "Wanted interrupt frequency.", "s"},
    {"timers", "LIST", "Timers considered, as 0,1,2 (default: every timer of the family).", "s"},
    {"by", "chip|window", "Rank by the interval the chip produces (the default) or by the window's own figures.", "s"},
    {"limit", "N", "Show the best N solutions, 0 for all (default 10).", "s"},
    {"language", "NAME", "Listing language: mikroBasic (the default), mikroC, microPascal (or mikroPascal), XC8 or Assembler, in any case.", "l"},
    {"crlf", nullptr, "End the listing's lines with CR LF, as the window's listing (default LF).", "l"},
    {"period-unit", "UNIT", "Unit of the shown periods: ns, us, ms or s (default ns; for solve, the unit of the wanted period).", "scl"},
    {"frequency-unit", "UNIT", "Unit of the shown frequencies: Hz, kHz or MHz (default Hz; for solve, the unit of the wanted frequency).", "scl"},
    {"json", nullptr, "Machine-readable output (JSON).", "scld"},
};
// clang-format on

const char* const kDescription =
    "Works out what the timers of PIC16 and PIC18 microcontrollers do.\n"
    "\n"
    "Commands:\n"
    "  solve    every timer configuration for --period or --frequency, best first\n"
    "  calc     the results of one configuration, as the window shows them\n"
    "  listing  the register listing of one configuration\n"
    "  devices  the chips known, with their timers; FILTER picks those whose name holds it\n"
    "\n"
    "FREQ takes Hz, kHz or MHz (a bare number is Hz); TIME takes ns, us, \xC2\xB5s, ms or s\n"
    "(a bare number is seconds); both in any case. Without a command, the window starts.\n"
    "Exit status: 0 done, 1 nothing within reach, 2 bad usage, 3 internal error.";

const OptionInfo* findOption(const QString& name) {
  for (const OptionInfo& o : kOptions)
    if (name == QLatin1String(o.name)) return &o;
  return nullptr;
}

std::string str(const QString& s) { return s.toStdString(); }

// The options the command line knows, with their help texts.
void defineOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(QString::fromUtf8(kDescription));
  parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("solve, calc, listing or devices"),
                               QStringLiteral("solve|calc|listing|devices [FILTER]"));
  for (const OptionInfo& o : kOptions) {
    QCommandLineOption option(QString::fromLatin1(o.name), QString::fromUtf8(o.description));
    if (o.valueName) option.setValueName(QString::fromLatin1(o.valueName));
    parser.addOption(option);
  }
  parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")));
  parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                      QStringLiteral("Show the version.")));
}

// ------------------------------------------------------------------ reading

struct Config {
  Family family = Family::PIC16;
  const Device* device = nullptr;
  double oscHz = 4000000;
  bool fosc4 = true;
  std::optional<int> timer;
  std::optional<Width> width;
  std::optional<long long> prescale;
  std::optional<long long> postscale;
  std::optional<long long> preload;
  bool tmr0Adjust = false;
  bool pr2Adjust = false;
  long long timeout = 0;
  double overhead = 0;
  std::optional<Wanted> wanted;
  std::vector<long long> timers;
  long long limit = 10;
  Figures by = Figures::Chip;
  int language = 0;
  bool crlf = false;
  std::optional<TimeUnit> periodUnit;
  std::optional<FrequencyUnit> frequencyUnit;
  bool json = false;
};

std::string timerName(long long t) { return "Timer" + std::to_string(t); }

// "0, 1, 2": the numbers of a chip's timers.
std::string timerList(const Device& d) {
  std::string out;
  for (const DeviceTimer& t : d.timers) out += (out.empty() ? "" : ", ") + std::to_string(t.number);
  return out;
}

// The chip of a --device name; an unknown or refused one is a usage error.
const Device* chipOf(const std::string& name) {
  const Device* d = findDevice(name);
  if (!d) {
    std::string nearest;
    for (const std::string_view n : nearestDevices(name)) nearest += (nearest.empty() ? "" : ", ") + std::string(n);
    throw UsageError("unknown device '" + name + "'; the nearest: " + nearest);
  }
  if (const auto why = d->refusal()) throw UsageError(std::string(d->name) + " is not supported: " + std::string(*why));
  return d;
}

// A chip's timer, which must be one the program supports.
const DeviceTimer& chipTimer(const Device& d, int number) {
  const DeviceTimer* t = d.timer(number);
  if (!t->supported())
    throw UsageError(std::string(d.name) + " " + timerName(number) + " is not supported yet: " +
                     std::string(t->facts().reason));
  return *t;
}

class Reader {
public:
  explicit Reader(const QCommandLineParser& p) : p_(p) {}

  bool has(const char* name) const { return p_.isSet(QString::fromLatin1(name)); }
  std::string text(const char* name) const { return str(p_.value(QString::fromLatin1(name))); }

  template <class T, class Parse>
  std::optional<T> read(const char* name, Parse parse, const std::string& what) const {
    if (!has(name)) return std::nullopt;
    const std::string t = text(name);
    const auto v = parse(t);
    if (!v) throw UsageError("--" + std::string(name) + " " + t + " is not " + what);
    return static_cast<T>(*v);
  }

private:
  const QCommandLineParser& p_;
};

std::optional<Command> commandOf(const std::string& word) {
  if (word == "solve") return Command::Solve;
  if (word == "calc") return Command::Calc;
  if (word == "listing") return Command::Listing;
  if (word == "devices") return Command::Devices;
  return std::nullopt;
}

char letterOf(Command c) { return "scld"[static_cast<int>(c)]; }

std::string commandList(const char* commands) {
  std::string out;
  for (const char c : std::string_view(commands)) {
    if (!out.empty()) out += " and ";
    out += c == 's' ? "solve" : c == 'c' ? "calc" : c == 'l' ? "listing" : "devices";
  }
  return out;
}

Config readConfig(const QCommandLineParser& parser, Command command) {
  // Each option once, and only where it applies.
  const QStringList names = parser.optionNames();
  for (const QString& name : names) {
    const OptionInfo* o = findOption(name);
    if (!o) continue;
    if (std::string_view(o->commands).find(letterOf(command)) == std::string_view::npos)
      throw UsageError("--" + str(name) + " applies to " + commandList(o->commands) + " only");
    if (names.count(name) > 1) throw UsageError("--" + str(name) + " is given more than once");
  }

  const Reader r(parser);
  Config c;
  if (r.has("family")) {
    const std::string f = str(parser.value(QStringLiteral("family")).toLower());
    if (f != "pic16" && f != "pic18") throw UsageError("--family " + r.text("family") + " is not pic16 or pic18");
    c.family = f == "pic16" ? Family::PIC16 : Family::PIC18;
  }
  if (const auto osc = r.read<double>("osc", parseFrequency, "a positive frequency such as 20MHz")) {
    if (!(*osc >= kMinOscFreq && *osc <= kMaxOscFreq))
      throw UsageError("--osc " + r.text("osc") + " is outside the oscillator frequencies the model takes " +
                       "(0.001 Hz to 1E+15 Hz)");
    c.oscHz = *osc;
  }
  if (r.has("device")) {
    if (r.has("family")) throw UsageError("give --family or --device, not both: a chip has its family");
    c.device = chipOf(r.text("device"));
    c.family = c.device->family();
  }
  c.fosc4 = !r.has("no-fosc4");
  if (c.device) {
    c.timer = r.read<int>("timer", [&](std::string_view t) {
      const auto v = parseWhole(t);
      return v && *v >= 0 && c.device->timer(static_cast<int>(*v)) ? v : std::nullopt;
    }, "a timer of " + std::string(c.device->name) + ": " + timerList(*c.device));
  } else {
    c.timer = r.read<int>("timer", [](std::string_view t) {
      const auto v = parseWhole(t);
      return v && *v >= 0 && *v < kTimerCount ? v : std::nullopt;
    }, "a timer from 0 to 3");
  }
  c.width = r.read<Width>("width", [](std::string_view t) -> std::optional<Width> {
    if (t == "8") return Width::Bits8;
    if (t == "16") return Width::Bits16;
    return std::nullopt;
  }, "8 or 16");
  c.prescale = r.read<long long>("prescaler", parseRatio, "a ratio such as 32 or 1:32");
  c.postscale = r.read<long long>("postscaler", parseRatio, "a ratio such as 5 or 1:5");
  c.preload = r.read<long long>("preload", parseWhole, "a whole number");
  c.tmr0Adjust = r.has("tmr0-adjust");
  c.pr2Adjust = r.has("pr2-adjust");
  c.timeout = r.read<long long>("timeout", [](std::string_view t) {
    const auto v = parseWhole(t);
    return v && *v >= 0 && *v <= 15 ? v : std::nullopt;
  }, "a whole number of cycles from 0 to 15").value_or(0);
  c.overhead = r.read<double>("overhead", [](std::string_view t) {
    const auto v = parseNumber(t);
    return v && *v >= 0 && *v <= 32767 ? v : std::nullopt;
  }, "a number of cycles from 0 to 32767").value_or(0);
  c.periodUnit = r.read<TimeUnit>("period-unit", parseTimeUnit, "ns, us, ms or s");
  c.frequencyUnit = r.read<FrequencyUnit>("frequency-unit", parseFrequencyUnit, "Hz, kHz or MHz");
  c.json = r.has("json");

  if (command == Command::Solve) {
    const auto period = r.read<double>("period", parseTime, "a positive time such as 1ms");
    const auto frequency = r.read<double>("frequency", parseFrequency, "a positive frequency such as 1kHz");
    if (period && frequency) throw UsageError("give --period or --frequency, not both");
    if (!period && !frequency) throw UsageError("solve needs --period TIME or --frequency FREQ");
    c.wanted = period ? Wanted{Quantity::Period, *period} : Wanted{Quantity::Frequency, *frequency};
    c.timers = r.read<std::vector<long long>>("timers", parseList, "a list of timers such as 0,1,2").value_or(
        std::vector<long long>{});
    if (c.timer && r.has("timers")) throw UsageError("give --timer or --timers, not both");
    if (c.timer) c.timers = {*c.timer};
    if (r.has("by")) {
      const std::string by = str(parser.value(QStringLiteral("by")).toLower());
      if (by != "chip" && by != "window") throw UsageError("--by " + r.text("by") + " is not chip or window");
      c.by = by == "chip" ? Figures::Chip : Figures::Window;
    }
    c.limit = r.read<long long>("limit", [](std::string_view t) {
      const auto v = parseWhole(t);
      return v && *v >= 0 ? v : std::nullopt;
    }, "a whole number from 0").value_or(10);
  }
  if (command == Command::Listing) {
    c.language = r.read<int>("language", parseLanguage, "one of " + languageNames()).value_or(0);
    c.crlf = r.has("crlf");
  }
  return c;
}

std::string ratiosOf(const TimerSpec& facts) {
  std::string out;
  for (const Prescaler& p : facts.prescalers) out += (out.empty() ? "1:" : ", 1:") + std::to_string(p.ratio);
  return out;
}

// The one configuration of calc and listing, checked against what the window can hold.
TimerSettings configuration(const Config& c) {
  TimerSettings s;
  s.family = c.family;
  s.timer = c.timer.value_or(0);
  if (c.device && !c.timer) {
    const DeviceTimer* first = c.device->firstSupported();
    s.timer = (first ? *first : c.device->timers.front()).number;
  }
  if (c.device) {
    const DeviceTimer& t = chipTimer(*c.device, s.timer);
    s.kind = t.kind;
    if (!c.fosc4 && !t.facts().countsOscillator)
      throw UsageError(std::string(c.device->name) + " " + timerName(s.timer) + " counts Fosc/4 only");
  }
  const TimerSpec& facts = factsOf(s);
  if (!facts.availableOn(c.family)) throw UsageError(timerName(s.timer) + " exists on PIC18 only");
  s.width = c.width.value_or(facts.has8Bit ? Width::Bits8 : Width::Bits16);
  if (!facts.hasWidth(s.width))
    throw UsageError(timerName(s.timer) + " has no " + (s.width == Width::Bits8 ? "8" : "16") + "-bit mode");
  if (!facts.countsIn(s.width, c.family)) throw UsageError("a 16-bit Timer0 exists on PIC18 only");
  s.oscHz = c.oscHz;
  s.fosc4 = c.fosc4;
  s.prescale = static_cast<double>(c.prescale.value_or(1));
  if (!facts.prescalerIndex(s.prescale))
    throw UsageError(timerName(s.timer) + " has no prescaler 1:" + std::to_string(c.prescale.value_or(1)) +
                     "; it has " + ratiosOf(facts));
  const long long post = c.postscale.value_or(1);
  if (!facts.hasPostscaler && post != 1) throw UsageError(timerName(s.timer) + " has no postscaler");
  if (post < 1 || post > kPostscalerCount)
    throw UsageError("postscaler 1:" + std::to_string(post) + " is not one of 1:1 to 1:16");
  s.postscale = static_cast<double>(post);
  const long long preload = c.preload.value_or(0);
  if (preload < 0 || preload > maxPreload(s.width))
    throw UsageError("--preload " + std::to_string(preload) + " is outside 0 to " +
                     std::to_string(maxPreload(s.width)) + ", the range of " + (facts.countsToMatch() ? "PR2" : (s.width == Width::Bits8 ? "an 8-bit" : "a 16-bit") + std::string(" timer")));
  s.preload = static_cast<int>(preload);
  if (c.tmr0Adjust) {
    if (facts.writeLossCycles == 0) throw UsageError("--tmr0-adjust applies to Timer0 only");
    if (s.preload < facts.writeLossCycles)
      throw UsageError("--tmr0-adjust needs a preload of 2 or more (below, the adjustment switches itself off)");
  }
  if (c.pr2Adjust && facts.matchLossCycles == 0) throw UsageError("--pr2-adjust applies to Timer2 only");
  s.tmr0Adjust = c.tmr0Adjust;
  s.pr2Adjust = c.pr2Adjust;
  s.timeout = static_cast<double>(c.timeout);
  s.overhead = c.overhead;
  return s;
}

const char* familyName(Family f) { return f == Family::PIC16 ? "pic16" : "pic18"; }
int bits(Width w) { return w == Width::Bits8 ? 8 : 16; }

void writeConfiguration(JsonWriter& j, const TimerSettings& s, const Device* device) {
  j.key("family").value(familyName(s.family));
  if (device) j.key("device").value(std::string(device->name));
  j.key("osc_hz").value(s.oscHz);
  j.key("fosc4").value(s.fosc4);
  j.key("timer").value(s.timer);
  j.key("width").value(bits(s.width));
  j.key("prescaler").value(s.prescale);
  j.key("postscaler").value(s.postscale);
  j.key("preload").value(s.preload);
  j.key("tmr0_adjust").value(s.tmr0Adjust);
  j.key("pr2_adjust").value(s.pr2Adjust);
  j.key("timeout").value(s.timeout);
  j.key("overhead").value(s.overhead);
}

// Lines "caption   value" with the values in one column.
std::string aligned(const std::vector<std::pair<std::string, std::string>>& lines) {
  std::size_t width = 0;
  for (const auto& [caption, value] : lines) width = std::max(width, caption.size());
  std::string out;
  for (const auto& [caption, value] : lines) out += caption + std::string(width + 2 - caption.size(), ' ') + value + "\n";
  return out;
}

std::string summaryOf(const TimerSettings& s, const Device* device) {
  std::string text = timerName(s.timer) + ", " + std::to_string(bits(s.width)) + "-bit, " +
                     (device ? std::string(device->name) : s.family == Family::PIC16 ? "PIC16" : "PIC18") + "; oscillator " + frequencyText(s.oscHz) +
                     (s.fosc4 ? " / 4" : "") + "; prescaler 1:" + plainNumber(s.prescale);
  if (factsOf(s).hasPostscaler) text += ", postscaler 1:" + plainNumber(s.postscale);
  text += (factsOf(s).countsToMatch() ? "; PR" + std::to_string(s.timer) + " " : std::string("; preload ")) + std::to_string(s.preload);
  if (s.tmr0Adjust) text += ", TMR0 Adjust";
  if (s.pr2Adjust) text += ", PR2 Adjust";
  if (s.timeout > 0 || s.overhead > 0)
    text += "; ISR timeout " + plainNumber(s.timeout) + " and overhead " + plainNumber(s.overhead) + " cycles";
  return text;
}

std::string runCalc(const Config& c) {
  const TimerSettings s = configuration(c);
  const TimerSpec& facts = factsOf(s);
  const TimerResult r = evaluate(s);
  const TimeUnit pu = c.periodUnit.value_or(TimeUnit::Nanoseconds);
  const FrequencyUnit fu = c.frequencyUnit.value_or(FrequencyUnit::Hertz);
  const FrequencyUnit clockUnit = clockUnitAfterEntry(s.oscHz, r.clockHz);
  const auto with = [](const std::string& value, std::string_view unit) { return value + " " + std::string(unit); };
  const std::string cycle = with(tickText(r.tickUs, TimeUnit::Nanoseconds), caption(TimeUnit::Nanoseconds));
  const std::string timerClock = with(clockText(r.tickHz, FrequencyUnit::Hertz), caption(FrequencyUnit::Hertz));
  const std::string clock = with(clockText(r.clockHz, clockUnit), caption(clockUnit));
  const std::string counts = facts.countsToMatch() ? integerText(s.preload) : plainNumber(r.registerCount);
  const std::string period = with(shownPeriod(r.periodNs, pu), caption(pu));
  const std::string frequency = with(shownFrequency(r.frequencyHz, fu), caption(fu));
  const std::string minPeriod = with(limitPeriodText(r.limits.minPeriodNs, pu), caption(pu));
  const std::string maxPeriod = with(limitPeriodText(r.limits.maxPeriodNs, pu), caption(pu));
  const std::string minFrequency = with(limitFrequencyText(r.limits.minFreqHz, fu), caption(fu));
  const std::string maxFrequency = with(limitFrequencyText(r.limits.maxFreqHz, fu), caption(fu));
  const ChipInterval chip = chipInterval(s);
  const std::string onChip = chipIntervalText(chip, s.fosc4, pu);
  if (!c.json) {
    std::string countsCaption(countCaption(facts, s.timer));
    countsCaption.pop_back();  // the colon
    const PreloadTexts p = preloadTexts(s.preload);
    const auto text = [](std::string_view name) { return std::string(captionOf(name)); };
    return summaryOf(s, c.device) + "\n" +
           aligned({{text("lblCycleTxt"), cycle},
                    {text("lblFreqTxt"), timerClock},
                    {text("lblClockFreqTxt"), clock},
                    {countsCaption, counts},
                    {text("frInterrupt"), period},
                    {text("frHertz"), frequency},
                    {text("FrMinMax"), minPeriod + " to " + maxPeriod + ", " + minFrequency + " to " + maxFrequency},
                    {preloadCaption(facts, s.timer), "HEX " + p.hexHigh + " " + p.hexLow + ", DEC " + p.decimalHigh + " " +
                                                p.decimalLow + ", BIN " + p.binary},
                    {"On the chip", onChip}});
  }
  JsonWriter j;
  j.beginObject();
  j.key("configuration").beginObject();
  writeConfiguration(j, s, c.device);
  j.endObject();
  j.key("tick_s").value(r.tickUs / 1e6);
  j.key("tick_hz").value(r.tickHz);
  j.key("clock_hz").value(r.clockHz);
  j.key("counts").value(r.counts);
  j.key("register_counts").value(r.registerCount);
  j.key("period_s").value(r.periodSeconds());
  j.key("frequency_hz").value(r.frequencyHz);
  j.key("chip_cycles").value(chip.cycles);
  j.key("chip_period_s").value(chip.seconds);
  j.key("search_limits").beginObject();
  j.key("min_period_s").value(r.limits.minPeriodNs / 1e9);
  j.key("max_period_s").value(r.limits.maxPeriodNs / 1e9);
  j.key("min_frequency_hz").value(r.limits.minFreqHz);
  j.key("max_frequency_hz").value(r.limits.maxFreqHz);
  j.endObject();
  j.key("shown").beginObject();
  j.key("instruction_cycle").value(cycle);
  j.key("timer_clock").value(timerClock);
  j.key("clock").value(clock);
  j.key("counts").value(counts);
  j.key("period").value(period);
  j.key("frequency").value(frequency);
  j.key("min_period").value(minPeriod);
  j.key("max_period").value(maxPeriod);
  j.key("min_frequency").value(minFrequency);
  j.key("max_frequency").value(maxFrequency);
  j.key("on_the_chip").value(onChip);
  j.endObject();
  j.endObject();
  return j.text();
}

std::string runListing(const Config& c) {
  const TimerSettings s = configuration(c);
  ListingRequest request{s, evaluate(s), c.periodUnit.value_or(TimeUnit::Nanoseconds),
                         c.frequencyUnit.value_or(FrequencyUnit::Hertz), static_cast<ListingLanguage>(c.language),
                         c.crlf ? "\r\n" : "\n", {}};
  const std::string text =
      c.device ? deviceListing(request, *c.device, *c.device->timer(s.timer)) : listing(request, s.timer);
  if (!c.json) return text;
  JsonWriter j;
  j.beginObject();
  j.key("language").value(kListingLanguages[static_cast<std::size_t>(c.language)]);
  j.key("configuration").beginObject();
  writeConfiguration(j, s, c.device);
  j.endObject();
  j.key("line_end").value(c.crlf ? "crlf" : "lf");
  j.key("text").value(text);
  j.endObject();
  return j.text();
}

// ------------------------------------------------------------------ solve

// The unit in which a value is at least 1, the smallest otherwise.
template <class Unit>
Unit unitFor(double value, std::initializer_list<Unit> units) {
  Unit chosen = *units.begin();
  for (const Unit u : units)
    if (value >= factor(u)) chosen = u;
  return chosen;
}

// Code points, for the alignment of columns.
std::size_t shownLength(const std::string& s) {
  return static_cast<std::size_t>(
      std::count_if(s.begin(), s.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0U) != 0x80U; }));
}

std::string table(const SolutionsTable& t, std::size_t rows) {
  using Column = SolutionsTable::Column;
  std::vector<std::vector<std::string>> cells(rows + 1);
  cells[0].push_back("#");
  for (int col = 0; col < SolutionsTable::kColumnCount; ++col)
    cells[0].emplace_back(SolutionsTable::header(Column(col)));
  for (std::size_t r = 0; r < rows; ++r) {
    cells[r + 1].push_back(std::to_string(r + 1));
    for (int col = 0; col < SolutionsTable::kColumnCount; ++col) cells[r + 1].push_back(t.cell(r, Column(col)));
  }
  std::vector<std::size_t> widths(cells[0].size(), 0);
  for (const auto& line : cells)
    for (std::size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], shownLength(line[i]));
  std::string out;
  for (const auto& line : cells) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const std::string pad(widths[i] - shownLength(line[i]), ' ');
      // Timer and width read from the left, numbers from the right.
      const bool left = i == 1 || i == 2;
      text += (i ? "  " : "") + (left ? line[i] + pad : pad + line[i]);
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    out += text + "\n";
  }
  return out;
}

// The best `rows` solutions of a table as JSON.
std::string solutionsJson(const Wanted& wanted, const SolutionsTable& t, std::size_t rows) {
  JsonWriter j;
  j.beginObject();
  j.key("wanted").beginObject();
  if (wanted.quantity == Quantity::Period)
    j.key("period_s").value(wanted.value / 1e9);
  else
    j.key("frequency_hz").value(wanted.value);
  j.endObject();
  j.key("solutions").beginArray();
  for (std::size_t r = 0; r < rows; ++r) {
    const Solution& s = t.solution(r);
    j.beginObject();
    j.key("timer").value(s.settings.timer);
    j.key("width").value(bits(s.settings.width));
    j.key("prescaler").value(s.settings.prescale);
    j.key("postscaler").value(s.settings.postscale);
    j.key("preload").value(s.settings.preload);
    j.key("counts").value(s.counts);
    j.key("period_s").value(s.periodNs / 1e9);
    j.key("frequency_hz").value(s.frequencyHz);
    j.key("error_ppm").value(s.errorPpm);
    j.endObject();
  }
  j.endArray();
  j.endObject();
  return j.text();
}

Result runSolve(const Config& c) {
  SolveRequest req;
  req.family = c.family;
  req.device = c.device;
  req.oscHz = c.oscHz;
  req.fosc4 = c.fosc4;
  req.wanted = *c.wanted;
  req.tmr0Adjust = c.tmr0Adjust;
  req.pr2Adjust = c.pr2Adjust;
  req.timeout = static_cast<double>(c.timeout);
  req.overhead = c.overhead;
  req.by = c.by;
  if (c.prescale) req.prescale = static_cast<double>(*c.prescale);
  if (c.postscale) {
    if (*c.postscale < 1 || *c.postscale > kPostscalerCount)
      throw UsageError("postscaler 1:" + std::to_string(*c.postscale) + " is not one of 1:1 to 1:16");
    req.postscale = static_cast<double>(*c.postscale);
  }
  for (const long long t : c.timers) {
    if (c.device) {
      if (t < 0 || t > 1000 || !c.device->timer(static_cast<int>(t)))
        throw UsageError("--timers " + timerName(t) + " is not a timer of " + std::string(c.device->name) + ": " +
                         timerList(*c.device));
      chipTimer(*c.device, static_cast<int>(t));
      continue;
    }
    if (t < 0 || t >= kTimerCount) throw UsageError("--timers " + timerName(t) + " is not a timer from 0 to 3");
    if (!timerSpec(static_cast<int>(t)).availableOn(c.family)) throw UsageError(timerName(t) + " exists on PIC18 only");
  }

  const double wantedPeriod = c.wanted->quantity == Quantity::Period ? c.wanted->value : 1e9 / c.wanted->value;
  const TimeUnit pu = c.periodUnit.value_or(
      unitFor(wantedPeriod, {TimeUnit::Nanoseconds, TimeUnit::Microseconds, TimeUnit::Milliseconds, TimeUnit::Seconds}));
  const FrequencyUnit fu = c.frequencyUnit.value_or(
      c.wanted->quantity == Quantity::Period
          ? FrequencyUnit::Hertz
          : unitFor(c.wanted->value, {FrequencyUnit::Hertz, FrequencyUnit::Kilohertz, FrequencyUnit::Megahertz}));
  SolutionsTable t(req, pu, fu);
  bool any = false;
  bool prescalerFound = !req.prescale;
  bool postscalerFound = !req.postscale || *req.postscale == 1;
  for (std::size_t i = 0; i < t.choices().size(); ++i) {
    const TimerChoice& choice = t.choices()[i];
    const bool timerAsked =
        c.timers.empty() || std::find(c.timers.begin(), c.timers.end(), choice.timer) != c.timers.end();
    const bool on = timerAsked && (!c.width || *c.width == choice.width);
    t.consider(i, on);
    if (!on) continue;
    any = true;
    const TimerSpec& facts = choice.kind ? *kindFacts(*choice.kind).facts : timerSpec(choice.timer);
    prescalerFound = prescalerFound || facts.prescalerIndex(*req.prescale).has_value();
    postscalerFound = postscalerFound || facts.hasPostscaler;
  }
  if (!any) throw UsageError("none of the timers asked for counts in " + std::to_string(bits(*c.width)) + "-bit");
  if (!prescalerFound)
    throw UsageError("none of the timers considered has prescaler 1:" + std::to_string(*c.prescale));
  if (!postscalerFound)
    throw UsageError(c.device ? "none of the timers considered has a postscaler"
                              : "only Timer2 has a postscaler, and it is not considered");
  if (t.rowCount() == 0) return {kOutOfReach, "", "tickwell: " + unreachableText(*c.wanted, t.outcome().reach) + "\n"};

  const std::size_t shown = c.limit == 0 ? t.rowCount() : std::min<std::size_t>(t.rowCount(), c.limit);
  if (!c.json) {
    std::string text = t.heading();
    if (const auto br = text.find('\n'); br != std::string::npos) text.replace(br, 1, "; ");
    text += "\n" + t.summary();
    if (shown < t.rowCount()) text += " The best " + std::to_string(shown) + ":";
    return {kDone, text + "\n\n" + table(t, shown), ""};
  }
  return {kDone, solutionsJson(*c.wanted, t, shown), ""};
}

// ------------------------------------------------------------------ devices

std::string_view coreName(Core core) {
  switch (core) {
    case Core::Baseline: return "baseline PIC16";
    case Core::MidRange: return "mid-range PIC16";
    case Core::Enhanced: return "enhanced mid-range PIC16";
    case Core::PIC18: break;
  }
  return "PIC18";
}

// The chips whose name holds the filter, each with its timers and their kinds.
Result runDevices(const std::string& filter, bool json) {
  const std::vector<const Device*> found = devicesMatching(filter);
  if (found.empty()) return {kOutOfReach, "", "tickwell: no device name holds '" + filter + "'\n"};
  if (!json) {
    std::string text;
    std::size_t supported = 0;
    for (const Device* d : found) {
      text += std::string(d->name) + "  " + std::string(coreName(d->core));
      if (const auto why = d->refusal()) {
        text += ": not supported (" + std::string(*why) + ")\n";
        continue;
      }
      ++supported;
      text += "\n";
      for (const DeviceTimer& t : d->timers) {
        text += "  " + timerName(t.number) + (t.number < 10 ? "   " : "  ") + std::string(t.facts().description);
        if (!t.supported()) text += ": not supported yet (" + std::string(t.facts().reason) + ")";
        text += "\n";
      }
    }
    return {kDone, text + std::to_string(found.size()) + (found.size() == 1 ? " device, " : " devices, ") +
                       std::to_string(supported) + " supported\n", ""};
  }
  JsonWriter j;
  j.beginObject();
  j.key("devices").beginArray();
  for (const Device* d : found) {
    j.beginObject();
    j.key("name").value(std::string(d->name));
    j.key("family").value(familyName(d->family()));
    j.key("core").value(std::string(coreName(d->core)));
    j.key("supported").value(!d->refusal());
    if (const auto why = d->refusal()) j.key("reason").value(std::string(*why));
    j.key("timers").beginArray();
    for (const DeviceTimer& t : d->refusal() ? std::span<const DeviceTimer>{} : d->timers) {
      j.beginObject();
      j.key("timer").value(t.number);
      j.key("kind").value(std::string(t.facts().description));
      j.key("supported").value(t.supported());
      if (!t.supported()) j.key("reason").value(std::string(t.facts().reason));
      j.endObject();
    }
    j.endArray();
    j.endObject();
  }
  j.endArray();
  j.endObject();
  return {kDone, j.text(), ""};
}

// One line: Qt's parser messages end with a full stop and may hold line breaks.
std::string oneLine(std::string message) {
  std::replace(message.begin(), message.end(), '\n', ' ');
  while (!message.empty() && (message.back() == '.' || message.back() == ' ')) message.pop_back();
  if (!message.empty() && message[0] >= 'A' && message[0] <= 'Z') message[0] = static_cast<char>(message[0] - 'A' + 'a');
  return message;
}

}  // namespace

bool wantsCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.size() < 2) return false;
  const std::string& first = arguments[1];
  if (first.empty() || first[0] != '-') return true;
  const auto start = first.find_first_not_of('-');
  if (start == std::string::npos) return true;
  std::string name = first.substr(start, first.find('=') - start);
  if (name == "h" || name == "help" || name == "v" || name == "version") return true;
  return first.rfind("--", 0) == 0 && findOption(QString::fromStdString(name));
}

Result run(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  defineOptions(parser);
  if (!parser.parse(arguments)) return {kBadUsage, "", "tickwell: " + oneLine(str(parser.errorText())) + "\n"};
  if (parser.isSet(QStringLiteral("help"))) return {kDone, str(parser.helpText()), ""};
  if (parser.isSet(QStringLiteral("version"))) return {kDone, "tickwell " + std::string(kVersionText) + "\n", ""};

  const QStringList words = parser.positionalArguments();
  if (words.isEmpty()) return {kBadUsage, "", "tickwell: give a command: solve, calc, listing or devices\n"};
  const auto command = commandOf(str(words[0]));
  if (!command)
    return {kBadUsage, "", "tickwell: unknown command '" + str(words[0]) + "': use solve, calc, listing or devices\n"};
  const qsizetype allowed = *command == Command::Devices ? 2 : 1;
  if (words.size() > allowed)
    return {kBadUsage, "", "tickwell: unexpected argument '" + str(words[allowed]) + "'\n"};
  try {
    const Config c = readConfig(parser, *command);
    switch (*command) {
      case Command::Solve: return runSolve(c);
      case Command::Calc: return {kDone, runCalc(c), ""};
      case Command::Listing: return {kDone, runListing(c), ""};
      case Command::Devices: return runDevices(words.size() > 1 ? str(words[1]) : "", c.json);
    }
  } catch (const UsageError& e) {
    return {kBadUsage, "", "tickwell: " + std::string(e.what()) + "\n"};
  } catch (const std::exception& e) {
    return {kInternalError, "", "tickwell: internal error: " + std::string(e.what()) + "\n"};
  }
  return {};
}

}  // namespace tickwell::cli
