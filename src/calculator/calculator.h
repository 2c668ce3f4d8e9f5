// The calculator window's logic: its controls (named as on the window), their
// handlers, the recalculation, the timer selection, the unit switches, the
// window commands and the search. It reads its controls into TimerSettings,
// lets the timer model compute and formats what it gets back. It talks to the
// desktop only through Platform and keeps its derived values in the
// application record.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "app/app_record.h"
#include "forms/controls.h"
#include "forms/platform.h"
#include "listing/listing.h"
#include "search/solver.h"
#include "timer/timer_model.h"
#include "timer/units.h"

namespace tickwell {

class Calculator;

// One member of an option group, as a control of its own.
struct OptionRef {
  OptionGroup* group;
  int index;
};
// The cover panel and the window itself only have a visibility or a caption.
struct Panel {
  bool visible = false;
};
struct WindowCaption {
  std::string caption;
};

using ControlPtr = std::variant<TextBox*, Label*, Button*, Frame*, CheckBox*, OptionRef, ComboBox*, Slider*,
                                TabStrip*, Panel*, WindowCaption*>;

struct NamedControl {
  std::string name;  // as on the window, arrays with their index: "opTmr(2)"
  ControlPtr control;
};

class Calculator {
public:
  Calculator(AppRecord& app, Platform& platform);
  Calculator(const Calculator&) = delete;
  Calculator& operator=(const Calculator&) = delete;

  // Every control of the window by name, in a fixed order.
  const std::vector<NamedControl>& controls() const { return controls_; }
  // The name of a control of this window ("cbPre", "opTmr(2)"); "" for a
  // control that is not one of its own.
  const std::string& nameOf(const ControlPtr& control) const;
  // Called right before a message box appears, so that the view can show the
  // values the message speaks of.
  std::function<void()> beforeMessage;
  // Called when a confirmed Exit closes the window.
  std::function<void()> onExit;
  // Nesting depth of the handlers (for the reliability checks).
  HandlerDepth depth;

  // --- window start-up and defaults
  void Form_Load();
  void ResetDefaults();
  void ClearSavedSettings();

  // --- recalculation
  void Recalculate();
  void ReadScalers();
  void ShowClockFreqs();
  void TextOutput();
  void SetListingSyntax();

  // --- timer selection
  void opTmr_Click(int index);
  void opMode_Click(int index);
  void FillPrescalerList(int timer);
  void SaveTimerSettings(int timer);
  void ResetTimerInputs();

  // --- inputs
  void opFreq_Click(int index);
  void txtFreq_KeyPress();
  void txtFreq_Change();
  void chkFosc_Click();
  void cbPre_Click();
  void cbPost_Click();
  void txtRegVal_Change();
  void sl1_Scroll();
  void cmdL_Click();
  void cmdR_Click();
  void cmdSl1Max_Click();
  void cmdSl1Min_Click();
  void chkTMR0_Click();
  void chkPR2_Click();
  void txtTimeout_Change();
  void slTimeout_Scroll();
  void txtOverhead_Change();

  // --- family, language, listing tabs
  void opPIC16_Click();
  void opPIC18_Click();
  void cbComment_Click();
  void Ts1_Click();

  // --- units and window commands
  void LabelCycle_Click();
  void LabelHz_Click();
  void LabelHz2_Click();
  void lblInputOSC_Click();
  void lblInputOSC_Change();
  void lblClockFreq_Change();
  void lblHz_Change();
  void lblInterrupt_Change();
  void btnHertz_Click();
  void btnInterrupt_Click();
  void cmdResetData_Click();
  void cmdExit_Click();

  // --- search
  void txtSearchInt_Change();
  void txtSearchFreq_Change();
  void cmdSearch_Click();
  void SearchPeriod();
  void SearchFrequency();

  // --- all solutions
  // What the solutions dialog solves: the wanted value of the search entries
  // (the period when both hold one) for the window's family, oscillator,
  // Fosc/4, ISR timeout and overhead, with the TMR0 and PR2 adjustment of
  // Timer0 and Timer2 (the check box of the selected timer, the kept one of
  // the other). Nothing while no entry holds a positive value.
  std::optional<SolveRequest> solveRequest() const;
  // Puts a configuration into the window through its controls, whose
  // handlers then run as for the user's own choices: oscillator (when it
  // differs), Fosc/4, timer, width, family, prescaler, postscaler, ISR
  // timeout and overhead, the adjustment box, and last the preload, so that
  // settings() then equals `s`. `s` must be one the window can hold: a width
  // and family the timer counts in, a ratio of its lists, a whole timeout
  // 0..15, an overhead 0..32767, a preload within the width, TMR0 Adjust only
  // on Timer0 with a preload of 2 or more, PR2 Adjust only on Timer2, and an
  // oscillator the entry can take (oscEntryText).
  void applySettings(const TimerSettings& s);
  void applySolution(const Solution& solution) { applySettings(solution.settings); }
  // Selects the oscillator preset whose text this is, else "Other" with the
  // text entered.
  void enterOscillator(const std::string& text);

  // The values the listings read, as the controls show them.
  ListingInput listingInput() const;
  // The configuration the controls hold, as the last recalculation read it.
  TimerSettings settings() const;
  // The display units of the results and the search.
  TimeUnit periodUnit() const { return periodUnit_; }
  FrequencyUnit frequencyUnit() const { return frequencyUnit_; }

  // --- the window's controls
  WindowCaption frmCalculator;
  Panel p1;

  OptionGroup opTmr;    // Timer0..Timer5 (Timer4 and Timer5 never offered)
  OptionGroup opMode;   // 8-Bit, 16-Bit
  OptionGroup opFreq;   // sixteen oscillator presets, the last "Other"
  OptionGroup family;   // opPIC16, opPIC18

  CheckBox chkFosc, chkTMR0, chkPR2, chkUseScaler;

  TextBox txtFreq, txtPreBits, txtPostBits, txtRegVal, txtTimeout, txtOverhead;
  TextBox txtHexH, txtHexL, txtDecH, txtDecL, txtBin;
  TextBox txtSearchInt, txtSearchFreq;
  std::array<TextBox, 4> txtTimer;

  Label lblCycle, lblFreq, lblClockFreq, lblInterrupt, lblHz, lblTicks2Int, lblToInterrupt, lblAdjust;
  Label lblMin, lblMax, lblMinFreq, lblMaxFreq;
  Label lblMin1, lblMax1, lblMin2, lblMax2, lblMinTxt, lblMaxTxt, lblMinTxtFreq, lblMaxTxtFreq;
  Label LabelCycle, LabelHz, LabelHz2, lblInputOSC;
  Label lblNoteTMR0, lblNotePR2, lblWDT, lblOff1, lblOff2, lblOr, lblISRMax;
  // Beside the search entries: what the last search achieved, in the search
  // unit, and its error in ppm. Blank until a search has applied its result,
  // after a search that was refused, and once the wanted value is edited.
  Label lblSearchError;
  Label lblCycleTxt, lblFreqTxt, lblClockFreqTxt, lblHexTxt, lblDecTxt, lblBinTxt, lblTmrH, lblTmrL;

  Button btnInterrupt, btnHertz, btnSearchInt, btnSearchHertz, cmdSearch;
  // Opens the solutions dialog (in the view; the model has no handler).
  Button cmdSolutions;
  Button cmdResetData, cmdExit, cmdSl1Max, cmdSl1Min, cmdL, cmdR;
  Button cmdBasic, cmdPascal, cmdC, cmdPicbasic, cmdAssembler, cmdXC8, cmdCrystalModes, cmdInfo;

  ComboBox cbPre, cbPost, cbComment;
  Slider sl1, slTimeout;
  TabStrip Ts1;
  int CurTab = 1;

  Frame frPreload, frSearch, FrMinMax, FrLanguage, frCode;
  Frame frFamily, frTimers, frMode, frOsc, frPrescaler, frPostscaler, frTimeout, frOverhead;
  Frame frResult, frInterrupt, frHertz, frTmrPreload, frValues;

private:
  void buildControls();
  void registerControls();
  void wireHandlers();
  // The table of the selected timer. Before the window's load has selected a
  // timer, it calculates as Timer0.
  const TimerSpec& selectedSpec() const;
  void storeLimits(const SearchLimits& limits);
  // Interrupt count, period and frequency.
  void showInterrupt(const TimerResult& r);
  // The preload in binary, hexadecimal and decimal.
  void showPreloadViews();
  void showLimits();
  void restoreTimerSettings(int timer);
  // The search label after a search that applied its result.
  void showSearchError(double achieved, double wanted, const std::string& shown, std::string_view unit);
  // The timeout text taken over by the slider even when the text is unchanged.
  void restoreTimeoutText(const std::string& text);
  // A unit caption set from its unit (which runs the caption's Change handler).
  template <class Unit>
  void setUnit(Label& label, Unit& state, Unit unit);
  MsgAnswer message(const std::string& prompt, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok);

  AppRecord& app_;
  Platform& platform_;
  std::vector<NamedControl> controls_;

  // Units of the captions: the tick (ns or µs), the timer clock, the clock,
  // the typed oscillator frequency; the interrupt period and frequency, which
  // the search entries share.
  TimeUnit cycleUnit_ = TimeUnit::Nanoseconds;
  FrequencyUnit tickFrequencyUnit_ = FrequencyUnit::Hertz;
  FrequencyUnit clockFrequencyUnit_ = FrequencyUnit::Megahertz;
  FrequencyUnit inputUnit_ = FrequencyUnit::Megahertz;
  TimeUnit periodUnit_ = TimeUnit::Nanoseconds;
  FrequencyUnit frequencyUnit_ = FrequencyUnit::Hertz;
  // The language picked last, beside the five syntax strings of the record.
  ListingLanguage listingLanguage_ = ListingLanguage::MikroBasic;
};

}  // namespace tickwell
