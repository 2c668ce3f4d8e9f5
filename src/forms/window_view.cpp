#include "forms/window_view.h"

#include "forms/actions.h"

#include <algorithm>
#include <span>

#include "app/oscillator_entry.h"
#include "app/startup.h"
#include "app/window_texts.h"
#include "listing/listing.h"
#include "timer/timer_spec.h"
#include "version.h"

namespace tickwell {

namespace {

// The static lists: the postscaler ratios, the languages, the listing tabs.
const std::vector<std::string>& postscalerList() {
  static const auto list = [] {
    std::vector<std::string> all;
    for (int n = 1; n <= kPostscalerCount; ++n) all.push_back("1:" + std::to_string(n));
    return all;
  }();
  return list;
}

const std::vector<std::string>& languageList() {
  static const std::vector<std::string> list(kListingLanguages.begin(), kListingLanguages.end());
  return list;
}

const std::vector<std::string>& tabList() {
  static const std::vector<std::string> list{"TIMER0", "TIMER1", "TIMER2", "TIMER3"};
  return list;
}

}  // namespace

std::vector<NamedControl> namedControls(WindowView& v) {
  std::vector<NamedControl> out;
  out.reserve(160);
  auto add = [&out](std::string name, ControlRef c) { out.push_back({std::move(name), c}); };
  auto addArray = [&](const std::string& name, auto& array) {
    for (std::size_t i = 0; i < array.size(); ++i) add(name + "(" + std::to_string(i) + ")", &array[i]);
  };
  add("frmCalculator", &v.frmCalculator);
  add("p1", &v.p1);
  addArray("opTmr", v.opTmr);
  addArray("opMode", v.opMode);
  addArray("opFreq", v.opFreq);
  add("opPIC16", &v.family[0]);
  add("opPIC18", &v.family[1]);
  for (auto [name, box] : {std::pair{"chkFosc", &v.chkFosc}, {"chkTMR0", &v.chkTMR0}, {"chkPR2", &v.chkPR2},
                           {"chkUseScaler", &v.chkUseScaler}})
    add(name, box);
  for (auto [name, box] :
       {std::pair{"txtFreq", &v.txtFreq}, {"txtPreBits", &v.txtPreBits}, {"txtPostBits", &v.txtPostBits},
        {"txtRegVal", &v.txtRegVal}, {"txtTimeout", &v.txtTimeout}, {"txtOverhead", &v.txtOverhead},
        {"txtHexH", &v.txtHexH}, {"txtHexL", &v.txtHexL}, {"txtDecH", &v.txtDecH}, {"txtDecL", &v.txtDecL},
        {"txtBin", &v.txtBin}, {"txtSearchInt", &v.txtSearchInt}, {"txtSearchFreq", &v.txtSearchFreq}})
    add(name, box);
  addArray("txtTimer", v.txtTimer);
  for (auto [name, label] : {
           std::pair{"lblCycle", &v.lblCycle}, {"lblFreq", &v.lblFreq}, {"lblClockFreq", &v.lblClockFreq},
           {"lblInterrupt", &v.lblInterrupt}, {"lblHz", &v.lblHz}, {"lblTicks2Int", &v.lblTicks2Int},
           {"lblToInterrupt", &v.lblToInterrupt}, {"lblAdjust", &v.lblAdjust}, {"lblMin", &v.lblMin},
           {"lblMax", &v.lblMax}, {"lblMinFreq", &v.lblMinFreq}, {"lblMaxFreq", &v.lblMaxFreq},
           {"lblMin1", &v.lblMin1}, {"lblMax1", &v.lblMax1}, {"lblMin2", &v.lblMin2}, {"lblMax2", &v.lblMax2},
           {"lblMinTxt", &v.lblMinTxt}, {"lblMaxTxt", &v.lblMaxTxt}, {"lblMinTxtFreq", &v.lblMinTxtFreq},
           {"lblMaxTxtFreq", &v.lblMaxTxtFreq}, {"LabelCycle", &v.LabelCycle}, {"LabelHz", &v.LabelHz},
           {"LabelHz2", &v.LabelHz2}, {"lblInputOSC", &v.lblInputOSC}, {"lblNoteTMR0", &v.lblNoteTMR0},
           {"lblNotePR2", &v.lblNotePR2}, {"lblWDT", &v.lblWDT}, {"lblOff1", &v.lblOff1}, {"lblOff2", &v.lblOff2},
           {"lblOr", &v.lblOr}, {"lblISRMax", &v.lblISRMax}, {"lblCycleTxt", &v.lblCycleTxt},
           {"lblFreqTxt", &v.lblFreqTxt}, {"lblClockFreqTxt", &v.lblClockFreqTxt}, {"lblHexTxt", &v.lblHexTxt},
           {"lblDecTxt", &v.lblDecTxt}, {"lblBinTxt", &v.lblBinTxt}, {"lblTmrH", &v.lblTmrH},
           {"lblTmrL", &v.lblTmrL}, {"lblSearchError", &v.lblSearchError}, {"lblChip", &v.lblChip}})
    add(name, label);
  for (auto [name, button] : {
           std::pair{"btnInterrupt", &v.btnInterrupt}, {"btnHertz", &v.btnHertz}, {"btnSearchInt", &v.btnSearchInt},
           {"btnSearchHertz", &v.btnSearchHertz}, {"cmdSearch", &v.cmdSearch}, {"cmdResetData", &v.cmdResetData},
           {"cmdExit", &v.cmdExit}, {"cmdSl1Max", &v.cmdSl1Max}, {"cmdSl1Min", &v.cmdSl1Min}, {"cmdL", &v.cmdL},
           {"cmdR", &v.cmdR}, {"cmdBasic", &v.cmdBasic}, {"cmdPascal", &v.cmdPascal}, {"cmdC", &v.cmdC},
           {"cmdPicbasic", &v.cmdPicbasic}, {"cmdAssembler", &v.cmdAssembler}, {"cmdXC8", &v.cmdXC8},
           {"cmdCrystalModes", &v.cmdCrystalModes}, {"cmdInfo", &v.cmdInfo}, {"cmdSolutions", &v.cmdSolutions}})
    add(name, button);
  add("cbPre", &v.cbPre);
  add("cbPost", &v.cbPost);
  add("cbComment", &v.cbComment);
  add("sl1", &v.sl1);
  add("slTimeout", &v.slTimeout);
  add("Ts1", &v.Ts1);
  for (auto [name, frame] : {
           std::pair{"frPreload", &v.frPreload}, {"frSearch", &v.frSearch}, {"FrMinMax", &v.FrMinMax},
           {"FrLanguage", &v.FrLanguage}, {"frCode", &v.frCode}, {"frFamily", &v.frFamily}, {"frTimers", &v.frTimers},
           {"frMode", &v.frMode}, {"frOsc", &v.frOsc}, {"frPrescaler", &v.frPrescaler},
           {"frPostscaler", &v.frPostscaler}, {"frTimeout", &v.frTimeout}, {"frOverhead", &v.frOverhead},
           {"frResult", &v.frResult}, {"frInterrupt", &v.frInterrupt}, {"frHertz", &v.frHertz},
           {"frTmrPreload", &v.frTmrPreload}, {"frValues", &v.frValues}})
    add(name, frame);
  return out;
}

const std::vector<std::string>& prescalerList(const TimerSpec& facts) {
  // One list for each prescaler table the timers and kinds share.
  static const auto lists = [] {
    std::vector<std::pair<std::span<const Prescaler>, std::vector<std::string>>> all;
    auto add = [&all](std::span<const Prescaler> prescalers) {
      for (const auto& [known, list] : all)
        if (known.data() == prescalers.data()) return;
      std::vector<std::string> list;
      for (const Prescaler& p : prescalers) list.push_back("1:" + std::to_string(p.ratio));
      all.emplace_back(prescalers, std::move(list));
    };
    for (int t = 0; t < kTimerCount; ++t) add(timerSpec(t).prescalers);
    for (int k = 0; k <= static_cast<int>(TimerKind::Unrecognised); ++k)
      if (const TimerSpec* facts = kindFacts(static_cast<TimerKind>(k)).facts) add(facts->prescalers);
    return all;
  }();
  for (const auto& [prescalers, list] : lists)
    if (prescalers.data() == facts.prescalers.data()) return list;
  return lists.front().second;
}

namespace {

// The chips the chooser offers: those the program works with (a baseline part
// has no interrupts).
std::vector<const Device*> offeredDevices() {
  std::vector<const Device*> offered;
  for (const Device& d : allDevices())
    if (!d.refusal()) offered.push_back(&d);
  return offered;
}

}  // namespace

const std::vector<std::string>& deviceChoices() {
  static const auto list = [] {
    std::vector<std::string> all(kGenericFamilyNames.begin(), kGenericFamilyNames.end());
    for (const Device* d : offeredDevices()) all.emplace_back(d->name);
    return all;
  }();
  return list;
}

int deviceChoice(const Device* device, Family family) {
  if (!device) return family == Family::PIC16 ? 0 : 1;
  // By the chip's place in the table: its entry follows the generic two.
  static const auto entries = [] {
    std::vector<int> byTable(allDevices().size(), -1);
    int entry = static_cast<int>(kGenericFamilyNames.size());
    for (const Device* d : offeredDevices()) byTable[static_cast<std::size_t>(d - allDevices().data())] = entry++;
    return byTable;
  }();
  return entries[static_cast<std::size_t>(device - allDevices().data())];
}

// What never changes: captions and tooltips from the window's table, the
// lists, the slider of the timeout, the entry's length.
WindowView fixedView() {
  WindowView v;
  for (const NamedControl& c : namedControls(v)) {
    const auto it = std::find_if(controlTexts().begin(), controlTexts().end(),
                                 [&](const ControlText& t) { return t.name == c.name; });
    if (it == controlTexts().end()) continue;
    std::visit(
        [&](auto* control) {
          using T = std::remove_pointer_t<decltype(control)>;
          if constexpr (requires { control->caption; }) control->caption = std::string(it->caption);
          if constexpr (std::is_base_of_v<ControlView, T>) control->tooltip = it->tooltip;
        },
        c.control);
  }
  v.frmCalculator.caption = std::string("Tickwell ") + kVersionText + " - " + kLegalNotice;
  for (int i = 4; i < 6; ++i) v.opTmr[static_cast<std::size_t>(i)].enabled = v.opTmr[static_cast<std::size_t>(i)].visible = false;
  v.txtFreq.maxLength = kOscEntryLength;
  v.cbPost.list = &postscalerList();
  v.cbComment.list = &languageList();
  v.Ts1.tabs = &tabList();
  v.slTimeout.max = 15;
  v.device.chooser.list = &deviceChoices();
  v.device.chooser.tooltip = "The chip: its timers, their prescalers and its register names";
  v.device.listing.visible = false;
  return v;
}

}  // namespace tickwell
