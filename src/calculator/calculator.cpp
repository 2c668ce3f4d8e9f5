// The calculator window: its controls, start-up, defaults and the one
// recalculation that turns the inputs into every result.
#include "calculator/calculator.h"

#include <cmath>
#include <optional>
#include <type_traits>

#include "app/number_text.h"
#include "app/units.h"

namespace tickwell {

namespace {

const char* const kUnitTooltip = "Click here for change measure unit";

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
  for (const char* c : {"Timer0", "Timer1", "Timer2", "Timer3", "Timer4", "Timer5"}) opTmr.options.push_back({{}, c});
  // Timer4 and Timer5 exist on the window but are never offered.
  for (int i = 4; i <= 5; ++i) {
    opTmr[i].enabled = false;
    opTmr[i].visible = false;
  }
  for (const char* c : {"8-Bit", "16-Bit"}) opMode.options.push_back({{}, c});
  for (const char* c : {"100 kHz", "250 kHz", "500 kHz", "1 MHz", "2 MHz", "4 MHz", "8 MHz", "10 MHz", "12 MHz",
                        "16 MHz", "20 MHz", "24 MHz", "32 MHz", "40 MHz", "48 MHz", "Other"})
    opFreq.options.push_back({{}, c});
  for (const char* c : {"PIC16 Series", "PIC18 Series"}) family.options.push_back({{}, c});

  chkFosc.caption = "Fosc/4:";
  chkFosc.tooltip = "disable/enable Fosc/4";
  chkTMR0.caption = "TMR0 Adjust";
  chkPR2.caption = "PR2 Adjust";
  chkUseScaler.caption = "USE ACTUAL SCALER VALUES FOR SEARCH";

  txtFreq.setText("4");
  txtFreq.maxLength = 8;
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

  setupLabel(LabelCycle, "ns");
  setupLabel(LabelHz, "Hz");
  setupLabel(LabelHz2, "MHz");
  setupLabel(lblInputOSC, "MHz");
  for (Label* l : {&LabelCycle, &LabelHz, &LabelHz2}) l->tooltip = kUnitTooltip;
  btnInterrupt.caption = "ns";
  btnHertz.caption = "Hz";
  btnSearchInt.caption = "ns";
  btnSearchHertz.caption = "Hz";
  for (Button* b : {&btnInterrupt, &btnHertz, &btnSearchInt, &btnSearchHertz}) b->tooltip = kUnitTooltip;

  setupLabel(lblTicks2Int, "Cycles to interrupt:");
  setupLabel(lblAdjust, "VALUE ADJUSTED", false);
  setupLabel(lblMin1, "min.");
  setupLabel(lblMax1, "max.");
  setupLabel(lblMin2, "min.");
  setupLabel(lblMax2, "max.");
  setupLabel(lblMinTxt, "ns");
  setupLabel(lblMaxTxt, "ns");
  setupLabel(lblMinTxtFreq, "Hz");
  setupLabel(lblMaxTxtFreq, "Hz");
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
  setupLabel(lblISRMax, "max.32767");
  setupLabel(lblCycleTxt, "Instruction Cycle");
  setupLabel(lblFreqTxt, "Clock Frequency For TIMER");
  setupLabel(lblClockFreqTxt, "Clock Frequency");
  setupLabel(lblHexTxt, "HEX:");
  setupLabel(lblDecTxt, "DEC:");
  setupLabel(lblBinTxt, "BIN:");
  setupLabel(lblTmrH, "TMRH");
  setupLabel(lblTmrL, "TMRL");

  cmdSearch.caption = "SEARCH";
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

  sl1.setMax(255);
  sl1.tick = 10;
  slTimeout.setMax(15);

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
      {"lblTmrL", &lblTmrL},
  };
  for (const auto& [name, label] : labels) add(name, label);

  const std::pair<const char*, Button*> buttons[] = {
      {"btnInterrupt", &btnInterrupt}, {"btnHertz", &btnHertz},       {"btnSearchInt", &btnSearchInt},
      {"btnSearchHertz", &btnSearchHertz}, {"cmdSearch", &cmdSearch}, {"cmdResetData", &cmdResetData},
      {"cmdExit", &cmdExit},           {"cmdSl1Max", &cmdSl1Max},     {"cmdSl1Min", &cmdSl1Min},
      {"cmdL", &cmdL},                 {"cmdR", &cmdR},               {"cmdBasic", &cmdBasic},
      {"cmdPascal", &cmdPascal},       {"cmdC", &cmdC},               {"cmdPicbasic", &cmdPicbasic},
      {"cmdAssembler", &cmdAssembler}, {"cmdXC8", &cmdXC8},         {"cmdCrystalModes", &cmdCrystalModes},
      {"cmdInfo", &cmdInfo},
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
  LabelHz2.setCaption("MHz");
  opFreq.select(5);
  chkFosc.setValue(1);
  opTmr.select(0);
  family.select(0);
  ResetTimerInputs();
  ClearSavedSettings();
}

void Calculator::ClearSavedSettings() {
  for (auto& v : app_.SavedTmr0) v = 0;
  for (auto& v : app_.SavedTmr2) v = 0;
  for (auto& v : app_.SavedTmr1) v = 0;
  // Elements 5 and 6 of the Timer3 record are never used.
  for (std::size_t i = 0; i < 4; ++i) app_.SavedTmr3[i] = 0;
}

// ---------------------------------------------------------- recalculation

void Calculator::Recalculate() {
  const bool timer2 = opTmr[2].value;
  frPreload.caption = timer2 ? std::string("PR2") : "TMR" + std::to_string(app_.TimerNo) + " Preload";
  txtRegVal.setText(integerText(sl1.value()));
  txtTimeout.setText(integerText(slTimeout.value()));
  ReadScalers();

  const double d = chkFosc.value() == 1 ? 4 : 1;
  app_.TickFreq = app_.OscFreq / d / app_.PreScale / app_.PostScale;
  app_.TickTime = 1000000 * (1 / app_.TickFreq);
  app_.ClockFreq = app_.OscFreq / app_.PreScale / app_.PostScale;

  if (LabelCycle.caption() == kMicroSeconds)
    lblCycle.setCaption(formatMask(app_.TickTime, "##,##0.00"));
  else if (LabelCycle.caption() == "ns")
    lblCycle.setCaption(formatMask(app_.TickTime * 1000, "##,##0"));
  ShowClockFreqs();

  CalcMinLimits();
  CalcMaxLimits();
  showLimits();
  showInterrupt();
  showPreloadViews();

  lblAdjust.visible = leadingValue(txtOverhead.text()) > 0 || slTimeout.value() > 0 || chkTMR0.value() == 1 ||
                      chkPR2.value() == 1;

  const int p = sl1.value();
  if (app_.TimerNo == 0 && p > 253) {
    if (chkTMR0.value() == 0) chkTMR0.enabled = false;
  } else {
    chkTMR0.enabled = true;
  }
  if (app_.TimerNo == 2 && p > 254) {
    if (chkPR2.value() == 0) chkPR2.enabled = false;
  } else {
    chkPR2.enabled = true;
  }
  TextOutput();
}

void Calculator::ReadScalers() {
  // "1:8" -> 8, "1:16" -> 16, "1:256" -> 256; other lengths give no ratio.
  auto ratio = [](const std::string& entry) -> std::optional<double> {
    if (entry.size() < 3 || entry.size() > 5) return std::nullopt;
    return leadingValue(entry.substr(2));
  };
  app_.PreScale = ratio(cbPre.text()).value_or(1);
  if (cbPost.enabled) {
    if (auto r = ratio(cbPost.text())) {
      app_.PostScale = *r;
      app_.PostScaleSet = true;
    }
  } else {
    app_.PostScale = 1;
    app_.PostScaleSet = true;
  }
  if (!app_.PostScaleSet) {
    app_.PostScale = 1;
    app_.PostScaleSet = true;
  }
}

void Calculator::ShowClockFreqs() {
  if (const double f = freqFactor(LabelHz.caption()); f > 0) lblFreq.setCaption(formatMask(app_.TickFreq / f, "##,##0"));
  if (const double f = freqFactor(LabelHz2.caption()); f > 0)
    lblClockFreq.setCaption(formatMask(app_.ClockFreq / f, "##,##0"));
}

void Calculator::showInterrupt() {
  const double t = leadingValue(txtTimeout.text());
  const double o = leadingValue(txtOverhead.text());
  const int p = sl1.value();
  double c = 0;
  if (opTmr[2].value) {
    app_.TmrCount = p == 0 ? 1 : p;
    if (chkPR2.value() == 1) app_.TmrCount = app_.TmrCount + 1;
    c = app_.TmrCount + t + o;
  } else {
    const double n = std::pow(256.0, app_.TimerMode + 1);
    if (chkTMR0.value() == 0) {
      c = n - p + t + o;
    } else {
      if (p >= 2) {
        app_.TmrCount = p - 2;
      } else {
        // The adjustment cannot apply below 2: it switches itself off, which
        // moves the preload; the rest of this run uses the moved preload.
        chkTMR0.setValue(0);
        lblAdjust.visible = false;
        app_.TmrCount = sl1.value();
      }
      c = n - app_.TmrCount + t + o;
    }
  }
  lblInterrupt.setCaption(plainNumber(c * app_.TickTime * 1000 / app_.PeriodUnit));
  lblHz.setCaption(plainNumber(app_.TickFreq / c / app_.FreqUnit));
  if (opTmr[2].value) {
    lblTicks2Int.setCaption("Counts to TMR2 Reset:");
    lblToInterrupt.setCaption(integerText(p));
  } else {
    lblTicks2Int.setCaption("Cycles to interrupt:");
    lblToInterrupt.setCaption(plainNumber(std::pow(256.0, app_.TimerMode + 1) - sl1.value()));
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
  in.preOff = static_cast<int>(app_.PreOff);
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
