// Unit switches of the results, the re-formatting of the result labels and the
// two window commands.
#include "app/number_text.h"
#include "app/units.h"
#include "calculator/calculator.h"

namespace tickwell {

namespace {

// The frequency ring of the clock labels, which sets no display factor.
std::string nextClockUnit(const std::string& caption) {
  if (caption == "Hz") return "kHz";
  if (caption == "kHz") return "MHz";
  if (caption == "MHz") return "Hz";
  return caption;
}

const char* periodMask(const std::string& unit) {
  if (unit == "ns") return "#,###,###,###";
  if (unit == kMicroSeconds) return "#,###,###,##0.00";
  if (unit == "ms" || unit == "s") return "#,###,##0.00#####";
  return nullptr;
}

}  // namespace

void Calculator::LabelCycle_Click() {
  if (LabelCycle.caption() == kMicroSeconds) {
    lblCycle.setCaption(formatMask(app_.TickTime * 1000, "##,###"));
    LabelCycle.setCaption("ns");
  } else {
    lblCycle.setCaption(formatMask(app_.TickTime, "##,##0.00"));
    LabelCycle.setCaption(kMicroSeconds);
  }
}

void Calculator::LabelHz_Click() {
  LabelHz.setCaption(nextClockUnit(LabelHz.caption()));
  ShowClockFreqs();
}

void Calculator::LabelHz2_Click() {
  LabelHz2.setCaption(nextClockUnit(LabelHz2.caption()));
  ShowClockFreqs();
}

void Calculator::lblInputOSC_Click() { lblInputOSC.setCaption(nextClockUnit(lblInputOSC.caption())); }

void Calculator::lblInputOSC_Change() {
  LabelHz2.setCaption(lblInputOSC.caption());
  ShowClockFreqs();
}

void Calculator::lblClockFreq_Change() {
  // A clock that shows as 0 in its unit is shown in Hz instead.
  if (readShown(lblClockFreq.caption()) == 0 || app_.OscFreq < 1) LabelHz2.setCaption("Hz");
  ShowClockFreqs();
}

void Calculator::lblHz_Change() {
  lblHz.setCaption(formatMask(readShown(lblHz.caption()), "##,###,##0.00###"));
}

void Calculator::lblInterrupt_Change() {
  if (const char* mask = periodMask(btnInterrupt.caption))
    lblInterrupt.setCaption(formatMask(readShown(lblInterrupt.caption()), mask));
}

void Calculator::btnHertz_Click() {
  btnHertz.caption = NextFreqUnit(app_, btnHertz.caption);
  btnSearchHertz.caption = NextFreqUnit(app_, btnSearchHertz.caption);
  lblMinTxtFreq.setCaption(btnHertz.caption);
  lblMaxTxtFreq.setCaption(btnHertz.caption);
  double factor = 0;
  if (btnHertz.caption == "Hz")
    factor = 1000000;
  else if (btnHertz.caption == "kHz" || btnHertz.caption == "MHz")
    factor = 1.0 / 1000;
  if (factor != 0) {
    const double shown = readShown(lblHz.caption());
    const double wanted = readShown(txtSearchFreq.text());
    lblHz.setCaption(plainNumber(factor == 1000000 ? shown * 1000000 : shown / 1000));
    txtSearchFreq.setText(plainNumber(factor == 1000000 ? wanted * 1000000 : wanted / 1000));
  }
  Recalculate();
}

void Calculator::btnInterrupt_Click() {
  btnInterrupt.caption = NextPeriodUnit(app_, btnInterrupt.caption);
  btnSearchInt.caption = NextPeriodUnit(app_, btnSearchInt.caption);
  lblMinTxt.setCaption(btnInterrupt.caption);
  lblMaxTxt.setCaption(btnInterrupt.caption);
  const std::string& unit = btnInterrupt.caption;
  const bool back = unit == "ns";
  if (back || unit == kMicroSeconds || unit == "ms" || unit == "s") {
    const double shown = readShown(lblInterrupt.caption());
    const double wanted = readShown(txtSearchInt.text());
    lblInterrupt.setCaption(plainNumber(back ? shown * 1000000000 : shown / 1000));
    txtSearchInt.setText(plainNumber(back ? wanted * 1000000000 : wanted / 1000));
  }
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
  ended_ = true;
  if (onExit) onExit();
}

}  // namespace tickwell
