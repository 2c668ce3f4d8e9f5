// The calculator window: its controls, start-up, defaults and the one
// recalculation that turns the inputs into every result.
#include "calculator/calculator.h"

#include <cmath>
#include <optional>
#include <type_traits>

#include "app/number_text.h"
#include "app/result_texts.h"
#include "app/units.h"
#include "calculator/constants.h"
#include "calculator/oscillator_entry.h"

namespace tickwell {

namespace {

const char* const kUnitTooltip = "Click here for change measure unit";

std::string text(std::string_view s) { return std::string(s); }

void setupLabel(Label& label, const std::string& caption, bool visible = true) {
  label.setCaption(caption);
  label.visible = visible;
}

}  // namespace

Calculator::Calculator(AppRecord& app, Platform& platform) : app_(app), platform_(platform) {
  buildControls();
  registerControls();
  wireHandlers();
}

void Calculator::buildControls() {
  // Option groups with their captions.
  for (const char* c : {"Timer0", "Timer1", "Timer2", "Timer3", "Timer4", "Timer5"}) opTmr.add(c);
  // Timer4 and Timer5 exist on the window but are never offered.
  for (int i = 4; i <= 5; ++i) {
    opTmr[i].enabled = false;
    opTmr[i].visible = false;
  }
  for (const char* c : {"8-Bit", "16-Bit"}) opMode.add(c);
  for (const char* c : {"100 kHz", "250 kHz", "500 kHz", "1 MHz", "2 MHz", "4 MHz", "8 MHz", "10 MHz", "12 MHz",
                        "16 MHz", "20 MHz", "24 MHz", "32 MHz", "40 MHz", "48 MHz", "Other"})
    opFreq.add(c);
  for (const char* c : {"PIC16 Series", "PIC18 Series"}) family.add(c);

  chkFosc.caption = "Fosc/4:";
  chkFosc.tooltip = "disable/enable Fosc/4";
  chkTMR0.caption = "TMR0 Adjust";
  chkPR2.caption = "PR2 Adjust";
  chkUseScaler.caption = "USE ACTUAL SCALER VALUES FOR SEARCH";

  txtFreq.setText(kDefaultOscText);
  txtFreq.maxLength = kOscEntryLength;
  txtFreq.tooltip = "Only numbers from 0 to 48000000";
  txtPreBits.setText("000");
  txtPostBits.setText("0000");
  txtPostBits.enabled = false;
  txtRegVal.setText("0");
  txtTimeout.setText("0");
  txtOverhead.setText("0");
  txtSearchInt.setText("0");
  txtSearchInt.tooltip = "Only valid numbers";
  txtSearchFreq.setText("0");
  txtSearchFreq.tooltip = "Only valid numbers";

  setupLabel(LabelCycle, text(caption(cycleUnit_)));
  setupLabel(LabelHz, text(caption(tickFrequencyUnit_)));
  setupLabel(LabelHz2, text(caption(clockFrequencyUnit_)));
  setupLabel(lblInputOSC, text(caption(inputUnit_)));
  for (Label* l : {&LabelCycle, &LabelHz, &LabelHz2}) l->tooltip = kUnitTooltip;
  btnInterrupt.caption = btnSearchInt.caption = text(caption(periodUnit_));
  btnHertz.caption = btnSearchHertz.caption = text(caption(frequencyUnit_));
  for (Button* b : {&btnInterrupt, &btnHertz, &btnSearchInt, &btnSearchHertz}) b->tooltip = kUnitTooltip;

  setupLabel(lblTicks2Int, "Cycles to interrupt:");
  setupLabel(lblAdjust, "VALUE ADJUSTED", false);
  setupLabel(lblMin1, "min.");
  setupLabel(lblMax1, "max.");
  setupLabel(lblMin2, "min.");
  setupLabel(lblMax2, "max.");
  setupLabel(lblMinTxt, text(caption(periodUnit_)));
  setupLabel(lblMaxTxt, text(caption(periodUnit_)));
  setupLabel(lblMinTxtFreq, text(caption(frequencyUnit_)));
  setupLabel(lblMaxTxtFreq, text(caption(frequencyUnit_)));
  setupLabel(lblNoteTMR0,
             "NOTE: Due the two cycle loss when TMR0 register is written, you can adjust here the register value i.e. "
             "when used as period time counter.");
  setupLabel(lblNotePR2,
             "NOTE: When Timer2 match PR2 then you loss 1 cycle for Timer2 reset. Add here 1 cycle for time "
             "compensation.");
  setupLabel(lblWDT, "WDT not available", false);
  setupLabel(lblOff1, "OFF");
  setupLabel(lblOff2, "OFF");
  setupLabel(lblOr, "<<-   OR   ->>");
  setupLabel(lblISRMax, "max." + std::to_string(kMaxOverhead));
  setupLabel(lblCycleTxt, "Instruction Cycle");
  setupLabel(lblFreqTxt, "Clock Frequency For TIMER");
  setupLabel(lblClockFreqTxt, "Clock Frequency");
  setupLabel(lblHexTxt, "HEX:");
  setupLabel(lblDecTxt, "DEC:");
  setupLabel(lblBinTxt, "BIN:");
  setupLabel(lblTmrH, "TMRH");
  setupLabel(lblTmrL, "TMRL");

  cmdSearch.caption = "SEARCH";
  cmdSolutions.caption = "ALL SOLUTIONS\u2026";
  cmdSolutions.tooltip = "Every configuration of every timer for the wanted value, ranked by error";
  cmdResetData.caption = "Reset values";
  cmdExit.caption = "E&xit";
  cmdSl1Max.caption = "SET MAX";
  cmdSl1Min.caption = "SET MIN";
  cmdL.caption = "<";
  cmdR.caption = ">";
  cmdBasic.caption = "mikroBasic";
  cmdPascal.caption = "mikroPascal";
  cmdC.caption = "mikroC";
  cmdPicbasic.caption = "PicBasic";
  cmdAssembler.caption = "Assembler";
  cmdXC8.caption = "XC8";
  for (Button* b : {&cmdBasic, &cmdPascal, &cmdC, &cmdPicbasic, &cmdAssembler, &cmdXC8})
    b->tooltip = "Should be available in Version 1.0";
  cmdCrystalModes.caption = "Crystal Modes";
  cmdInfo.caption = "&Info";

  cbPre.tooltip = "Select Prescaler";
  cbPost.tooltip = "Select Postscaler";
  for (int n = 1; n <= 16; ++n) cbPost.add("1:" + std::to_string(n));
  cbPost.enabled = false;
  for (const char* language : kListingLanguages) cbComment.add(language);
  cbComment.setIndex(0);

  sl1.setMax(maxPreload(Width::Bits8));
  sl1.tick = kPreloadTick8Bit;
  slTimeout.setMax(kMaxTimeout);

  Ts1.tabs = {"TIMER0", "TIMER1", "TIMER2", "TIMER3"};

  frPreload.caption = "TMR0 Preload";
  frSearch.caption = "Search Interrupt/Frequency Configuration";
  FrMinMax.caption = "Search Limits";
  FrLanguage.caption = "Language";
  frCode.caption = "Source Code Example";
  frCode.tooltip = "Should be available in Version 1.0";
  frFamily.caption = "ATTENTION TO:";
  frTimers.caption = "Timers";
  frMode.caption = "Mode";
  frMode.tooltip = "In PIC18 Series you can use the Timer0 in both modes";
  frOsc.caption = "Input OSC Frequencies";
  frPrescaler.caption = "Prescaler";
  frPostscaler.caption = "Postscaler";
  frTimeout.caption = "ISR Timeout (cycles)";
  frOverhead.caption = "ISR Overhead  (cycles)";
  frResult.caption = "Result";
  frInterrupt.caption = "Interrupt Period";
  frHertz.caption = "Interrupt Frequency";
  frTmrPreload.caption = "TMR Preload";
  frValues.caption = "Values";

  frmCalculator.caption = "Tickwell ";
}

void Calculator::registerControls() {
  auto add = [this](std::string name, ControlPtr c) { controls_.push_back({std::move(name), c}); };
  add("frmCalculator", &frmCalculator);
  add("p1", &p1);
  auto addGroup = [&](const std::string& name, OptionGroup& group) {
    for (int i = 0; i < group.size(); ++i) add(name + "(" + std::to_string(i) + ")", OptionRef{&group, i});
  };
  addGroup("opTmr", opTmr);
  addGroup("opMode", opMode);
  addGroup("opFreq", opFreq);
  add("opPIC16", OptionRef{&family, 0});
  add("opPIC18", OptionRef{&family, 1});

  add("chkFosc", &chkFosc);
  add("chkTMR0", &chkTMR0);
  add("chkPR2", &chkPR2);
  add("chkUseScaler", &chkUseScaler);

  add("txtFreq", &txtFreq);
  add("txtPreBits", &txtPreBits);
  add("txtPostBits", &txtPostBits);
  add("txtRegVal", &txtRegVal);
  add("txtTimeout", &txtTimeout);
  add("txtOverhead", &txtOverhead);
  add("txtHexH", &txtHexH);
  add("txtHexL", &txtHexL);
  add("txtDecH", &txtDecH);
  add("txtDecL", &txtDecL);
  add("txtBin", &txtBin);
  add("txtSearchInt", &txtSearchInt);
  add("txtSearchFreq", &txtSearchFreq);
  for (int i = 0; i < 4; ++i) add("txtTimer(" + std::to_string(i) + ")", &txtTimer[static_cast<std::size_t>(i)]);

  const std::pair<const char*, Label*> labels[] = {
      {"lblCycle", &lblCycle},         {"lblFreq", &lblFreq},
      {"lblClockFreq", &lblClockFreq}, {"lblInterrupt", &lblInterrupt},
      {"lblHz", &lblHz},               {"lblTicks2Int", &lblTicks2Int},
      {"lblToInterrupt", &lblToInterrupt}, {"lblAdjust", &lblAdjust},
      {"lblMin", &lblMin},             {"lblMax", &lblMax},
      {"lblMinFreq", &lblMinFreq},     {"lblMaxFreq", &lblMaxFreq},
      {"lblMin1", &lblMin1},           {"lblMax1", &lblMax1},
      {"lblMin2", &lblMin2},           {"lblMax2", &lblMax2},
      {"lblMinTxt", &lblMinTxt},       {"lblMaxTxt", &lblMaxTxt},
      {"lblMinTxtFreq", &lblMinTxtFreq}, {"lblMaxTxtFreq", &lblMaxTxtFreq},
      {"LabelCycle", &LabelCycle},     {"LabelHz", &LabelHz},
      {"LabelHz2", &LabelHz2},         {"lblInputOSC", &lblInputOSC},
      {"lblNoteTMR0", &lblNoteTMR0},   {"lblNotePR2", &lblNotePR2},
      {"lblWDT", &lblWDT},             {"lblOff1", &lblOff1},
      {"lblOff2", &lblOff2},           {"lblOr", &lblOr},
      {"lblISRMax", &lblISRMax},       {"lblCycleTxt", &lblCycleTxt},
      {"lblFreqTxt", &lblFreqTxt},     {"lblClockFreqTxt", &lblClockFreqTxt},
      {"lblHexTxt", &lblHexTxt},       {"lblDecTxt", &lblDecTxt},
      {"lblBinTxt", &lblBinTxt},       {"lblTmrH", &lblTmrH},
      {"lblTmrL", &lblTmrL},           {"lblSearchError", &lblSearchError},
  };
  for (const auto& [name, label] : labels) add(name, label);

  const std::pair<const char*, Button*> buttons[] = {
      {"btnInterrupt", &btnInterrupt}, {"btnHertz", &btnHertz},       {"btnSearchInt", &btnSearchInt},
      {"btnSearchHertz", &btnSearchHertz}, {"cmdSearch", &cmdSearch}, {"cmdResetData", &cmdResetData},
      {"cmdExit", &cmdExit},           {"cmdSl1Max", &cmdSl1Max},     {"cmdSl1Min", &cmdSl1Min},
      {"cmdL", &cmdL},                 {"cmdR", &cmdR},               {"cmdBasic", &cmdBasic},
      {"cmdPascal", &cmdPascal},       {"cmdC", &cmdC},               {"cmdPicbasic", &cmdPicbasic},
      {"cmdAssembler", &cmdAssembler}, {"cmdXC8", &cmdXC8},         {"cmdCrystalModes", &cmdCrystalModes},
      {"cmdInfo", &cmdInfo},           {"cmdSolutions", &cmdSolutions},
  };
  for (const auto& [name, button] : buttons) add(name, button);

  add("cbPre", &cbPre);
  add("cbPost", &cbPost);
  add("cbComment", &cbComment);
  add("sl1", &sl1);
  add("slTimeout", &slTimeout);
  add("Ts1", &Ts1);

  const std::pair<const char*, Frame*> frames[] = {
      {"frPreload", &frPreload},   {"frSearch", &frSearch},       {"FrMinMax", &FrMinMax},
      {"FrLanguage", &FrLanguage}, {"frCode", &frCode},           {"frFamily", &frFamily},
      {"frTimers", &frTimers},     {"frMode", &frMode},           {"frOsc", &frOsc},
      {"frPrescaler", &frPrescaler}, {"frPostscaler", &frPostscaler}, {"frTimeout", &frTimeout},
      {"frOverhead", &frOverhead}, {"frResult", &frResult},       {"frInterrupt", &frInterrupt},
      {"frHertz", &frHertz},       {"frTmrPreload", &frTmrPreload}, {"frValues", &frValues},
  };
  for (const auto& [name, frame] : frames) add(name, frame);

  // Every control counts the nesting of its handlers.
  for (auto& nc : controls_) {
    std::visit(
        [this](auto c) {
          if constexpr (std::is_pointer_v<decltype(c)>) {
            if constexpr (std::is_base_of_v<Control, std::remove_pointer_t<decltype(c)>>) c->depth = &depth;
          }
        },
        nc.control);
  }
  for (OptionGroup* g : {&opTmr, &opMode, &opFreq, &family}) g->depth = &depth;
}

const std::string& Calculator::nameOf(const ControlPtr& control) const {
  static const std::string none;
  for (const auto& nc : controls_) {
    const bool same = std::visit(
        [&](const auto& mine) {
          using T = std::decay_t<decltype(mine)>;
          const auto* other = std::get_if<T>(&control);
          if constexpr (std::is_same_v<T, OptionRef>)
            return other && other->group == mine.group && other->index == mine.index;
          else
            return other && *other == mine;
        },
        nc.control);
    if (same) return nc.name;
  }
  return none;
}

void Calculator::wireHandlers() {
  opTmr.onClick = [this](int i) { opTmr_Click(i); };
  opMode.onClick = [this](int i) { opMode_Click(i); };
  opFreq.onClick = [this](int i) { opFreq_Click(i); };
  family.onClick = [this](int i) { i == 0 ? opPIC16_Click() : opPIC18_Click(); };

  chkFosc.onClick = [this] { chkFosc_Click(); };
  chkTMR0.onClick = [this] { chkTMR0_Click(); };
  chkPR2.onClick = [this] { chkPR2_Click(); };

  txtFreq.onKeyPress = [this] { txtFreq_KeyPress(); };
  txtFreq.onChange = [this] { txtFreq_Change(); };
  txtRegVal.onChange = [this] { txtRegVal_Change(); };
  txtTimeout.onChange = [this] { txtTimeout_Change(); };
  txtOverhead.onChange = [this] { txtOverhead_Change(); };
  txtSearchInt.onChange = [this] { txtSearchInt_Change(); };
  txtSearchFreq.onChange = [this] { txtSearchFreq_Change(); };
  for (TextBox* box : {&txtPostBits, &txtPreBits, &txtFreq, &txtRegVal, &txtHexH, &txtHexL, &txtDecH, &txtDecL,
                       &txtBin, &txtOverhead, &txtTimeout, &txtSearchInt, &txtSearchFreq})
    box->onGotFocus = [box] { box->selectAll(); };

  cbPre.onClick = [this] { cbPre_Click(); };
  cbPost.onClick = [this] { cbPost_Click(); };
  cbComment.onClick = [this] { cbComment_Click(); };
  sl1.onScroll = [this] { sl1_Scroll(); };
  slTimeout.onScroll = [this] { slTimeout_Scroll(); };
  Ts1.onClick = [this] { Ts1_Click(); };

  cmdL.onClick = [this] { cmdL_Click(); };
  cmdR.onClick = [this] { cmdR_Click(); };
  cmdSl1Max.onClick = [this] { cmdSl1Max_Click(); };
  cmdSl1Min.onClick = [this] { cmdSl1Min_Click(); };

  LabelCycle.onClick = [this] { LabelCycle_Click(); };
  LabelHz.onClick = [this] { LabelHz_Click(); };
  LabelHz2.onClick = [this] { LabelHz2_Click(); };
  lblInputOSC.onClick = [this] { lblInputOSC_Click(); };
  lblInputOSC.onChange = [this] { lblInputOSC_Change(); };
  lblClockFreq.onChange = [this] { lblClockFreq_Change(); };
  lblHz.onChange = [this] { lblHz_Change(); };
  lblInterrupt.onChange = [this] { lblInterrupt_Change(); };
  btnHertz.onClick = [this] { btnHertz_Click(); };
  btnInterrupt.onClick = [this] { btnInterrupt_Click(); };
  btnSearchHertz.onClick = [this] { btnHertz_Click(); };
  btnSearchInt.onClick = [this] { btnInterrupt_Click(); };
  cmdResetData.onClick = [this] { cmdResetData_Click(); };
  cmdExit.onClick = [this] { cmdExit_Click(); };
  cmdSearch.onClick = [this] { cmdSearch_Click(); };
}

MsgAnswer Calculator::message(const std::string& prompt, MsgIcon icon, MsgButtons buttons) {
  if (beforeMessage) beforeMessage();
  return platform_.messageBox(prompt, icon, buttons, app_.AppName);
}

// ---------------------------------------------------------------- start-up

void Calculator::Form_Load() {
  ClearSavedSettings();
  const AppVersion v = platform_.version();
  frmCalculator.caption += std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
                           std::to_string(v.revision) + " - " + app_.LegalNotice;
  for (std::size_t i = 1; i < txtTimer.size(); ++i) txtTimer[i].visible = false;
  CurTab = 1;
  Ts1.select(CurTab);
  txtTimer[static_cast<std::size_t>(CurTab - 1)].visible = true;
  ResetDefaults();
  opTmr_Click(0);
  Recalculate();
}

void Calculator::ResetDefaults() {
  setUnit(LabelHz2, clockFrequencyUnit_, FrequencyUnit::Megahertz);
  opFreq.select(kDefaultOscPreset);
  chkFosc.setValue(1);
  opTmr.select(0);
  family.select(0);
  ResetTimerInputs();
  ClearSavedSettings();
}

void Calculator::ClearSavedSettings() { app_.SavedTmr = {}; }

template <class Unit>
void Calculator::setUnit(Label& label, Unit& state, Unit unit) {
  state = unit;
  label.setCaption(text(caption(unit)));
}
template void Calculator::setUnit(Label&, TimeUnit&, TimeUnit);
template void Calculator::setUnit(Label&, FrequencyUnit&, FrequencyUnit);

const TimerSpec& Calculator::selectedSpec() const {
  return timerSpec(app_.TimerNo >= 0 && app_.TimerNo < kTimerCount ? app_.TimerNo : 0);
}

TimerSettings Calculator::settings() const {
  TimerSettings s;
  s.family = family.selected() == 1 ? Family::PIC18 : Family::PIC16;
  s.timer = selectedSpec().number;
  s.width = app_.TimerMode == 1 ? Width::Bits16 : Width::Bits8;
  s.oscHz = app_.OscFreq;
  s.fosc4 = chkFosc.value() == 1;
  s.prescale = app_.PreScale;
  s.postscale = app_.PostScale;
  s.preload = sl1.value();
  s.tmr0Adjust = chkTMR0.value() == 1;
  s.pr2Adjust = chkPR2.value() == 1;
  s.timeout = leadingValue(txtTimeout.text());
  s.overhead = leadingValue(txtOverhead.text());
  return s;
}

void Calculator::storeLimits(const SearchLimits& limits) {
  app_.MinPeriod = limits.minPeriodNs;
  app_.MinFreq = limits.minFreqHz;
  app_.MaxPeriod = limits.maxPeriodNs;
  app_.MaxPeriodPre1 = limits.maxPeriodPre1Ns;
  app_.MaxFreq = limits.maxFreqHz;
}

// ---------------------------------------------------------- recalculation

void Calculator::Recalculate() {
  const TimerSpec& table = selectedSpec();
  frPreload.caption = table.countsToMatch() ? std::string("PR2") : "TMR" + std::to_string(app_.TimerNo) + " Preload";
  txtRegVal.setText(integerText(sl1.value()));
  txtTimeout.setText(integerText(slTimeout.value()));
  ReadScalers();

  TimerResult r = evaluate(settings());
  app_.TickFreq = r.tickHz;
  app_.TickTime = r.tickUs;
  app_.ClockFreq = r.clockHz;
  if (cycleUnit_ == TimeUnit::Microseconds)
    lblCycle.setCaption(formatMask(app_.TickTime, kCycleMaskMicro));
  else
    lblCycle.setCaption(formatMask(app_.TickTime * 1000, kCycleMaskNano));
  ShowClockFreqs();
  storeLimits(r.limits);
  showLimits();

  if (!table.countsToMatch() && chkTMR0.value() == 1 && sl1.value() < timerSpec(0).writeLossCycles) {
    // Below the lost cycles the TMR0 adjustment cannot apply: it switches
    // itself off, which moves the preload back and recalculates; this run
    // goes on with the moved preload.
    chkTMR0.setValue(0);
    lblAdjust.visible = false;
    r = evaluate(settings());
  }
  showInterrupt(r);
  showPreloadViews();

  lblAdjust.visible = leadingValue(txtOverhead.text()) > 0 || slTimeout.value() > 0 || chkTMR0.value() == 1 ||
                      chkPR2.value() == 1;

  // An adjustment box that could no longer add its cycles is disabled, unless
  // it is checked (so that it can still be unchecked).
  const int p = sl1.value();
  if (table.writeLossCycles > 0 && p >= kTmr0AdjustCeiling) {
    if (chkTMR0.value() == 0) chkTMR0.enabled = false;
  } else {
    chkTMR0.enabled = true;
  }
  if (table.matchLossCycles > 0 && p >= kPr2AdjustCeiling) {
    if (chkPR2.value() == 0) chkPR2.enabled = false;
  } else {
    chkPR2.enabled = true;
  }
  TextOutput();
}

void Calculator::ReadScalers() {
  const int pre = cbPre.index();
  const auto& prescalers = selectedSpec().prescalers;
  app_.PreScale = pre >= 0 && pre < static_cast<int>(prescalers.size()) ? prescalers[static_cast<std::size_t>(pre)].ratio : 1;
  // A postscaler list without a selection keeps the ratio read before.
  if (!cbPost.enabled)
    app_.PostScale = 1;
  else if (cbPost.index() >= 0)
    app_.PostScale = cbPost.index() + 1;
}

void Calculator::ShowClockFreqs() {
  lblFreq.setCaption(formatMask(app_.TickFreq / factor(tickFrequencyUnit_), kClockMask));
  lblClockFreq.setCaption(formatMask(app_.ClockFreq / factor(clockFrequencyUnit_), kClockMask));
}

void Calculator::showLimits() {
  lblMin.setCaption(formatMask(app_.MinPeriod / app_.PeriodUnit, limitPeriodMask(periodUnit_)));
  lblMax.setCaption(formatMask(app_.MaxPeriod / app_.PeriodUnit, limitPeriodMask(periodUnit_)));
  const double f = factor(frequencyUnit_);
  lblMinFreq.setCaption(formatMask(app_.MinFreq / f, limitFrequencyMask(frequencyUnit_)));
  lblMaxFreq.setCaption(formatMask(app_.MaxFreq / f, limitFrequencyMask(frequencyUnit_)));
}

void Calculator::showInterrupt(const TimerResult& r) {
  app_.TmrCount = r.countTerm;
  // Plain numbers; the labels' Change handlers re-format them in their units.
  lblInterrupt.setCaption(plainNumber(r.periodNs / app_.PeriodUnit));
  lblHz.setCaption(plainNumber(r.frequencyHz / app_.FreqUnit));
  if (selectedSpec().countsToMatch()) {
    lblTicks2Int.setCaption("Counts to TMR2 Reset:");
    lblToInterrupt.setCaption(integerText(sl1.value()));
  } else {
    lblTicks2Int.setCaption("Cycles to interrupt:");
    lblToInterrupt.setCaption(plainNumber(r.registerCount));
  }
}

void Calculator::showPreloadViews() {
  const int p = sl1.value();
  const std::string bin = DecToBin(p);
  const std::string high = bin.size() > 8 ? bin.substr(0, bin.size() - 8) : std::string();
  const std::string low = bin.size() > 8 ? bin.substr(bin.size() - 8) : std::string(8 - bin.size(), '0') + bin;
  txtBin.setText("%" + high + " " + low);
  if (p < 256) {
    txtHexL.setText(hexText(p));
    txtHexH.setText("0");
    txtDecL.setText(integerText(p));
    txtDecH.setText("0");
  } else {
    const std::string h = hexText(p);
    txtHexL.setText(h.substr(h.size() - 2));
    txtHexH.setText(h.size() == 3 ? h.substr(0, 1) : h.substr(0, 2));
    txtDecL.setText(integerText(std::stoi(txtHexL.text(), nullptr, 16)));
    txtDecH.setText(integerText(std::stoi(txtHexH.text(), nullptr, 16)));
  }
}

// ------------------------------------------------------------------ listings

ListingInput Calculator::listingInput() const {
  ListingInput in;
  in.preText = cbPre.text();
  in.postText = cbPost.text();
  in.postIndex = cbPost.index();
  in.regValText = txtRegVal.text();
  in.hzCaption = lblHz.caption();
  in.hertzUnit = btnHertz.caption;
  in.periodCaption = lblInterrupt.caption();
  in.periodUnit = btnInterrupt.caption;
  in.timeoutText = txtTimeout.text();
  in.overheadText = txtOverhead.text();
  in.preBits = txtPreBits.text();
  in.postBits = txtPostBits.text();
  in.preload = sl1.value();
  in.hexH = txtHexH.text();
  in.hexL = txtHexL.text();
  in.tmr0Adjust = chkTMR0.value() == 1;
  in.pr2Adjust = chkPR2.value() == 1;
  in.preOff = app_.PreOff ? 1 : 0;
  in.timerMode = app_.TimerMode;
  return in;
}

void Calculator::TextOutput() {
  const ListingSyntax syntax{app_.CmtMark, app_.AssignOp, app_.BinPrefix, app_.HexPrefix, app_.StmtEnd,
                             listingLanguage_};
  for (const Family f : {Family::PIC16, Family::PIC18}) {
    if (!family[f == Family::PIC16 ? 0 : 1].value) continue;
    const auto texts = buildListings(f, listingInput(), syntax);
    for (std::size_t i = 0; i < texts.size(); ++i) txtTimer[i].setText(texts[i]);
  }
}

void Calculator::SetListingSyntax() {
  const ListingSyntax last{app_.CmtMark, app_.AssignOp, app_.BinPrefix, app_.HexPrefix, app_.StmtEnd,
                           listingLanguage_};
  const ListingSyntax s = syntaxForLanguage(cbComment.index(), last);
  listingLanguage_ = s.language;
  app_.CmtMark = s.CmtMark;
  app_.AssignOp = s.AssignOp;
  app_.BinPrefix = s.BinPrefix;
  app_.HexPrefix = s.HexPrefix;
  app_.StmtEnd = s.StmtEnd;
}

void Calculator::cbComment_Click() {
  SetListingSyntax();
  Recalculate();
}

void Calculator::opPIC16_Click() {
  family[0].bold = true;
  family[1].bold = false;
  if (cbPre.index() >= 1) lblWDT.visible = true;
  // A 16-bit Timer0 exists on PIC18 only, so PIC16 means 8-Bit; Timer1 and
  // Timer3 have no 8-bit mode (their 8-Bit option is disabled) and keep 16-Bit.
  if (opMode[0].enabled) opMode.select(0);
  TextOutput();
}

void Calculator::opPIC18_Click() {
  family[0].bold = false;
  family[1].bold = true;
  lblWDT.visible = false;
  TextOutput();
}

void Calculator::Ts1_Click() {
  txtTimer[static_cast<std::size_t>(CurTab - 1)].visible = false;
  CurTab = Ts1.index();
  txtTimer[static_cast<std::size_t>(CurTab - 1)].visible = true;
  opTmr.select(CurTab - 1);
}

}  // namespace tickwell
