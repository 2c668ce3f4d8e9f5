#include "forms/gestures.h"

#include <array>
#include <charconv>

namespace tickwell {

namespace {

using namespace action;

constexpr std::array<std::pair<std::string_view, Box>, kBoxCount> kBoxes{{
    {"txtFreq", Box::Freq},         {"txtPreBits", Box::PreBits},     {"txtPostBits", Box::PostBits},
    {"txtRegVal", Box::RegVal},     {"txtTimeout", Box::Timeout},     {"txtOverhead", Box::Overhead},
    {"txtHexH", Box::HexH},         {"txtHexL", Box::HexL},           {"txtDecH", Box::DecH},
    {"txtDecL", Box::DecL},         {"txtBin", Box::Bin},             {"txtSearchInt", Box::SearchInt},
    {"txtSearchFreq", Box::SearchFreq}, {"txtTimer(0)", Box::Listing0}, {"txtTimer(1)", Box::Listing1},
    {"txtTimer(2)", Box::Listing2}, {"txtTimer(3)", Box::Listing3},
}};

constexpr std::pair<std::string_view, Check> kChecks[] = {
    {"chkFosc", Check::Fosc4}, {"chkTMR0", Check::Tmr0Adjust}, {"chkPR2", Check::Pr2Adjust},
    {"chkUseScaler", Check::UseActualScalers}};

// Both unit buttons of a quantity step the one unit the result and the
// search entry share.
constexpr std::pair<std::string_view, Command> kCommands[] = {
    {"cmdL", Command::PreloadDown},       {"cmdR", Command::PreloadUp},
    {"cmdSl1Max", Command::PreloadMax},   {"cmdSl1Min", Command::PreloadMin},
    {"cmdSearch", Command::Search},       {"cmdResetData", Command::ResetValues},
    {"cmdExit", Command::Exit},           {"LabelCycle", Command::CycleUnit},
    {"LabelHz", Command::TickFrequencyUnit}, {"LabelHz2", Command::ClockUnit},
    {"lblInputOSC", Command::InputUnit},  {"btnInterrupt", Command::PeriodUnit},
    {"btnSearchInt", Command::PeriodUnit}, {"btnHertz", Command::FrequencyUnit},
    {"btnSearchHertz", Command::FrequencyUnit}};

constexpr std::pair<std::string_view, List> kLists[] = {
    {"cbPre", List::Prescaler}, {"cbPost", List::Postscaler}, {"cbComment", List::Language}};

template <class Table>
auto find(const Table& table, std::string_view name) -> std::optional<decltype(std::begin(table)->second)> {
  for (const auto& [key, value] : table)
    if (key == name) return value;
  return std::nullopt;
}

// "opTmr(2)" with prefix "opTmr" gives 2.
std::optional<int> member(std::string_view name, std::string_view prefix) {
  if (name.size() < prefix.size() + 3 || name.substr(0, prefix.size()) != prefix || name[prefix.size()] != '(' ||
      name.back() != ')')
    return std::nullopt;
  const std::string_view digits = name.substr(prefix.size() + 1, name.size() - prefix.size() - 2);
  int i = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), i);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return i;
}

}  // namespace

std::optional<Action> clickAction(std::string_view name) {
  if (const auto timer = member(name, "opTmr"); timer && *timer < kTimerCount) return SelectTimer{*timer};
  if (const auto width = member(name, "opMode")) return SelectWidth{*width == 0 ? Width::Bits8 : Width::Bits16};
  if (const auto preset = member(name, "opFreq")) return SelectOscillator{*preset};
  if (name == "opPIC16") return SelectFamily{Family::PIC16};
  if (name == "opPIC18") return SelectFamily{Family::PIC18};
  if (const auto check = find(kChecks, name)) return Toggle{*check};
  if (const auto command = find(kCommands, name)) return Press{*command};
  return std::nullopt;
}

std::optional<Action> typeAction(std::string_view name, std::string text) {
  if (const auto box = find(kBoxes, name)) return Type{*box, std::move(text)};
  return std::nullopt;
}

std::optional<Action> focusAction(std::string_view name) {
  if (const auto box = find(kBoxes, name)) return Focus{*box};
  return std::nullopt;
}

std::optional<Action> pickAction(std::string_view name, int index) {
  if (const auto list = find(kLists, name)) return Pick{*list, index};
  return std::nullopt;
}

std::optional<Action> slideAction(std::string_view name, long long value) {
  if (name == "sl1") return Slide{SliderId::Preload, value};
  if (name == "slTimeout") return Slide{SliderId::Timeout, value};
  return std::nullopt;
}

Action tabAction(int index) { return SelectTimer{index - 1}; }

}  // namespace tickwell
