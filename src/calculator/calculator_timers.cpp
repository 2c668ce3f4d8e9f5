// Timer selection: per-timer lists, widths and limits, and the inputs each
// timer keeps while another is shown.
#include <array>

#include "app/number_text.h"
#include "calculator/calculator.h"

namespace tickwell {

namespace {

const std::array<std::vector<const char*>, 4> kPrescalers = {{
    {"1:1", "1:2", "1:4", "1:8", "1:16", "1:32", "1:64", "1:128", "1:256"},
    {"1:1", "1:2", "1:4", "1:8"},
    {"1:1", "1:4", "1:16"},
    {"1:1", "1:2", "1:4", "1:8"},
}};

}  // namespace

void Calculator::opTmr_Click(int index) {
  app_.TimerNo = index;
  // The inputs on screen still belong to the timer selected before.
  SaveTimerSettings(app_.TimerNoInt);
  FillPrescalerList(index);

  switch (index) {
    case 0:
      cbPost.enabled = false;
      txtPostBits.enabled = false;
      opMode[0].enabled = true;
      opMode[1].enabled = true;
      opMode.select(0);
      chkPR2.visible = lblNotePR2.visible = lblAdjust.visible = false;
      chkTMR0.visible = lblNoteTMR0.visible = true;
      ResetTimerInputs();
      break;
    case 1:
    case 3:
      cbPost.enabled = false;
      txtPostBits.enabled = false;
      chkTMR0.visible = lblNoteTMR0.visible = chkPR2.visible = lblNotePR2.visible = lblAdjust.visible = false;
      ResetTimerInputs();
      opMode[0].enabled = false;
      opMode[1].enabled = true;
      opMode.select(1);
      if (index == 3) family.select(1);
      break;
    case 2:
      cbPost.enabled = true;
      cbPost.setIndex(0);
      txtPostBits.enabled = true;
      opMode[0].enabled = true;
      opMode.select(0);
      opMode[1].enabled = false;
      chkTMR0.visible = lblNoteTMR0.visible = false;
      chkPR2.visible = lblNotePR2.visible = true;
      lblAdjust.visible = false;
      ResetTimerInputs();
      break;
    default:
      break;
  }
  if (index >= 0 && index <= 3) restoreTimerSettings(index);

  for (int i = 0; i <= 3; ++i) opTmr[i].bold = false;
  if (index >= 0 && index < opTmr.size()) opTmr[index].bold = true;
  // Timer4 and Timer5 have no listing tab.
  if (index >= 0 && index <= 3) Ts1.select(index + 1);
  Recalculate();
  app_.TimerNoInt = static_cast<std::int16_t>(app_.TimerNo);
}

void Calculator::restoreTimerSettings(int timer) {
  switch (timer) {
    case 0: {
      const auto& r = app_.SavedTmr0;
      opMode.select(savedInt(r[0]));
      cbPre.setIndex(savedInt(r[1]));
      restoreTimeoutText(savedText(r[2]));
      txtOverhead.setText(savedText(r[3]));
      chkTMR0.setValue(savedInt(r[4]));
      sl1.setValue(savedInt(r[5]));
      break;
    }
    case 1:
    case 3: {
      const auto& r = timer == 1 ? app_.SavedTmr1 : std::array<SavedValue, 4>{app_.SavedTmr3[0], app_.SavedTmr3[1],
                                                                               app_.SavedTmr3[2], app_.SavedTmr3[3]};
      cbPre.setIndex(savedInt(r[0]));
      restoreTimeoutText(savedText(r[1]));
      txtOverhead.setText(savedText(r[2]));
      sl1.setValue(savedInt(r[3]));
      break;
    }
    case 2: {
      const auto& r = app_.SavedTmr2;
      cbPre.setIndex(savedInt(r[0]));
      cbPost.setIndex(savedInt(r[1]));
      restoreTimeoutText(savedText(r[2]));
      txtOverhead.setText(savedText(r[3]));
      // The check box is restored before the preload, which already holds the
      // adjustment that the check box handler applies again on the way.
      chkPR2.setValue(savedInt(r[4]));
      sl1.setValue(savedInt(r[5]));
      break;
    }
    default:
      break;
  }
}

void Calculator::restoreTimeoutText(const std::string& text) {
  if (txtTimeout.text() == text)
    txtTimeout_Change();  // the slider may have been reset meanwhile
  else
    txtTimeout.setText(text);
}

void Calculator::opMode_Click(int index) {
  opMode[0].bold = opMode[1].bold = false;
  app_.TimerMode = static_cast<std::int16_t>(index);
  if (index == 0) {
    opMode[0].bold = true;
    sl1.setMax(255);
    sl1.tick = 10;
    family.select(0);
    sl1.setValue(0);
  } else {
    opMode[1].bold = true;
    sl1.setMax(65535);
    sl1.tick = 1000;
    // A 16-bit Timer0 exists on PIC18 only.
    if (opTmr[0].value) family.select(1);
    sl1.setValue(0);
  }
  sl1_Scroll();
}

void Calculator::FillPrescalerList(int timer) {
  cbPre.clear();
  if (timer < 0 || timer > 3) return;
  for (const char* entry : kPrescalers[static_cast<std::size_t>(timer)]) cbPre.add(entry);
}

void Calculator::SaveTimerSettings(int timer) {
  switch (timer) {
    case 0:
      app_.SavedTmr0 = {app_.TimerMode, cbPre.index(), txtTimeout.text(), txtOverhead.text(), chkTMR0.value(),
                        sl1.value()};
      break;
    case 1:
      app_.SavedTmr1 = {cbPre.index(), txtTimeout.text(), txtOverhead.text(), sl1.value()};
      break;
    case 2:
      app_.SavedTmr2 = {cbPre.index(), cbPost.index(), txtTimeout.text(), txtOverhead.text(), chkPR2.value(),
                        sl1.value()};
      break;
    case 3:
      app_.SavedTmr3[0] = cbPre.index();
      app_.SavedTmr3[1] = txtTimeout.text();
      app_.SavedTmr3[2] = txtOverhead.text();
      app_.SavedTmr3[3] = sl1.value();
      break;
    default:
      break;
  }
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
