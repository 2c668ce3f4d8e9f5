// Timer selection: per-timer lists, widths and limits, and the inputs each
// timer keeps while another is shown. What differs between the timers comes
// from their TimerSpec.
#include <string>

#include "app/number_text.h"
#include "calculator/calculator.h"
#include "calculator/constants.h"

namespace tickwell {

namespace {

bool hasTmr0Adjust(const TimerSpec& table) { return table.writeLossCycles > 0; }
bool hasPr2Adjust(const TimerSpec& table) { return table.matchLossCycles > 0; }

}  // namespace

void Calculator::opTmr_Click(int index) {
  app_.TimerNo = index;
  // The inputs on screen still belong to the timer selected before.
  SaveTimerSettings(app_.TimerNoInt);
  FillPrescalerList(index);

  if (index >= 0 && index < kTimerCount) {
    const TimerSpec& table = timerSpec(index);
    cbPost.enabled = txtPostBits.enabled = table.hasPostscaler;
    if (table.hasPostscaler) cbPost.setIndex(0);
    // A timer with an 8-bit mode starts in it before its inputs are reset.
    if (table.has8Bit) {
      opMode[0].enabled = true;
      opMode[1].enabled = table.has16Bit;
      opMode.select(0);
    }
    chkTMR0.visible = lblNoteTMR0.visible = hasTmr0Adjust(table);
    chkPR2.visible = lblNotePR2.visible = hasPr2Adjust(table);
    lblAdjust.visible = false;
    ResetTimerInputs();
    // A 16-bit-only timer switches to 16-Bit after the reset, whose 8-Bit
    // selected PIC16 on the way.
    if (!table.has8Bit) {
      opMode[0].enabled = false;
      opMode[1].enabled = true;
      opMode.select(1);
    }
    if (table.onlyOn) family.select(*table.onlyOn == Family::PIC16 ? 0 : 1);
    restoreTimerSettings(index);
  }

  for (int i = 0; i < kTimerCount; ++i) opTmr[i].bold = false;
  if (index >= 0 && index < opTmr.size()) opTmr[index].bold = true;
  // Timer4 and Timer5 have no listing tab.
  if (index >= 0 && index < kTimerCount) Ts1.select(index + 1);
  Recalculate();
  app_.TimerNoInt = static_cast<std::int16_t>(app_.TimerNo);
}

void Calculator::restoreTimerSettings(int timer) {
  const TimerSpec& table = timerSpec(timer);
  const SavedTimerInputs& saved = app_.SavedTmr[static_cast<std::size_t>(timer)];
  if (table.has8Bit && table.has16Bit) opMode.select(static_cast<int>(saved.width));
  cbPre.setIndex(saved.prescalerIndex);
  if (table.hasPostscaler) cbPost.setIndex(saved.postscalerIndex);
  restoreTimeoutText(saved.timeoutText);
  txtOverhead.setText(saved.overheadText);
  // The check box is restored before the preload, which already holds the
  // adjustment that the check box handler applies again on the way.
  if (hasTmr0Adjust(table)) chkTMR0.setValue(saved.adjust ? 1 : 0);
  if (hasPr2Adjust(table)) chkPR2.setValue(saved.adjust ? 1 : 0);
  sl1.setValue(saved.preload);
}

void Calculator::restoreTimeoutText(const std::string& text) {
  if (txtTimeout.text() == text)
    txtTimeout_Change();  // the slider may have been reset meanwhile
  else
    txtTimeout.setText(text);
}

void Calculator::opMode_Click(int index) {
  opMode[0].bold = opMode[1].bold = false;
  opMode[index].bold = true;
  app_.TimerMode = static_cast<std::int16_t>(index);
  const Width width = index == 0 ? Width::Bits8 : Width::Bits16;
  sl1.setMax(maxPreload(width));
  sl1.tick = width == Width::Bits8 ? kPreloadTick8Bit : kPreloadTick16Bit;
  // The width decides the family where it exists on one family only: 8-Bit
  // means PIC16, a 16-bit Timer0 means PIC18.
  if (const auto f = width == Width::Bits8 ? selectedSpec().familyOf8Bit : selectedSpec().familyOf16Bit)
    family.select(*f == Family::PIC16 ? 0 : 1);
  sl1.setValue(0);
  sl1_Scroll();
}

void Calculator::FillPrescalerList(int timer) {
  cbPre.clear();
  if (timer < 0 || timer >= kTimerCount) return;
  for (const Prescaler& p : timerSpec(timer).prescalers) cbPre.add("1:" + std::to_string(p.ratio));
}

void Calculator::SaveTimerSettings(int timer) {
  if (timer < 0 || timer >= kTimerCount) return;
  const TimerSpec& table = timerSpec(timer);
  SavedTimerInputs& saved = app_.SavedTmr[static_cast<std::size_t>(timer)];
  saved.width = app_.TimerMode == 1 ? Width::Bits16 : Width::Bits8;
  saved.prescalerIndex = cbPre.index();
  saved.postscalerIndex = cbPost.index();
  saved.timeoutText = txtTimeout.text();
  saved.overheadText = txtOverhead.text();
  saved.adjust = hasTmr0Adjust(table) ? chkTMR0.value() == 1 : hasPr2Adjust(table) && chkPR2.value() == 1;
  saved.preload = sl1.value();
}

void Calculator::ResetTimerInputs() {
  opMode.select(0);
  cbPre.setIndex(0);
  cbPost.setIndex(0);
  sl1.setValue(0);
  chkTMR0.setValue(0);
  chkPR2.setValue(0);
  slTimeout.setValue(0);
  txtOverhead.setText("0");
  txtSearchInt.setText("0");
}

}  // namespace tickwell
