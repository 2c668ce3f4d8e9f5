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
#include "forms/gestures.h"
#include "calculator/render.h"

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
std::vector<Property> properties(const ControlRef& control) {
  return std::visit(
      Overloaded{
          [](TextBoxView* c) -> std::vector<Property> {
            return {{"text", escapeText(c->text)},        {"enabled", flag(c->enabled)},
                    {"visible", flag(c->visible)},          {"backcolor", color(c->backColor)},
                    {"selstart", std::to_string(c->selStart)}, {"sellength", std::to_string(c->selLength)}};
          },
          [](LabelView* c) -> std::vector<Property> {
            return {{"caption", escapeText(c->caption)}, {"visible", flag(c->visible)}, {"enabled", flag(c->enabled)}};
          },
          [](ButtonView* c) -> std::vector<Property> {
            return {{"caption", escapeText(c->caption)}, {"visible", flag(c->visible)}, {"enabled", flag(c->enabled)}};
          },
          [](FrameView* c) -> std::vector<Property> {
            return {{"caption", escapeText(c->caption)}, {"visible", flag(c->visible)}, {"enabled", flag(c->enabled)}};
          },
          [](CheckBoxView* c) -> std::vector<Property> {
            return {{"value", flag(c->checked)}, {"enabled", flag(c->enabled)}, {"visible", flag(c->visible)}};
          },
          [](OptionView* o) -> std::vector<Property> {
            return {{"value", flag(o->selected)}, {"enabled", flag(o->enabled)}, {"visible", flag(o->visible)},
                    {"bold", flag(o->bold)}};
          },
          [](ComboBoxView* c) -> std::vector<Property> {
            std::string list;
            for (int i = 0; i < c->count(); ++i) list += (i ? "," : "") + (*c->list)[static_cast<std::size_t>(i)];
            return {{"index", std::to_string(c->index)}, {"text", escapeText(c->text())},
                    {"count", std::to_string(c->count())}, {"list", escapeText(list)},
                    {"enabled", flag(c->enabled)},         {"backcolor", color(c->backColor)}};
          },
          [](SliderView* c) -> std::vector<Property> {
            return {{"value", std::to_string(c->value)}, {"max", std::to_string(c->max)},
                    {"selstart", std::to_string(c->selStart)}, {"tick", std::to_string(c->tick)}};
          },
          [](TabStripView* c) -> std::vector<Property> { return {{"index", std::to_string(c->index)}}; },
          [](PanelView* c) -> std::vector<Property> { return {{"visible", flag(c->visible)}}; },
          [](WindowCaptionView* c) -> std::vector<Property> { return {{"caption", escapeText(c->caption)}}; },
      },
      control);
}

// The record fields a scenario can print.
std::vector<Property> recordFields(const RecordView& a) {
  auto num = [](double v) { return recordNumber(v); };
  auto text = [](std::string_view t) { return escapeText(t); };
  return {
      {"OscFreq", num(a.OscFreq)},         {"PreScale", num(a.PreScale)},
      {"PostScale", num(a.PostScale)},     {"PreOff", num(a.PreOff ? 1 : 0)},
      {"TickFreq", num(a.TickFreq)},       {"TickTime", num(a.TickTime)},
      {"ClockFreq", num(a.ClockFreq)},     {"MinPeriod", num(a.MinPeriod)},
      {"MaxPeriod", num(a.MaxPeriod)},     {"MaxPeriodPre1", num(a.MaxPeriodPre1)},
      {"MinFreq", num(a.MinFreq)},         {"MaxFreq", num(a.MaxFreq)},
      {"TimerNo", num(a.TimerNo)},         {"TimerNoInt", num(a.TimerNoInt)},
      {"TimerMode", num(a.TimerMode)},     {"PeriodUnit", num(a.PeriodUnit)},
      {"FreqUnit", num(a.FreqUnit)},       {"CmtMark", text(a.CmtMark)},
      {"AssignOp", text(a.AssignOp)},      {"BinPrefix", text(a.BinPrefix)},
      {"HexPrefix", text(a.HexPrefix)},    {"StmtEnd", text(a.StmtEnd)},
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

void ScriptRunner::start() {
  if (started_) return;
  started_ = true;
  if (!CheckScreenResolution(platform_)) {
    end();
    return;
  }
  view_ = render(state_);
  controls_ = namedControls(view_);
}

void ScriptRunner::end() {
  if (ended_) return;
  ended_ = true;
  out_ << "ended\n";
}

void ScriptRunner::act(const std::optional<Action>& action) {
  if (!action) return;
  Outcome outcome = tickwell::apply(state_, *action);
  state_ = std::move(outcome.state);
  view_ = render(state_);
  if (outcome.exit) return end();
  if (outcome.message) {
    const Message& m = *outcome.message;
    if (platform_.messageBox(m.prompt, m.icon, m.buttons, kAppName) == MsgAnswer::Ok) act(m.onOk);
  }
}

const NamedControl* ScriptRunner::find(std::string_view name) const {
  const auto it = std::find_if(controls_.begin(), controls_.end(), [&](const NamedControl& c) { return c.name == name; });
  return it == controls_.end() ? nullptr : &*it;
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
  return controlCommand(command, rest);
}

std::optional<std::string> ScriptRunner::controlCommand(std::string_view command, std::string_view rest) {
  // The commands that act on one control: NAME, then an argument.
  const auto blank = rest.find(' ');
  const std::string name(rest.substr(0, blank));
  const std::string_view argument = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  const NamedControl* found = find(name);
  if (!found) return "unknown control '" + name + "'";
  const ControlRef control = found->control;
  auto kindError = [&] { return std::optional<std::string>(std::string(command) + " does not fit " + name); };
  // A disabled or hidden control takes no action.
  const bool usable = std::visit(
      [](auto* c) {
        if constexpr (std::is_base_of_v<ControlView, std::remove_pointer_t<decltype(c)>>)
          return c->usable();
        else
          return true;
      },
      control);

  if (command == "type" || command == "focus") {
    if (!std::holds_alternative<TextBoxView*>(control)) return kindError();
    if (usable) act(command == "type" ? typeAction(name, std::string(argument)) : focusAction(name));
    return std::nullopt;
  }
  if (command == "click") {
    if (!std::holds_alternative<ButtonView*>(control) && !std::holds_alternative<CheckBoxView*>(control) &&
        !std::holds_alternative<LabelView*>(control) && !std::holds_alternative<OptionView*>(control))
      return kindError();
    if (usable) act(clickAction(name));
    return std::nullopt;
  }
  if (command == "pick") {
    auto* combo = std::get_if<ComboBoxView*>(&control);
    if (!combo) return kindError();
    const auto index = wholeNumber(argument);
    if (!index) return "pick needs a whole number";
    if (*index < 0 || *index >= (*combo)->count()) return "pick index out of range";
    if (usable) act(pickAction(name, static_cast<int>(*index)));
    return std::nullopt;
  }
  if (command == "slide") {
    if (!std::holds_alternative<SliderView*>(control)) return kindError();
    const auto value = wholeNumber(argument);
    if (!value) return "slide needs a whole number";
    if (usable) act(slideAction(name, *value));
    return std::nullopt;
  }
  if (command == "tab") {
    auto* tabs = std::get_if<TabStripView*>(&control);
    if (!tabs) return kindError();
    const auto index = wholeNumber(argument);
    if (!index) return "tab needs a whole number";
    if (*index < 1 || *index > static_cast<long long>((*tabs)->tabs->size())) return "tab index out of range";
    if (usable) act(tabAction(static_cast<int>(*index)));
    return std::nullopt;
  }
  return "unknown command '" + std::string(command) + "'";
}

std::optional<std::string> ScriptRunner::print(std::string_view what) {
  const auto dot = what.find('.');
  const std::string name(what.substr(0, dot));
  for (const auto& [field, value] : recordFields(view_.record)) {
    if (field == name && dot == std::string_view::npos) {
      out_ << field << '=' << value << '\n';
      return std::nullopt;
    }
  }
  const NamedControl* found = find(name);
  if (!found) return "unknown control or field '" + name + "'";
  const auto props = properties(found->control);
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
  std::vector<Property> lines = recordFields(view_.record);
  for (const auto& c : controls_)
    for (const auto& [key, value] : properties(c.control)) lines.emplace_back(c.name + "." + key, value);
  std::sort(lines.begin(), lines.end());
  for (const auto& [key, value] : lines) out_ << key << '=' << value << '\n';
}

}  // namespace tickwell
