// Unit switches of the results, the re-formatting of the result labels and the
// two window commands.
#include "app/number_text.h"
#include "app/result_texts.h"
#include "app/units.h"
#include "calculator/calculator.h"

namespace tickwell {

namespace {

// A shown value converted to the next unit of its ring: each step up divides
// it by 1000; the step from the largest unit back to the smallest multiplies it
// by the largest unit's factor.
template <class Unit>
double toNextUnit(double shown, Unit from, Unit to) {
  return factor(to) < factor(from) ? shown * (factor(from) / factor(to)) : shown / 1000;
}

}  // namespace

void Calculator::LabelCycle_Click() {
  if (cycleUnit_ == TimeUnit::Microseconds) {
    lblCycle.setCaption(formatMask(app_.TickTime * 1000, kCycleMaskNanoClicked));
    setUnit(LabelCycle, cycleUnit_, TimeUnit::Nanoseconds);
  } else {
    lblCycle.setCaption(formatMask(app_.TickTime, kCycleMaskMicro));
    setUnit(LabelCycle, cycleUnit_, TimeUnit::Microseconds);
  }
}

void Calculator::LabelHz_Click() {
  setUnit(LabelHz, tickFrequencyUnit_, next(tickFrequencyUnit_));
  ShowClockFreqs();
}

void Calculator::LabelHz2_Click() {
  setUnit(LabelHz2, clockFrequencyUnit_, next(clockFrequencyUnit_));
  ShowClockFreqs();
}

void Calculator::lblInputOSC_Click() { setUnit(lblInputOSC, inputUnit_, next(inputUnit_)); }

void Calculator::lblInputOSC_Change() {
  setUnit(LabelHz2, clockFrequencyUnit_, inputUnit_);
  ShowClockFreqs();
}

void Calculator::lblClockFreq_Change() {
  // A clock that shows as 0 in its unit is shown in Hz instead.
  if (readShown(lblClockFreq.caption()) == 0 || app_.OscFreq < 1)
    setUnit(LabelHz2, clockFrequencyUnit_, FrequencyUnit::Hertz);
  ShowClockFreqs();
}

void Calculator::lblHz_Change() {
  lblHz.setCaption(formatMask(readShown(lblHz.caption()), kInterruptFrequencyMask));
}

void Calculator::lblInterrupt_Change() {
  lblInterrupt.setCaption(formatMask(readShown(lblInterrupt.caption()), interruptPeriodMask(periodUnit_)));
}

void Calculator::btnHertz_Click() {
  // The result and the search entry share their unit and step together.
  const FrequencyUnit from = frequencyUnit_;
  frequencyUnit_ = NextFreqUnit(app_, frequencyUnit_);
  btnHertz.caption = btnSearchHertz.caption = std::string(caption(frequencyUnit_));
  lblMinTxtFreq.setCaption(btnHertz.caption);
  lblMaxTxtFreq.setCaption(btnHertz.caption);
  const double shown = readShown(lblHz.caption());
  const double wanted = readShown(txtSearchFreq.text());
  lblHz.setCaption(plainNumber(toNextUnit(shown, from, frequencyUnit_)));
  txtSearchFreq.setText(plainNumber(toNextUnit(wanted, from, frequencyUnit_)));
  Recalculate();
}

void Calculator::btnInterrupt_Click() {
  const TimeUnit from = periodUnit_;
  periodUnit_ = NextPeriodUnit(app_, periodUnit_);
  btnInterrupt.caption = btnSearchInt.caption = std::string(caption(periodUnit_));
  lblMinTxt.setCaption(btnInterrupt.caption);
  lblMaxTxt.setCaption(btnInterrupt.caption);
  const double shown = readShown(lblInterrupt.caption());
  const double wanted = readShown(txtSearchInt.text());
  lblInterrupt.setCaption(plainNumber(toNextUnit(shown, from, periodUnit_)));
  txtSearchInt.setText(plainNumber(toNextUnit(wanted, from, periodUnit_)));
  Recalculate();
}

void Calculator::cmdResetData_Click() {
  if (message("Please confirm to reset all values.   ", MsgIcon::Question, MsgButtons::OkCancel) != MsgAnswer::Ok)
    return;
  ResetDefaults();
  Recalculate();
}

void Calculator::cmdExit_Click() {
  if (message("Please confirm to exit this programm!   ", MsgIcon::Question, MsgButtons::OkCancel) != MsgAnswer::Ok)
    return;
  if (onExit) onExit();
}

}  // namespace tickwell
