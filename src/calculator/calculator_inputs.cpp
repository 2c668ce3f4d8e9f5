// Handlers of the clock, scaler, preload, adjustment, timeout and overhead
// inputs. Each corrects its input in place and ends in Recalculate.
#include <algorithm>
#include <array>
#include <cmath>

#include "app/number_text.h"
#include "app/units.h"
#include "calculator/calculator.h"
#include "calculator/constants.h"
#include "calculator/oscillator_entry.h"

namespace tickwell {

namespace {

const std::array<const char*, 15> kFreqPresets = {"100", "250", "500", "1",  "2",  "4",  "8", "10",
                                                  "12",  "16",  "20",  "24", "32", "40", "48"};

}  // namespace

void Calculator::opFreq_Click(int index) {
  for (auto& option : opFreq.options) option.bold = false;
  if (index >= 0 && index < static_cast<int>(kFreqPresets.size()))
    txtFreq.setText(kFreqPresets[static_cast<std::size_t>(index)]);
  opFreq[index].bold = true;
  txtFreq_Change();
}

void Calculator::txtFreq_KeyPress() { opFreq.select(kOtherOscPreset); }

void Calculator::enterOscillator(const std::string& text) {
  for (std::size_t i = 0; i < kFreqPresets.size(); ++i) {
    if (text == kFreqPresets[i]) {
      if (opFreq.selected() == static_cast<int>(i))
        txtFreq.setText(text);
      else
        opFreq.select(static_cast<int>(i));
      return;
    }
  }
  opFreq.select(kOtherOscPreset);
  txtFreq.setText(text);
}

void Calculator::txtFreq_Change() {
  // Not a number, empty, zero, negative or out of range: back to 4 MHz. The
  // replacement runs this handler nested; this run then goes on with "4".
  if (!oscFromText(txtFreq.text())) txtFreq.setText(kDefaultOscText);
  const OscInput in = oscFromText(txtFreq.text()).value_or(oscFromValue(4));
  setUnit(lblInputOSC, inputUnit_, in.unit);
  app_.OscFreq = in.oscFreq;
  Recalculate();
}

void Calculator::chkFosc_Click() { Recalculate(); }

void Calculator::cbPre_Click() {
  const int i = cbPre.index();
  // At 1:1 the prescaler is off (on PIC16 it then serves the watchdog).
  const bool off = i == 0;
  lblOff1.visible = off;
  app_.PreOff = off;
  lblWDT.visible = !off && family[0].value;
  cbPre.backColor = txtPreBits.backColor = off ? BackColor::Window : BackColor::Yellow;
  const auto& prescalers = selectedSpec().prescalers;
  if (i >= 0 && i < static_cast<int>(prescalers.size()))
    txtPreBits.setText(std::string(prescalers[static_cast<std::size_t>(i)].bits));
  Recalculate();
}

void Calculator::cbPost_Click() {
  const int i = cbPost.index();
  const bool off = i == 0;
  lblOff2.visible = off;
  cbPost.backColor = txtPostBits.backColor = off ? BackColor::Window : BackColor::Yellow;
  if (i >= 0 && i < kPostscalerCount) txtPostBits.setText(std::string(postscalerBits(i)));
  Recalculate();
}

void Calculator::txtRegVal_Change() {
  if (!isNumeric(txtRegVal.text())) txtRegVal.setText("0");
  const double v = parseNumber(txtRegVal.text()).value_or(0);
  const int max = maxPreload(app_.TimerMode == 1 ? Width::Bits16 : Width::Bits8);
  if (v > max) txtRegVal.setText(integerText(max));
  sl1.setValue(wholeValue(parseNumber(txtRegVal.text()).value_or(0)));
  sl1.selStart = sl1.value();
  Recalculate();
}

void Calculator::sl1_Scroll() {
  sl1.selStart = sl1.value();
  Recalculate();
}

void Calculator::cmdL_Click() {
  if (sl1.value() >= 1) sl1.setValue(sl1.value() - 1);
  sl1.selStart = sl1.value();
  Recalculate();
}

void Calculator::cmdR_Click() {
  if (sl1.value() < sl1.max()) sl1.setValue(sl1.value() + 1);
  sl1.selStart = sl1.value();
  Recalculate();
}

void Calculator::cmdSl1Max_Click() {
  sl1.setValue(sl1.max());
  Recalculate();
}

void Calculator::cmdSl1Min_Click() {
  sl1.setValue(0);
  Recalculate();
}

void Calculator::chkTMR0_Click() {
  // The step: the two lost cycles times 2^k for prescaler entry k (1:2^k in
  // Timer0's list).
  app_.TmrCount = timerSpec(0).writeLossCycles * std::pow(2.0, cbPre.index());
  const long long step = static_cast<long long>(app_.TmrCount);
  if (chkTMR0.value() == 0)
    sl1.setValue(sl1.value() - step);
  else if (sl1.value() < kTmr0AdjustCeiling)
    sl1.setValue(sl1.value() + step);
  Recalculate();
}

void Calculator::chkPR2_Click() {
  const int step = timerSpec(2).matchLossCycles;
  if (chkPR2.value() == 0)
    sl1.setValue(sl1.value() - step);
  else if (sl1.value() < kPr2AdjustCeiling)
    sl1.setValue(sl1.value() + step);
  Recalculate();
}

void Calculator::txtTimeout_Change() {
  if (!isNumeric(txtTimeout.text())) txtTimeout.setText("0");
  // Cut to the slider's 0..15; the recalculation then shows the cut value.
  slTimeout.setValue(wholeValue(parseNumber(txtTimeout.text()).value_or(0)));
  Recalculate();
}

void Calculator::slTimeout_Scroll() { Recalculate(); }

void Calculator::txtOverhead_Change() {
  if (!isNumeric(txtOverhead.text())) txtOverhead.setText("0");
  const double v = parseNumber(txtOverhead.text()).value_or(0);
  if (v > kMaxOverhead)
    txtOverhead.setText(std::to_string(kMaxOverhead));
  else if (v < 0)
    txtOverhead.setText("0");
  Recalculate();
}

}  // namespace tickwell
