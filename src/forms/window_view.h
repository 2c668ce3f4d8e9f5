// The calculator window as render(state) shows it: every control by its name
// on the window, and the fields of the application record that the scenario
// driver prints.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "forms/view.h"
#include "timer/device.h"

namespace tickwell {

// The application record's values for the state shown. Periods in ns,
// TickTime in µs, frequencies in Hz.
struct RecordView {
  double OscFreq = 0;
  double PreScale = 0;
  double PostScale = 1;
  bool PreOff = false;
  double TickFreq = 0;
  double TickTime = 0;
  double ClockFreq = 0;
  double MinPeriod = 0;
  double MaxPeriod = 0;
  double MaxPeriodPre1 = 0;
  double MinFreq = 0;
  double MaxFreq = 0;
  int TimerNo = 0;
  int TimerNoInt = 0;
  int TimerMode = 0;
  double PeriodUnit = 1;
  double FreqUnit = 1;
  std::string_view CmtMark;
  std::string_view AssignOp;
  std::string_view BinPrefix;
  std::string_view HexPrefix;
  std::string_view StmtEnd;

  bool operator==(const RecordView&) const = default;
};

// One timer of the chosen chip, for the timer list and the listing tabs:
// disabled, with the reason as its tooltip, where the program does not
// support its kind yet.
struct ChipTimerView : ControlView {
  int number = 0;
  std::string caption;  // "Timer4"
  bool selected = false;
  bool operator==(const ChipTimerView&) const = default;
};

// The device chooser and what a chip changes: its timers in place of the
// generic Timer0..Timer3, and the listing of the selected one. They stand
// apart from the named controls, which stay the generic window's.
struct DeviceView {
  ComboBoxView chooser;                // deviceChoices(); the chosen entry
  std::vector<ChipTimerView> timers;   // the chip's; empty for a generic family
  TextBoxView listing;                 // the selected chip timer's; hidden for a generic family
  bool operator==(const DeviceView&) const = default;
};

struct WindowView {
  WindowCaptionView frmCalculator;
  PanelView p1;  // the cover panel, which the Qt view shows over the window

  std::array<OptionView, 6> opTmr;  // Timer0..Timer5 (Timer4 and Timer5 never offered)
  std::array<OptionView, 2> opMode;
  std::array<OptionView, 16> opFreq;
  std::array<OptionView, 2> family;  // opPIC16, opPIC18

  CheckBoxView chkFosc, chkTMR0, chkPR2, chkUseScaler;

  TextBoxView txtFreq, txtPreBits, txtPostBits, txtRegVal, txtTimeout, txtOverhead;
  TextBoxView txtHexH, txtHexL, txtDecH, txtDecL, txtBin;
  TextBoxView txtSearchInt, txtSearchFreq;
  std::array<TextBoxView, 4> txtTimer;

  LabelView lblCycle, lblFreq, lblClockFreq, lblInterrupt, lblHz, lblTicks2Int, lblToInterrupt, lblAdjust;
  LabelView lblMin, lblMax, lblMinFreq, lblMaxFreq;
  LabelView lblMin1, lblMax1, lblMin2, lblMax2, lblMinTxt, lblMaxTxt, lblMinTxtFreq, lblMaxTxtFreq;
  LabelView LabelCycle, LabelHz, LabelHz2, lblInputOSC;
  LabelView lblNoteTMR0, lblNotePR2, lblWDT, lblOff1, lblOff2, lblOr, lblISRMax;
  LabelView lblSearchError;
  LabelView lblChip;  // the interval the chip produces, beside the window's period
  LabelView lblCycleTxt, lblFreqTxt, lblClockFreqTxt, lblHexTxt, lblDecTxt, lblBinTxt, lblTmrH, lblTmrL;

  ButtonView btnInterrupt, btnHertz, btnSearchInt, btnSearchHertz, cmdSearch, cmdSolutions;
  ButtonView cmdResetData, cmdExit, cmdSl1Max, cmdSl1Min, cmdL, cmdR;
  ButtonView cmdBasic, cmdPascal, cmdC, cmdPicbasic, cmdAssembler, cmdXC8, cmdCrystalModes, cmdInfo;

  ComboBoxView cbPre, cbPost, cbComment;
  SliderView sl1, slTimeout;
  TabStripView Ts1;

  FrameView frPreload, frSearch, FrMinMax, FrLanguage, frCode;
  FrameView frFamily, frTimers, frMode, frOsc, frPrescaler, frPostscaler, frTimeout, frOverhead;
  FrameView frResult, frInterrupt, frHertz, frTmrPreload, frValues;

  DeviceView device;
  RecordView record;

  bool operator==(const WindowView&) const = default;
};

// One control of the view, by kind.
using ControlRef = std::variant<TextBoxView*, LabelView*, ButtonView*, FrameView*, CheckBoxView*, OptionView*,
                                ComboBoxView*, SliderView*, TabStripView*, WindowCaptionView*, PanelView*>;

struct NamedControl {
  std::string name;  // as on the window, arrays with their index: "opTmr(2)"
  ControlRef control;
};

// What never changes in the calculator window's view: the captions and
// tooltips of its table, its lists, the oscillator entry's length; the rest
// is for render() to fill in.
WindowView fixedView();
// The prescaler entries of a timer's list ("1:1" ...).
const std::vector<std::string>& prescalerList(const TimerSpec& facts);

// The device chooser's entries: the two generic families, then every chip the
// program can work with, in name order.
const std::vector<std::string>& deviceChoices();
// The entry of a chip (or of a generic family, for none).
int deviceChoice(const Device* device, Family family);

// Every control of a view, in a fixed order (the window caption and the cover
// panel first).
std::vector<NamedControl> namedControls(WindowView& view);

}  // namespace tickwell
