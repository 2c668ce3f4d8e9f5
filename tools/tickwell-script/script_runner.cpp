#include "script_runner.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <limits>
#include <functional>
#include <utility>
#include <vector>

#include "app/number_text.h"
#include "app/startup.h"

namespace tickwell {

namespace {

using Property = std::pair<std::string, std::string>;

std::string flag(bool b) { return b ? "1" : "0"; }
std::string color(BackColor c) { return c == BackColor::Yellow ? "yellow" : "window"; }

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// Every property of a control, the default property first.
std::vector<Property> properties(const ControlPtr& control) {
  return std::visit(
      Overloaded{
          [](TextBox* c) -> std::vector<Property> {
            return {{"text", escapeText(c->text())},        {"enabled", flag(c->enabled)},
                    {"visible", flag(c->visible)},          {"backcolor", color(c->backColor)},
                    {"selstart", std::to_string(c->selStart)}, {"sellength", std::to_string(c->selLength)}};
          },
          [](Label* c) -> std::vector<Property> {
            return {{"caption", escapeText(c->caption())}, {"visible", flag(c->visible)}, {"enabled", flag(c->enabled)}};
          },
          [](Button* c) -> std::vector<Property> {
            return {{"caption", escapeText(c->caption)}, {"visible", flag(c->visible)}, {"enabled", flag(c->enabled)}};
          },
          [](Frame* c) -> std::vector<Property> {
            return {{"caption", escapeText(c->caption)}, {"visible", flag(c->visible)}, {"enabled", flag(c->enabled)}};
          },
          [](CheckBox* c) -> std::vector<Property> {
            return {{"value", std::to_string(c->value())}, {"enabled", flag(c->enabled)}, {"visible", flag(c->visible)}};
          },
          [](OptionRef r) -> std::vector<Property> {
            const OptionButton& o = (*r.group)[r.index];
            return {{"value", flag(o.value)}, {"enabled", flag(o.enabled)}, {"visible", flag(o.visible)},
                    {"bold", flag(o.bold)}};
          },
          [](ComboBox* c) -> std::vector<Property> {
            std::string list;
            for (std::size_t i = 0; i < c->list().size(); ++i) list += (i ? "," : "") + c->list()[i];
            return {{"index", std::to_string(c->index())}, {"text", escapeText(c->text())},
                    {"count", std::to_string(c->count())}, {"list", escapeText(list)},
                    {"enabled", flag(c->enabled)},         {"backcolor", color(c->backColor)}};
          },
          [](Slider* c) -> std::vector<Property> {
            return {{"value", std::to_string(c->value())}, {"max", std::to_string(c->max())},
                    {"selstart", std::to_string(c->selStart)}, {"tick", std::to_string(c->tick)}};
          },
          [](TabStrip* c) -> std::vector<Property> { return {{"index", std::to_string(c->index())}}; },
          [](Panel* c) -> std::vector<Property> { return {{"visible", flag(c->visible)}}; },
          [](WindowCaption* c) -> std::vector<Property> { return {{"caption", escapeText(c->caption)}}; },
      },
      control);
}

// The record fields a scenario can print.
std::vector<Property> recordFields(const AppRecord& a) {
  auto num = [](double v) { return recordNumber(v); };
  return {
      {"OscFreq", num(a.OscFreq)},         {"PreScale", num(a.PreScale)},
      {"PostScale", num(a.PostScale)},     {"PreOff", num(a.PreOff ? 1 : 0)},
      {"TickFreq", num(a.TickFreq)},       {"TickTime", num(a.TickTime)},
      {"ClockFreq", num(a.ClockFreq)},     {"MinPeriod", num(a.MinPeriod)},
      {"MaxPeriod", num(a.MaxPeriod)},     {"MaxPeriodPre1", num(a.MaxPeriodPre1)},
      {"MinFreq", num(a.MinFreq)},         {"MaxFreq", num(a.MaxFreq)},
      {"TimerNo", num(a.TimerNo)},         {"TimerNoInt", num(a.TimerNoInt)},
      {"TimerMode", num(a.TimerMode)},     {"PeriodUnit", num(a.PeriodUnit)},
      {"FreqUnit", num(a.FreqUnit)},       {"CmtMark", escapeText(a.CmtMark)},
      {"AssignOp", escapeText(a.AssignOp)}, {"BinPrefix", escapeText(a.BinPrefix)},
      {"HexPrefix", escapeText(a.HexPrefix)}, {"StmtEnd", escapeText(a.StmtEnd)},
  };
}

// A whole number with an optional sign. One too large for a long long is still
// a whole number: it reads as the nearest long long, so a slide far past the
// end stops at the end.
std::optional<long long> wholeNumber(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  long long v = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, v);
  if (text.empty() || ptr != end) return std::nullopt;
  if (ec == std::errc::result_out_of_range)
    return text.front() == '-' ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
  if (ec != std::errc()) return std::nullopt;
  return v;
}

const char* iconName(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Critical: return "critical";
    case MsgIcon::Information: return "information";
    case MsgIcon::Question: return "question";
  }
  return "";
}

}  // namespace

std::string escapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out;
}

MsgAnswer ScriptedPlatform::messageBox(const std::string& prompt, MsgIcon icon, MsgButtons buttons,
                                       const std::string& title) {
  MsgAnswer answer = MsgAnswer::Ok;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  if (buttons == MsgButtons::Ok) answer = MsgAnswer::Ok;
  out_ << "msgbox|" << iconName(icon) << '|' << (buttons == MsgButtons::Ok ? "ok" : "okcancel") << '|'
       << escapeText(title) << '|' << escapeText(prompt) << '|' << (answer == MsgAnswer::Ok ? "ok" : "cancel") << '\n';
  return answer;
}

ScriptRunner::ScriptRunner(std::ostream& out) : out_(out), platform_(out) {}
ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::start() {
  if (started_) return;
  started_ = true;
  initAppRecord(app_);
  if (!CheckScreenResolution(app_, platform_)) {
    end();
    return;
  }
  calculator_ = std::make_unique<Calculator>(app_, platform_);
  calculator_->onExit = [this] { end(); };
  calculator_->Form_Load();
}

void ScriptRunner::end() {
  if (ended_) return;
  ended_ = true;
  out_ << "ended\n";
}

std::optional<std::string> ScriptRunner::runLine(std::string_view line) {
  if (ended_) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos || line[first] == '#') return std::nullopt;

  const auto space = line.find(' ');
  const std::string_view command = line.substr(0, space);
  std::string_view rest = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);

  if (command == "screen") {
    if (started_) return "screen after the program has started";
    const auto blank = rest.find(' ');
    const auto w = wholeNumber(rest.substr(0, blank));
    const auto h = blank == std::string_view::npos ? std::nullopt : wholeNumber(rest.substr(blank + 1));
    if (!w || !h) return "screen needs a width and a height";
    auto pixels = [](long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); };
    platform_.screen = {pixels(*w), pixels(*h)};
    return std::nullopt;
  }

  start();
  if (ended_) return std::nullopt;

  if (command == "answer") {
    if (rest == "ok")
      platform_.answers.push_back(MsgAnswer::Ok);
    else if (rest == "cancel")
      platform_.answers.push_back(MsgAnswer::Cancel);
    else
      return "answer must be ok or cancel";
    return std::nullopt;
  }
  if (command == "print") return print(rest);
  if (command == "dump") {
    if (!rest.empty()) return "dump takes nothing";
    dump();
    return std::nullopt;
  }

  // The commands that act on one control: NAME, then an argument.
  const auto blank = rest.find(' ');
  const std::string name(rest.substr(0, blank));
  const std::string_view argument = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  const auto& controls = calculator_->controls();
  const auto it = std::find_if(controls.begin(), controls.end(), [&](const NamedControl& c) { return c.name == name; });
  if (it == controls.end()) return "unknown control '" + name + "'";
  const ControlPtr control = it->control;
  auto kindError = [&] { return std::optional<std::string>(std::string(command) + " does not fit " + name); };

  if (command == "type") {
    auto* box = std::get_if<TextBox*>(&control);
    if (!box) return kindError();
    (*box)->type(std::string(argument));
    return std::nullopt;
  }
  if (command == "click") {
    if (auto* b = std::get_if<Button*>(&control)) {
      (*b)->click();
    } else if (auto* c = std::get_if<CheckBox*>(&control)) {
      (*c)->click();
    } else if (auto* l = std::get_if<Label*>(&control)) {
      (*l)->click();
    } else if (auto* o = std::get_if<OptionRef>(&control)) {
      o->group->click(o->index);
    } else {
      return kindError();
    }
    return std::nullopt;
  }
  if (command == "pick") {
    auto* combo = std::get_if<ComboBox*>(&control);
    if (!combo) return kindError();
    const auto index = wholeNumber(argument);
    if (!index) return "pick needs a whole number";
    if (*index < 0 || *index >= (*combo)->count()) return "pick index out of range";
    (*combo)->pick(static_cast<int>(*index));
    return std::nullopt;
  }
  if (command == "slide") {
    auto* slider = std::get_if<Slider*>(&control);
    if (!slider) return kindError();
    const auto value = wholeNumber(argument);
    if (!value) return "slide needs a whole number";
    (*slider)->slide(*value);
    return std::nullopt;
  }
  if (command == "tab") {
    auto* tabs = std::get_if<TabStrip*>(&control);
    if (!tabs) return kindError();
    const auto index = wholeNumber(argument);
    if (!index) return "tab needs a whole number";
    if (*index < 1 || *index > static_cast<long long>((*tabs)->tabs.size())) return "tab index out of range";
    (*tabs)->click(static_cast<int>(*index));
    return std::nullopt;
  }
  if (command == "focus") {
    auto* box = std::get_if<TextBox*>(&control);
    if (!box) return kindError();
    (*box)->focus();
    return std::nullopt;
  }
  return "unknown command '" + std::string(command) + "'";
}

std::optional<std::string> ScriptRunner::print(std::string_view what) {
  const auto dot = what.find('.');
  const std::string name(what.substr(0, dot));
  for (const auto& [field, value] : recordFields(app_)) {
    if (field == name && dot == std::string_view::npos) {
      out_ << field << '=' << value << '\n';
      return std::nullopt;
    }
  }
  const auto& controls = calculator_->controls();
  const auto it = std::find_if(controls.begin(), controls.end(), [&](const NamedControl& c) { return c.name == name; });
  if (it == controls.end()) return "unknown control or field '" + name + "'";
  const auto props = properties(it->control);
  if (dot == std::string_view::npos) {
    out_ << name << '.' << props.front().first << '=' << props.front().second << '\n';
    return std::nullopt;
  }
  const std::string_view prop = what.substr(dot + 1);
  for (const auto& [key, value] : props) {
    if (key == prop) {
      out_ << name << '.' << key << '=' << value << '\n';
      return std::nullopt;
    }
  }
  return "unknown property '" + std::string(what) + "'";
}

void ScriptRunner::dump() {
  std::vector<Property> lines = recordFields(app_);
  for (const auto& c : calculator_->controls())
    for (const auto& [key, value] : properties(c.control)) lines.emplace_back(c.name + "." + key, value);
  std::sort(lines.begin(), lines.end());
  for (const auto& [key, value] : lines) out_ << key << '=' << value << '\n';
}

}  // namespace tickwell
